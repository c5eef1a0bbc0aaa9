// The program's message boxes, shown for real inside the test program.
//
// Each box is modal, so the test thread sits in the box's message loop while a
// helper thread finds the box, records what it shows and then answers it the
// way a user would: a key, a button click or the close box.

#include "ui/message_box.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

// Upper bound for every wait on the box.
constexpr DWORD kTimeoutMs = 5000;

// What the helper thread saw of a box.
struct SeenBox {
  bool found = false;
  bool closed = false;  // the box went away after it was answered
  std::wstring caption;
  std::wstring text;                  // the message
  HICON icon = nullptr;               // from the SS_ICON static, if there is one
  std::vector<std::wstring> buttons;  // in tab order
  std::wstring focus;                 // text of the control with the focus
  HWND owner = nullptr;
  bool ownerEnabled = true;
  // Screen rectangles.
  RECT window{};
  RECT client{};
  RECT textRect{};
  RECT iconRect{};
  std::vector<RECT> buttonRects;
};

std::wstring WindowText(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return buffer;
}

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t buffer[64] = {};
  GetClassNameW(window, buffer, 64);
  return lstrcmpiW(buffer, className) == 0;
}

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientScreenRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

BOOL CALLBACK RememberVisibleDialog(HWND window, LPARAM found) {
  if (HasClass(window, L"#32770") && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// The visible dialog of `thread`, or nullptr.
HWND VisibleDialogOf(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(thread, RememberVisibleDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Polls for a condition, for at most kTimeoutMs.
bool WaitFor(const std::function<bool()>& condition) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > kTimeoutMs) return false;
    Sleep(10);
  }
  return true;
}

SeenBox Observe(HWND box, DWORD thread) {
  SeenBox seen;
  seen.found = true;
  seen.caption = WindowText(box);
  seen.window = ScreenRect(box);
  seen.client = ClientScreenRect(box);
  seen.owner = GetWindow(box, GW_OWNER);
  seen.ownerEnabled = seen.owner && IsWindowEnabled(seen.owner);
  // Children come in creation order, which is also the tab order.
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (HasClass(child, L"Button")) {
      seen.buttons.push_back(WindowText(child));
      seen.buttonRects.push_back(ScreenRect(child));
    } else if (HasClass(child, L"Static")) {
      if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        seen.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        seen.iconRect = ScreenRect(child);
      } else {
        seen.text = WindowText(child);
        seen.textRect = ScreenRect(child);
      }
    }
  }
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(thread, &info) && info.hwndFocus) seen.focus = WindowText(info.hwndFocus);
  return seen;
}

// Runs `show` on this thread while a helper thread waits for the box it
// opens, records what it shows and then applies `answer` to it.
SeenBox WatchBox(const std::function<void()>& show, const std::function<void(HWND)>& answer) {
  SeenBox seen;
  const DWORD thread = GetCurrentThreadId();
  std::thread helper([&] {
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = VisibleDialogOf(thread)) != nullptr; })) return;
    seen = Observe(box, thread);
    answer(box);
    seen.closed = WaitFor([&] { return !IsWindow(box); });
    if (!seen.closed) {
      // Never leave the test thread stuck in the box's modal loop.
      PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
      PostMessageW(box, WM_CLOSE, 0, 0);
    }
  });
  show();
  helper.join();
  return seen;
}

// The ways of answering a box, as a user would. Keys are posted to the
// control with the focus so that they go through the dialog manager.
void PressKey(HWND box, WPARAM key) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
  HWND target = info.hwndFocus ? info.hwndFocus : box;
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

auto Key(WPARAM key) {
  return [key](HWND box) { PressKey(box, key); };
}

auto ClickButton(const std::wstring& text) {
  return [text](HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (HasClass(child, L"Button") && WindowText(child) == text) {
        PostMessageW(child, BM_CLICK, 0, 0);
      }
    }
  };
}

void CloseBox(HWND box) {
  PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
}

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
  EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_QUESTION));
  EXPECT_EQ(seen.focus, L"はい(&Y)");
}

TEST(MessageBoxContentTest, ErrorHasStopIconOkButtonAndClosingPeriod) {
  const SeenBox seen =
      WatchBox([] { ui::ShowError(nullptr, L"ファイルが見つかりません"); }, CloseBox);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, L"Quorvane");
  EXPECT_EQ(seen.text, L"ファイルが見つかりません.");
  EXPECT_EQ(seen.buttons, Strings{L"OK"});
  EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_HAND));
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
  EXPECT_EQ(AnswerConfirmation(Key(VK_RETURN)), ui::Answer::Yes);
  EXPECT_EQ(AnswerConfirmation(ClickButton(L"はい(&Y)")), ui::Answer::Yes);
}

TEST(MessageBoxAnswerTest, NoButtonAndEscapeAnswerNo) {
  EXPECT_EQ(AnswerConfirmation(ClickButton(L"いいえ(&N)")), ui::Answer::No);
  EXPECT_EQ(AnswerConfirmation(Key(VK_ESCAPE)), ui::Answer::No);
}

TEST(MessageBoxAnswerTest, CloseBoxAnswersCancel) {
  EXPECT_EQ(AnswerConfirmation(CloseBox), ui::Answer::Cancel);
  EXPECT_EQ(AnswerConfirmation([](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); }),
            ui::Answer::Cancel);
}

TEST(MessageBoxAnswerTest, PlainAndErrorBoxesCloseWithEnterEscapeOkAndCloseBox) {
  const std::function<void(HWND)> answers[] = {Key(VK_RETURN), Key(VK_ESCAPE), ClickButton(L"OK"),
                                               CloseBox};
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
  const SeenBox seen = WatchBox([&] { ui::ShowError(owner, L"所有者あり"); }, Key(VK_RETURN));
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
