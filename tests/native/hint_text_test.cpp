#include "ui/hint_text.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(LongHint, IsTheTextAfterTheFirstBarOrTheWholeText) {
  EXPECT_EQ(LongHint(L"|右クリック：ポップアップメニューを表示します."),
            L"右クリック：ポップアップメニューを表示します.");
  EXPECT_EQ(
      LongHint(L"ダブルクリック or 右クリック|ダブルクリック or 右クリックで連続起動できます"),
      L"ダブルクリック or 右クリックで連続起動できます");
  EXPECT_EQ(LongHint(L"一行目\r\n二行目"), L"一行目\r\n二行目");
  EXPECT_EQ(LongHint(L"a|b|c"), L"b|c");
  EXPECT_EQ(LongHint(L""), L"");
}

}  // namespace
}  // namespace ui
