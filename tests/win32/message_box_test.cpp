// The program's message boxes, shown for real inside the test program; a
// helper thread reads each and answers it as a user would (WatchBox).

#include "ui/message_box.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win32/test_support.h"

namespace {

using qvntest::ClickButton;
using qvntest::CloseBox;
using qvntest::KeyIn;
using qvntest::SeenBox;
using qvntest::WatchBox;

POINT Centre(const RECT& rect) {
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int ScaledFrom96(int pixels) {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return MulDiv(pixels, dpi, 96);
}

using Strings = std::vector<std::wstring>;

// --- What each box shows -------------------------------------------------------

TEST(MessageBoxContentTest, PlainMessageHasApplicationCaptionOkButtonAndNoIcon) {
  const SeenBox seen = WatchBox([] { ui::ShowMessage(nullptr, L"設定を保存しました"); }, CloseBox);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, L"Quorvane");
  EXPECT_EQ(seen.text, L"設定を保存しました");  // no period added
  EXPECT_EQ(seen.buttons, Strings{L"OK"});
  EXPECT_EQ(seen.icon, nullptr);
  EXPECT_EQ(seen.focus, L"OK");
}

TEST(MessageBoxContentTest, ConfirmationHasQuestionIconAndJapaneseYesNo) {
  const SeenBox seen = WatchBox([] { ui::Confirm(nullptr, L"削除しますか?"); }, CloseBox);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, L"確認");
  EXPECT_EQ(seen.text, L"削除しますか?");
  EXPECT_EQ(seen.buttons, (Strings{L"はい(&Y)", L"いいえ(&N)"}));
  EXPECT_NE(seen.icon, nullptr);
  EXPECT_EQ(seen.focus, L"はい(&Y)");
}

TEST(MessageBoxContentTest, ErrorHasStopIconOkButtonAndClosingPeriod) {
  const SeenBox seen =
      WatchBox([] { ui::ShowError(nullptr, L"ファイルが見つかりません"); }, CloseBox);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, L"Quorvane");
  EXPECT_EQ(seen.text, L"ファイルが見つかりません.");
  EXPECT_EQ(seen.buttons, Strings{L"OK"});
  EXPECT_NE(seen.icon, nullptr);
  EXPECT_EQ(seen.focus, L"OK");
}

// --- How the confirmation is answered ------------------------------------------

ui::Answer AnswerConfirmation(const std::function<void(HWND)>& answer) {
  ui::Answer result = ui::Answer::Yes;
  const SeenBox seen = WatchBox([&] { result = ui::Confirm(nullptr, L"続けますか?"); }, answer);
  EXPECT_TRUE(seen.found);
  EXPECT_TRUE(seen.closed);
  return result;
}

TEST(MessageBoxAnswerTest, DefaultButtonAnswersYes) {
  EXPECT_EQ(AnswerConfirmation(KeyIn(VK_RETURN)), ui::Answer::Yes);
  EXPECT_EQ(AnswerConfirmation(ClickButton(L"はい(&Y)")), ui::Answer::Yes);
}

TEST(MessageBoxAnswerTest, NoButtonAndEscapeAnswerNo) {
  EXPECT_EQ(AnswerConfirmation(ClickButton(L"いいえ(&N)")), ui::Answer::No);
  EXPECT_EQ(AnswerConfirmation(KeyIn(VK_ESCAPE)), ui::Answer::No);
}

TEST(MessageBoxAnswerTest, CloseBoxAnswersCancel) {
  EXPECT_EQ(AnswerConfirmation(CloseBox), ui::Answer::Cancel);
  EXPECT_EQ(AnswerConfirmation([](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); }),
            ui::Answer::Cancel);
}

