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

TEST(TrayEvents, AClickActsOnItsPressAndTheKeyboardOnItsOwnReport) {
  TrayEvents events;
  // A left click: the press, its release, then NIN_SELECT, which does not act again.
  EXPECT_EQ(events.Take(kTrayLeftButtonDown), TrayAction::kLeftClick);
  EXPECT_EQ(events.Take(0x0202), TrayAction::kNone);
  EXPECT_EQ(events.Take(kTraySelect), TrayAction::kNone);
  // A right click: the press, then WM_CONTEXTMENU, which does not open a second menu.
  EXPECT_EQ(events.Take(kTrayRightButtonDown), TrayAction::kPopupMenu);
  EXPECT_EQ(events.Take(kTrayContextMenu), TrayAction::kNone);
  // The keyboard: Enter or Space, Shift+F10 or the menu key.
  EXPECT_EQ(events.Take(kTrayKeySelect), TrayAction::kLeftClick);
  EXPECT_EQ(events.Take(kTraySelect), TrayAction::kLeftClick);
  EXPECT_EQ(events.Take(kTrayContextMenu), TrayAction::kPopupMenu);
  // A press whose report never came (the icon was removed) is forgotten
  // when the icon is added again.
  events.Take(kTrayLeftButtonDown);
  events.Reset();
  EXPECT_EQ(events.Take(kTraySelect), TrayAction::kLeftClick);
}

}  // namespace
}  // namespace qvn
