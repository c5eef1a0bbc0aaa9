#include "ui/hint_line.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

constexpr wchar_t kAway[] = L"away";

// A line in a program whose pointer is over a window with hint "panel".
HintLine OverPanel() {
  HintLine line;
  line.SetAwayText(kAway);
  line.PointerOver(L"panel");
  line.IdleHintCheck(true);
  return line;
}

TEST(HintLine, FollowsThePointerAndFallsBackOnlyWhenItHasLeft) {
  HintLine line;
  line.SetAwayText(kAway);
  EXPECT_EQ(line.Text(), kAway);
  EXPECT_TRUE(line.PointerOver(L"panel"));
  EXPECT_TRUE(line.PointerOver(L"icon"));
  EXPECT_FALSE(line.PointerOver(L"icon"));
  // The panel's leave notice, late, for a window the pointer has since entered.
  EXPECT_FALSE(line.IdleHintCheck(true));
  EXPECT_EQ(line.Text(), L"icon");
  EXPECT_TRUE(line.CursorOverProgram());
  EXPECT_TRUE(line.IdleHintCheck(false));
  EXPECT_EQ(line.Text(), kAway);
  // Back over a window without a hint of its own: the away text stays.
  EXPECT_FALSE(line.PointerOver(L""));
  EXPECT_EQ(line.Text(), kAway);
}

TEST(HintLine, AMenuItemsHintStaysAfterTheMenuOnlyWhileThePointerIsOverTheProgram) {
  HintLine over = OverPanel();
  EXPECT_TRUE(over.MenuItemHighlighted(L"item"));
  EXPECT_FALSE(over.IdleHintCheck(true));  // the menu ended
  EXPECT_EQ(over.Text(), L"item");
  EXPECT_TRUE(over.PointerOver(L"panel"));  // the next move gives the window's hint again
  EXPECT_EQ(over.Text(), L"panel");

  HintLine left = OverPanel();
  left.MenuItemHighlighted(L"item");
  EXPECT_TRUE(left.IdleHintCheck(false));  // the menu ended, the pointer elsewhere
  EXPECT_EQ(left.Text(), kAway);
  // The leave notice that the menu held back arrives after it: nothing changes.
  EXPECT_FALSE(left.IdleHintCheck(false));
  EXPECT_EQ(left.Text(), kAway);

  // The pointer left as the menu was being opened (or it came from the tray).
  HintLine away = OverPanel();
  away.IdleHintCheck(false);
  away.MenuItemHighlighted(L"item");
  EXPECT_TRUE(away.IdleHintCheck(false));
  EXPECT_EQ(away.Text(), kAway);
}

TEST(HintLine, TheFocusedControlsHintStaysWhileThePointerIsAwayAndGoesWhenItLeaves) {
  HintLine away;
  away.SetAwayText(kAway);
  EXPECT_TRUE(away.FocusMoved(L"slot"));
  EXPECT_FALSE(away.IdleHintCheck(false));  // a modal loop ended, the pointer elsewhere
  EXPECT_EQ(away.Text(), L"slot");
  HintLine over = OverPanel();
  over.FocusMoved(L"slot");
  EXPECT_TRUE(over.IdleHintCheck(false));  // the pointer left the program
  EXPECT_EQ(over.Text(), kAway);
}

}  // namespace
}  // namespace ui
