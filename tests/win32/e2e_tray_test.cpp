// The real Quorvane.exe in the task tray and with its Startup shortcut.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "app/tray_icon.h"
#include "tests/win32/test_support.h"

namespace qvntest {
namespace {

class LauncherInTray : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(launcher.Start());
    main = launcher.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
  }

  // Opens the pop-up menu on the window, or from the tray icon (as Shift+F10
  // there asks for it, at the icon's point), and presses a key in it.
  void ChooseFromMenu(bool fromTray, std::initializer_list<WORD> keys) {
    if (fromTray) {
      const POINT icon{150, 120};
      ParkPointer();  // away from the menu, which would highlight the item under it
      PostTrayEvent(main, WM_CONTEXTMENU, icon);
      HWND menu = WaitForMenu(launcher.processId());
      ASSERT_NE(menu, nullptr) << "no menu";
      RECT rect;
      GetWindowRect(menu, &rect);
      EXPECT_EQ(rect.left, icon.x);
      EXPECT_EQ(rect.top, icon.y);
      for (WORD key : keys) PressKey(key);
    } else {
      ASSERT_TRUE(qvntest::ChooseFromMenu(launcher.processId(), main, keys)) << "no menu";
    }
  }

  bool MainHidden() {
    return WaitUntil([&] { return !IsWindowVisible(main); }, 5000);
  }
  bool MainShownAtTopLeft() {
    return WaitUntil(
        [&] {
          RECT rect;
          GetWindowRect(main, &rect);
          return IsWindowVisible(main) && rect.left == GetSystemMetrics(SM_XVIRTUALSCREEN) &&
                 rect.top == GetSystemMetrics(SM_YVIRTUALSCREEN);
        },
        5000);
  }

  TempFolder folder;
  Launcher launcher{folder.path()};
  HWND main = nullptr;
};

TEST_F(LauncherInTray, GoesIntoTheTrayAndComesBackOnALeftClickOrItsKey) {
  ChooseFromMenu(false, {'T'});  // タスクトレイに格納(&T)
  ASSERT_TRUE(MainHidden());
  EXPECT_TRUE(TrayIconShown(main));

  // The window is moved away first, to see that it comes back to the corner.
  SetWindowPos(main, nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A click in version 4 of the tray: the press, which does nothing, and the
  // report of the click on its release.
  PostTrayEvent(main, WM_LBUTTONDOWN);
  PostTrayEvent(main, NIN_SELECT);
  EXPECT_TRUE(MainShownAtTopLeft());
  EXPECT_FALSE(TrayIconShown(main));

  // Enter or Space on the icon chosen with the keyboard (Win+B, arrows).
  ChooseFromMenu(false, {'T'});
  ASSERT_TRUE(MainHidden());
  PostTrayEvent(main, NIN_KEYSELECT);
  EXPECT_TRUE(MainShownAtTopLeft());
  EXPECT_FALSE(TrayIconShown(main));
}

TEST_F(LauncherInTray, TwoMovesAddOneIconWhichTheEndRemoves) {
  ChooseFromMenu(false, {'T'});
  ASSERT_TRUE(MainHidden());
  // A dialog opened from the tray has a taskbar button while it shows.
  ChooseFromMenu(true, {'S'});  // ユーザー設定(&S)...
  HWND settings = WaitForVisibleWindow(launcher.processId(), L"TSetupForm");
  ASSERT_NE(settings, nullptr);
  EXPECT_NE(GetWindowLongW(settings, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(settings); }, 5000));
  // From the tray the menu offers the main window instead of the tray.
  ChooseFromMenu(true, {'M'});  // メインウィンドウを表示(&M)
  ASSERT_TRUE(MainShownAtTopLeft());
  EXPECT_FALSE(TrayIconShown(main));

  ChooseFromMenu(false, {'T'});
  ASSERT_TRUE(MainHidden());
  EXPECT_TRUE(TrayIconShown(main));

  ChooseFromMenu(true, {'X'});  // 終了(&X)
  EXPECT_EQ(launcher.WaitForExit(), 0);
  EXPECT_FALSE(TrayIconShown(main));
}

// The shortcut in the Startup folder, read back through the shell link interface.
class StartupShortcut : public LauncherInTray {
 protected:
  void SetUp() override {
    link = StartupLinkFile();
    DeleteFileW(link.c_str());
    LauncherInTray::SetUp();
  }
  void TearDown() override { DeleteFileW(link.c_str()); }

  // Waits for the launcher's message box, checks its place and text, and closes it.
  void ExpectMessageAt347x33(const std::wstring& text) {
    HWND box = WaitForVisibleWindow(launcher.processId(), L"#32770");
    ASSERT_NE(box, nullptr) << "no message box";
    RECT rect;
    GetWindowRect(box, &rect);
    EXPECT_EQ(rect.left, 347);
    EXPECT_EQ(rect.top, 33);
    EXPECT_EQ(TextOf(box), L"Quorvane");
    EXPECT_EQ(MessageOf(box), text);
    PressFirstButton(box);
  }

  ui::ComApartment com;
  std::wstring link;
};

TEST_F(StartupShortcut, IsCreatedPointingAtTheLauncherAndRemovedAgain) {
  ChooseFromMenu(false, {'O', 'I'});  // オプション(&O) > スタートアップに登録(&I)
  ExpectMessageAt347x33(L"Quorvane をスタートアップに登録しました.");
  ASSERT_EQ(GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES, true) << "no shortcut";

  ui::ComPtr<IShellLinkW> shellLink;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkW, shellLink.ReceiveVoid())));
  ui::ComPtr<IPersistFile> file;
  ASSERT_TRUE(SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, file.ReceiveVoid())));
  ASSERT_TRUE(SUCCEEDED(file->Load(link.c_str(), STGM_READ)));
  wchar_t target[MAX_PATH] = {}, workingFolder[MAX_PATH] = {};
  shellLink->GetPath(target, MAX_PATH, nullptr, 0);
  shellLink->GetWorkingDirectory(workingFolder, MAX_PATH);
  EXPECT_EQ(lstrcmpiW(target, folder.File(L"Quorvane.exe").c_str()), 0) << target;
  EXPECT_EQ(lstrcmpiW(workingFolder, folder.path().c_str()), 0) << workingFolder;
  // The show command as the file stores it (the header's ShowCommand field at
  // offset 60): the shell link reads any value but 1, 3 and 7 back as 1.
  const std::string bytes = ReadFileBytes(link);
  ASSERT_GE(bytes.size(), 64u);
  std::uint32_t showCommand = 0;
  std::memcpy(&showCommand, bytes.data() + 60, sizeof showCommand);  // little-endian, as stored
  EXPECT_EQ(showCommand, std::uint32_t{SW_SHOWNORMAL});

  // Removed behind the launcher's back, the shortcut is registered again by
  // the same keys: the menu reads the state when it opens.
  ASSERT_TRUE(DeleteFileW(link.c_str()));
  ChooseFromMenu(false, {'O', 'I'});
  ExpectMessageAt347x33(L"Quorvane をスタートアップに登録しました.");

  // The caption now offers the removal: the same keys remove the shortcut.
  ChooseFromMenu(false, {'O', 'I'});  // オプション(&O) > スタートアップから削除(&I)
  ExpectMessageAt347x33(L"Quorvane をスタートアップから削除しました.");
  EXPECT_EQ(GetFileAttributesW(link.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace qvntest
