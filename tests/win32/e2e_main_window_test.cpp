// The real Quorvane.exe, started in a temporary folder: its main window, the
// single-copy guard, the hint line, the pop-up menu and the version dialog as
// a user meets them.
#include <gtest/gtest.h>

#include "res/version.h"
#include "tests/win32/test_support.h"

namespace qvntest {
namespace {

const std::wstring kPanelHint = L"右クリック：ポップアップメニューを表示します.";

// A top-level window of this test program, to stand in front or to pose as
// another window titled "Quorvane".
class TestWindow {
 public:
  TestWindow(const wchar_t* className, const wchar_t* title, POINT at) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    hwnd_ = CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, at.x, at.y, 200,
                            100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    WaitUntil([&] { return IsWindowVisible(hwnd_) != FALSE; });
  }
  ~TestWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// The launcher in a fresh folder, started, with its main window and controls.
class RunningLauncher : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(launcher.Start());
    main = launcher.WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "no main window appeared";
    panel = FindWindowExW(main, nullptr, ui::kPanelClass, nullptr);
    hintLine = HintLineOf(main);
    group = GroupOf(main);
    firstImage = FindWindowExW(group, nullptr, ui::kImageClass, nullptr);
    ASSERT_TRUE(panel && hintLine && group && firstImage);
  }

  ::testing::AssertionResult HintLineReads(const std::wstring& text) {
    if (WaitUntil([&] { return TextOf(hintLine) == text; }, 5000)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "the hint line reads " << ::testing::PrintToString(TextOf(hintLine));
  }

  TempFolder folder;
  Launcher launcher{folder.path()};
  HWND main = nullptr, panel = nullptr, hintLine = nullptr, group = nullptr, firstImage = nullptr;
};

TEST_F(RunningLauncher, ShowsAFixedStripAtTheTopLeftOfTheVirtualScreen) {
  EXPECT_EQ(TextOf(main), L"Quorvane");
  EXPECT_EQ(ClassOf(main), L"TMainForm");

  RECT client;
  GetClientRect(main, &client);
  // Its size is 332 x 95 at 96 DPI, scaled to the screen's DPI.
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(client.right, MulDiv(332, dpi, 96));
  EXPECT_EQ(client.bottom, MulDiv(95, dpi, 96));

  RECT frame;
  GetWindowRect(main, &frame);
  EXPECT_EQ(frame.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
  EXPECT_EQ(frame.top, GetSystemMetrics(SM_YVIRTUALSCREEN));

  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  EXPECT_EQ(TextOf(group), L"起動ソフトウェア");
  EXPECT_EQ(TextOf(hintLine), kDefaultHint);
}

TEST_F(RunningLauncher, TheHintLineFollowsThePointerAndFallsBackWhenItLeaves) {
  EXPECT_TRUE(HintLineReadsWith(main, CentreOf(firstImage), kUnsetSlotHint))
      << "over the first icon";

  // The white strip between two icons has no hint of its own: the group's counts.
  RECT image;
  GetWindowRect(firstImage, &image);
  EXPECT_TRUE(HintLineReadsWith(main, {image.right + 2, image.top + 10}, kGroupHint))
      << "over the strip between icons";

  RECT groupRect;
  GetWindowRect(group, &groupRect);
  EXPECT_TRUE(HintLineReadsWith(main, {groupRect.right - 20, groupRect.bottom + 15}, kPanelHint))
      << "over the panel";

  EXPECT_TRUE(HintLineReadsWith(main, Elsewhere(), kDefaultHint)) << "after leaving";
}

TEST_F(RunningLauncher, TheMenuItemsHintsReachTheHintLineAndGoWhenTheMenuCloses) {
  HWND menu = OpenMenu(launcher.processId(), main);
  ASSERT_NE(menu, nullptr) << "no pop-up menu";
  // Down highlights the next item.
  PressKey(VK_DOWN);
  EXPECT_TRUE(HintLineReads(L"表示されているソフトウェアを連続起動します."));
  PressKey(VK_DOWN);
  EXPECT_TRUE(HintLineReads(L"「連続起動データファイルの選択」ダイアログを表示します."));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }, 5000));
  // The pointer left the launcher while the menu was open: when the menu
  // ends, the line goes back to its default text. (An item's hint staying
  // while the pointer is still over the window is a matter of the hint
  // line's rule, tested natively.)
  EXPECT_TRUE(HintLineReadsWith(main, Elsewhere(), kDefaultHint));
}

