#include "app/tray_click.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(TrayLeftClick, BringsTheWindowBackOrStartsTheScreenSaverWhileResourcesLast) {
  Model model;
  int guardAsked = 0;
  bool below = false;
  const auto guard = [&] {
    ++guardAsked;
    return below;
  };
  EXPECT_EQ(TrayLeftClick(model, guard), TrayClick::kRestoreFromTray);
  EXPECT_EQ(guardAsked, 0) << "the guard is asked for the screen saver only";

  model.StartScreenSaverOnIconClick = true;
  EXPECT_EQ(TrayLeftClick(model, guard), TrayClick::kStartScreenSaver);
  below = true;
  EXPECT_EQ(TrayLeftClick(model, guard), TrayClick::kNothing);
  EXPECT_EQ(guardAsked, 2);
}

}  // namespace
}  // namespace qvn
