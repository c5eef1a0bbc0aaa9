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

TEST(HintLine, FollowsThePointerAndFallsBackWhenItLeaves) {
  HintLine line;
  line.SetAwayText(kAway);
  EXPECT_EQ(line.Text(), kAway);
  EXPECT_TRUE(line.PointerOver(L"icon"));
  EXPECT_FALSE(line.PointerOver(L"icon"));
  EXPECT_EQ(line.Text(), L"icon");
  EXPECT_TRUE(line.IdleHintCheck(false));
  EXPECT_EQ(line.Text(), kAway);
  // Back over a window without a hint of its own: the away text stays.
  EXPECT_FALSE(line.PointerOver(L""));
  EXPECT_EQ(line.Text(), kAway);
}

TEST(HintLine, AMenuItemsHintStaysAfterTheMenuWhileThePointerIsOverTheProgram) {
  HintLine line = OverPanel();
  EXPECT_TRUE(line.MenuItemHighlighted(L"item"));
  EXPECT_FALSE(line.IdleHintCheck(true));  // the menu ended
  EXPECT_EQ(line.Text(), L"item");
  // The next move over a window gives that window's hint again.
  EXPECT_TRUE(line.PointerOver(L"panel"));
  EXPECT_EQ(line.Text(), L"panel");
}

TEST(HintLine, APointerThatLeftWhileTheMenuWasOpenGivesTheAwayTextWhenTheMenuEnds) {
  HintLine line = OverPanel();
  line.MenuItemHighlighted(L"item");
  EXPECT_TRUE(line.IdleHintCheck(false));  // the menu ended, the pointer elsewhere
  EXPECT_EQ(line.Text(), kAway);
  // The leave notice that the menu held back arrives after it: nothing changes.
  EXPECT_FALSE(line.IdleHintCheck(false));
  EXPECT_EQ(line.Text(), kAway);
}

TEST(HintLine, ALeaveNoticeForAWindowThePointerHasSinceEnteredChangesNothing) {
  HintLine line = OverPanel();
  EXPECT_TRUE(line.PointerOver(L"icon"));  // onto another window of the program
  EXPECT_FALSE(line.IdleHintCheck(true));  // the panel's leave notice, late
  EXPECT_EQ(line.Text(), L"icon");
  EXPECT_TRUE(line.CursorOverProgram());
}

}  // namespace
}  // namespace ui