TEST_F(RunningLauncher, TheVersionDialogStandsBesideTheMainWindow) {
  ASSERT_NE(OpenMenu(launcher.processId(), main), nullptr);
  PressKey('H');  // ヘルプ(&H)
  PressKey('V');  // バージョン情報(&V)...
  HWND about = WaitForVisibleWindow(launcher.processId(), L"TAboutBox");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(TextOf(about), L"バージョン情報");

  std::vector<std::wstring> labels;
  HWND aboutPanel = FindWindowExW(about, nullptr, ui::kPanelClass, nullptr);
  for (HWND label = FindWindowExW(aboutPanel, nullptr, ui::kLabelClass, nullptr); label;
       label = FindWindowExW(aboutPanel, label, ui::kLabelClass, nullptr)) {
    labels.push_back(TextOf(label));
  }
  EXPECT_EQ(labels, (std::vector<std::wstring>{L"Quorvane", L"Version " QVN_VERSION_WIDE}));

  RECT mainRect, aboutRect;
  GetWindowRect(main, &mainRect);
  GetWindowRect(about, &aboutRect);
  EXPECT_EQ(aboutRect.left, mainRect.right);
  EXPECT_EQ(aboutRect.top, mainRect.top);

  HWND ok = FindWindowExW(about, nullptr, L"Button", nullptr);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(TextOf(ok), L"OK");
  SendBounded(ok, BM_CLICK);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }, 5000));
  EXPECT_TRUE(IsWindowVisible(main));
}

TEST_F(RunningLauncher, TheTitleBarKeepsTheSystemMenu) {
  RECT frame;
  GetWindowRect(main, &frame);
  RightClickAt({(frame.left + frame.right) / 2, frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) +
                                                    GetSystemMetrics(SM_CYCAPTION) / 2});
  // 閉じる(&C) is in the system menu only; the launcher's menu has no C.
  ASSERT_TRUE(PressInMenu(launcher.processId(), {'C'})) << "no menu";
  EXPECT_EQ(launcher.WaitForExit(), 0) << "not the system menu";
}

TEST_F(RunningLauncher, ClosingTheWindowEndsTheProgram) {
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(launcher.WaitForExit(), 0);
}

TEST_F(RunningLauncher, ASecondCopyBringsTheFirstForwardAndTouchesNoFile) {
  TestWindow inFront(L"QvnTestFront", L"in front", {400, 300});
  SetForegroundWindow(inFront.hwnd());
  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != FALSE; }, 5000));

  TempFolder secondFolder;
  Launcher second(secondFolder.path());
  const auto before = folder.Files();
  ASSERT_TRUE(second.Start());
  EXPECT_EQ(second.WaitForExit(), 0);

  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(main) && GetForegroundWindow() == main; }, 5000))
      << "the first copy did not come forward";
  EXPECT_EQ(secondFolder.Files(), std::vector<std::wstring>{L"Quorvane.exe"});
  EXPECT_EQ(folder.Files(), before);

  // From the task tray it comes back as its menu would bring it.
  ASSERT_TRUE(ChooseFromMenu(launcher.processId(), main, {'T'}));  // タスクトレイに格納(&T)
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }, 5000));
  SetForegroundWindow(inFront.hwnd());
  const auto disk = [&] {
    return ReadFileBytes(folder.File(L"Config.qvc")) + ReadFileBytes(folder.File(L"Start.qvl"));
  };
  const std::string bytes = disk();
  Launcher third(secondFolder.path(), /*copyBuiltProgram=*/false);
  ASSERT_TRUE(third.Start());
  EXPECT_EQ(third.WaitForExit(), 0);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) && GetForegroundWindow() == main; }))
      << "the first copy did not come back from the tray";
  EXPECT_FALSE(TrayIconShown(main));
  EXPECT_EQ(disk(), bytes);
  EXPECT_EQ(secondFolder.Files(), std::vector<std::wstring>{L"Quorvane.exe"});
}

TEST(SingleCopy, AnotherWindowTitledQuorvaneDoesNotStopAStart) {
  TestWindow decoy(L"QvnDecoy", L"Quorvane", {400, 300});
  TempFolder folder;
  Launcher launcher(folder.path());
  ASSERT_TRUE(launcher.Start());
  EXPECT_NE(launcher.WaitForMainWindow(), nullptr);
}

TEST(SingleCopy, OfTwoCopiesStartedAtOnceExactlyOneRuns) {
  TempFolder first, second;
  Launcher a(first.path()), b(second.path());
  ASSERT_TRUE(a.Start());
  ASSERT_TRUE(b.Start());
  // One of them ends by itself; the other shows its window.
  ASSERT_TRUE(WaitUntil([&] { return a.WaitForExit(0) != -1 || b.WaitForExit(0) != -1; }, 15000));
  Launcher& survivor = a.WaitForExit(0) == -1 ? a : b;
  EXPECT_NE(survivor.WaitForMainWindow(), nullptr);
  EXPECT_EQ(survivor.WaitForExit(0), -1) << "both copies ended";
}

}  // namespace
}  // namespace qvntest