TEST(MessageBoxAnswerTest, PlainAndErrorBoxesCloseWithEnterEscapeOkAndCloseBox) {
  const std::function<void(HWND)> answers[] = {KeyIn(VK_RETURN), KeyIn(VK_ESCAPE),
                                               ClickButton(L"OK"), CloseBox};
  for (const auto& answer : answers) {
    EXPECT_TRUE(WatchBox([] { ui::ShowMessage(nullptr, L"メッセージ"); }, answer).closed);
    EXPECT_TRUE(WatchBox([] { ui::ShowError(nullptr, L"エラー"); }, answer).closed);
  }
}

// --- Where the box appears and how it is laid out ------------------------------

TEST(MessageBoxPlacementTest, ShowMessageAtPutsTopLeftCornerAtThePoint) {
  const SeenBox seen = WatchBox(
      [] {
        ui::ShowMessageAt(nullptr, L"ここです", POINT{347, 33});
      },
      CloseBox);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.window.left, 347);
  EXPECT_EQ(seen.window.top, 33);
}

TEST(MessageBoxPlacementTest, OtherBoxesAreCentredOnTheScreen) {
  const POINT screenCentre{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
  const std::function<void()> shows[] = {
      [] { ui::ShowMessage(nullptr, L"中央"); },
      [] { ui::Confirm(nullptr, L"中央?"); },
      [] { ui::ShowError(nullptr, L"中央の\n二行のエラー"); },
  };
  for (const auto& show : shows) {
    const SeenBox seen = WatchBox(show, CloseBox);
    ASSERT_TRUE(seen.found);
    const POINT centre = Centre(seen.window);
    EXPECT_NEAR(centre.x, screenCentre.x, 2) << "box with text " << seen.text;
    EXPECT_NEAR(centre.y, screenCentre.y, 2);
  }
}

TEST(MessageBoxPlacementTest, IconLeftTextRightButtonsCentredBelow) {
  const SeenBox seen = WatchBox(
      [] { ui::Confirm(nullptr, L"一行目\n二行目はもう少し長い行です\n三行目"); }, CloseBox);
  ASSERT_TRUE(seen.found);
  ASSERT_EQ(seen.buttonRects.size(), 2u);

  // Icon on the left, the whole multi-line text to its right.
  EXPECT_LT(seen.iconRect.right, seen.textRect.left);
  HDC dc = GetDC(nullptr);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);  // the system font: a lower bound for the line height
  ReleaseDC(nullptr, dc);
  EXPECT_GE(seen.textRect.bottom - seen.textRect.top, 3 * (metrics.tmHeight / 2));
  EXPECT_LE(seen.textRect.right, seen.client.right);

  // Standard-size buttons in a row below the content, centred in the box.
  for (const RECT& button : seen.buttonRects) {
    EXPECT_EQ(button.right - button.left, ScaledFrom96(75));
    EXPECT_EQ(button.bottom - button.top, ScaledFrom96(23));
    EXPECT_GT(button.top, seen.textRect.bottom);
    EXPECT_GT(button.top, seen.iconRect.bottom);
    EXPECT_LT(button.bottom, seen.client.bottom);
  }
  EXPECT_EQ(seen.buttonRects[0].top, seen.buttonRects[1].top);
  EXPECT_LT(seen.buttonRects[0].right, seen.buttonRects[1].left);
  const int rowCentre = (seen.buttonRects[0].left + seen.buttonRects[1].right) / 2;
  EXPECT_NEAR(rowCentre, Centre(seen.client).x, 1);
}

// --- Modality -------------------------------------------------------------------

TEST(MessageBoxOwnerTest, OwnerIsDisabledWhileTheBoxShows) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                               200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  const SeenBox seen = WatchBox([&] { ui::ShowError(owner, L"所有者あり"); }, KeyIn(VK_RETURN));
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.owner, owner);
  EXPECT_FALSE(seen.ownerEnabled);
  EXPECT_TRUE(seen.closed);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

TEST(MessageBoxOwnerTest, BoxWithoutOwnerStandsAlone) {
  const SeenBox seen = WatchBox([] { ui::ShowMessage(nullptr, L"所有者なし"); }, CloseBox);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.owner, nullptr);
}

}  // namespace
