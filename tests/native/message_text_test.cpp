#include "ui/message_text.h"

#include <gtest/gtest.h>

namespace {

using ui::WithClosingPeriod;

TEST(WithClosingPeriodTest, AddsPeriodAfterCharactersCodedAbovePeriod) {
  EXPECT_EQ(WithClosingPeriod(L"abc"), L"abc.");
  EXPECT_EQ(WithClosingPeriod(L"code 0"), L"code 0.");  // '0' is 0x30
  EXPECT_EQ(WithClosingPeriod(L"ファイルが見つかりません"), L"ファイルが見つかりません.");
}

TEST(WithClosingPeriodTest, LeavesTextEndingAtOrBelowPeriodUnchanged) {
  EXPECT_EQ(WithClosingPeriod(L"abc."), L"abc.");
  EXPECT_EQ(WithClosingPeriod(L"abc-"), L"abc-");  // '-' is 0x2D
  EXPECT_EQ(WithClosingPeriod(L"abc "), L"abc ");
}

TEST(WithClosingPeriodTest, LeavesEmptyTextEmpty) {
  EXPECT_EQ(WithClosingPeriod(L""), L"");
}

TEST(WithClosingPeriodTest, LooksOnlyAtTheLastCharacter) {
  EXPECT_EQ(WithClosingPeriod(L"a.b"), L"a.b.");
  EXPECT_EQ(WithClosingPeriod(L"line 1\nline 2"), L"line 1\nline 2.");
  EXPECT_EQ(WithClosingPeriod(L"行末\n"), L"行末\n");
}

}  // namespace
