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

TEST(TrayEvents, VersionFourActsOnTheReportsAndAnOlderShellOnThePresses) {
  struct Case {
    unsigned event;
    TrayAction withVersionFour, without;
  };
  for (const Case& c :
       {Case{kTraySelect, TrayAction::kLeftClick, TrayAction::kNone},
        Case{kTrayKeySelect, TrayAction::kLeftClick, TrayAction::kNone},
        Case{kTrayContextMenu, TrayAction::kPopupMenu, TrayAction::kNone},
        Case{kTrayLeftButtonDown, TrayAction::kNone, TrayAction::kLeftClick},
        Case{kTrayRightButtonDown, TrayAction::kNone, TrayAction::kPopupMenu},
        Case{0x0202 /* WM_LBUTTONUP */, TrayAction::kNone, TrayAction::kNone},
        Case{0x0203 /* WM_LBUTTONDBLCLK */, TrayAction::kNone, TrayAction::kNone}}) {
    EXPECT_EQ(TrayEventAction(c.event, true), c.withVersionFour) << std::hex << c.event;
    EXPECT_EQ(TrayEventAction(c.event, false), c.without) << std::hex << c.event;
  }
}

TEST(TrayEvents, TheMenuOpensAtTheShellsSignedPointOrElseAtThePointer) {
  const auto wParam = [](int x, int y) {
    return static_cast<std::uintptr_t>((static_cast<unsigned>(y) & 0xFFFF) << 16 |
                                       (static_cast<unsigned>(x) & 0xFFFF));
  };
  EXPECT_EQ(TrayMenuAnchor(true, wParam(1800, 1050)), (ScreenPoint{1800, 1050}));
  // A taskbar on a monitor left of and above the primary one.
  EXPECT_EQ(TrayMenuAnchor(true, wParam(-1200, -30)), (ScreenPoint{-1200, -30}));
  EXPECT_EQ(TrayMenuAnchor(true, wParam(0, 0)), std::nullopt);
  EXPECT_EQ(TrayMenuAnchor(false, wParam(1800, 1050)), std::nullopt);
}

TEST(TrayRecord, TheSizeFollowsTheShellsVersion) {
  EXPECT_EQ(TrayRecordSizeFor({4, 72, 3110}), TrayRecordSize::kV1);
  EXPECT_EQ(TrayRecordSizeFor({5, 0, 3900}), TrayRecordSize::kV2);    // Windows 2000
  EXPECT_EQ(TrayRecordSizeFor({6, 0, 2900}), TrayRecordSize::kV3);    // Windows XP
  EXPECT_EQ(TrayRecordSizeFor({6, 0, 6000}), TrayRecordSize::kFull);  // Windows Vista
  EXPECT_EQ(TrayRecordSizeFor({6, 1, 7600}), TrayRecordSize::kFull);  // Windows 7
  EXPECT_EQ(TrayRecordSizeFor({10, 0, 19041}), TrayRecordSize::kFull);
}

}  // namespace
}  // namespace qvn
