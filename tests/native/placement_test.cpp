#include "ui/placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace ui::placement {
namespace {

Rect At(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

TEST(Placement, TheMainWindowStandsAtThePrimaryWorkAreaAndDialogsStayInTheirMonitor) {
  const std::vector<Monitor> one{{At(0, 0, 1920, 1080), At(0, 0, 1920, 1040), true}};
  EXPECT_EQ(MainWindowCorner(one), (Point{0, 0}));
  EXPECT_EQ(KeepInside(At(1700, 900, 420, 300), one), (Point{1500, 740}));
  EXPECT_EQ(KeepInside(At(-50, -20, 2500, 1200), one), (Point{0, 0})) << "too big: corner shows";
  // The taskbar at the top, then at the left.
  const std::vector<Monitor> top{{At(0, 0, 1920, 1080), At(0, 40, 1920, 1040), true}};
  EXPECT_EQ(MainWindowCorner(top), (Point{0, 40}));
  EXPECT_EQ(KeepInside(At(347, 33, 200, 100), top), (Point{347, 40}));
  EXPECT_EQ(MainWindowCorner({{{At(0, 0, 1920, 1080), At(62, 0, 1858, 1080), true}}}),
            (Point{62, 0}));
  // A monitor above and left of the primary holds the virtual screen's corner.
  const std::vector<Monitor> two{{At(-1280, -1024, 1280, 1024), At(-1280, -1024, 1280, 984), false},
                                 {At(0, 0, 1920, 1080), At(0, 0, 1920, 1040), true}};
  EXPECT_EQ(MainWindowCorner(two), (Point{0, 0}));
  EXPECT_EQ(KeepInside(At(-300, -100, 420, 300), two), (Point{-420, -340})) << "mostly above";
  EXPECT_EQ(KeepInside(At(-150, 300, 100, 100), two), (Point{0, 300})) << "on none: the nearest";
}

}  // namespace
}  // namespace ui::placement
