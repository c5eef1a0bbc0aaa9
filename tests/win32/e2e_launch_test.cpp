// The real Quorvane.exe starting programs: copies of start_recorder under the
// names a user's programs might have, each writing down how it was started.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/tray_icon.h"
#include "tests/win32/start_recorder.h"
#include "tests/win32/test_support.h"

namespace qvntest {
namespace {

using qvn::kTrayCallbackMessage;

bool Started(const std::wstring& program) {
  // A record that reads whole, down to its last line: under load Wine has
  // been seen to give a reader nothing of a file just put in place.
  return ReadRecorderRecord(program).Text("iconic") != "(none)";
}

// How many copies of the recorder run under a file name ("app.exe"), by their
// windows.
int CopiesRunning(const std::wstring& fileName) {
  int copies = 0;
  for (HWND window = FindWindowExW(nullptr, nullptr, kRecorderClass, nullptr); window;
       window = FindWindowExW(nullptr, window, kRecorderClass, nullptr)) {
    copies += TextOf(window) == fileName ? 1 : 0;
  }
  return copies;
}

// A folder with a launcher and the programs of its list, each in a folder of
// its own (names differing only in case are one file to Windows):
//   No.1 upper\App.EXE (normal)   No.2 lower\app.exe (minimised)
//   No.3 mixed\App.Exe (code 7)   No.4 batch\run.bat
//   No.5 My Apps\app.exe (maximised), with My.exe beside "My Apps"
class LaunchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* name : kFolders) CreateDirectoryW(folder.File(name).c_str(), nullptr);
    for (const std::wstring& name : {kUpper, kLower, kMixed, kBatch, kSpaced, kDecoy}) {
      ASSERT_TRUE(CopyFileW(recorder.c_str(), name.c_str(), FALSE));
    }
    std::string list;
    for (const std::wstring& path : {kUpper, kLower, kMixed, kBatch, kSpaced}) {
      list += Ansi(path) + "\r\n";
    }
    list += "NULL\r\nNULL\r\nNULL\r\n0\r\n2\r\n7\r\n0\r\n1\r\n0\r\n0\r\n0\r\n";
    WriteFileBytes(folder.File(L"Start.qvl"), list);
  }

  void TearDown() override {
    // Close every program the launcher started, and end any that will not go.
    EndAllRecorders();
    for (const std::wstring& name : {kUpper, kLower, kMixed, kBatch, kSpaced, kDecoy}) {
      DeleteFileW((name + L".txt").c_str());
      DeleteFileW(name.c_str());
    }
    for (const wchar_t* name : kFolders) RemoveDirectoryW(folder.File(name).c_str());
  }

  void StartLauncher(bool trayAfterRun, int interval, const STARTUPINFOW* startup = nullptr) {
    WriteFileBytes(folder.File(L"Config.qvc"),
                   std::string(trayAfterRun ? "FALSE\r\nTRUE\r\n" : "FALSE\r\nFALSE\r\n") +
                       "TRUE\r\nTRUE\r\nNULL\r\n" + std::to_string(interval) + "\r\n35\r\n");
    ASSERT_TRUE(launcher.Start(startup));
    main = launcher.WaitForMainWindow(15000, /*visible=*/!trayAfterRun);
    ASSERT_NE(main, nullptr);
    // A launcher that starts in the tray is looked at while it may still be
    // making its controls.
    WaitUntil([&] {
      images = SlotImagesOf(main);
      return images.size() == 8u;
    });
    group = GroupOf(main);
    ASSERT_EQ(images.size(), 8u);
  }

  static void DoubleClick(HWND hwnd) { PostMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, 0); }

  TempFolder folder;
  Launcher launcher{folder.path()};
  std::wstring recorder = TestProgramFolder() + L"start_recorder.exe";
  static constexpr const wchar_t* kFolders[] = {L"upper", L"lower", L"mixed", L"batch", L"My Apps"};
  std::wstring kUpper = folder.File(L"upper\\App.EXE");
  std::wstring kLower = folder.File(L"lower\\app.exe");
  std::wstring kMixed = folder.File(L"mixed\\App.Exe");
  std::wstring kBatch = folder.File(L"batch\\run.bat");
  std::wstring kSpaced = folder.File(L"My Apps\\app.exe");
  std::wstring kDecoy = folder.File(L"My.exe");
  HWND main = nullptr, group = nullptr;
  std::vector<HWND> images;
};

TEST_F(LaunchFolder, ADoubleClickStartsOnlyProgramsEndingInExeInUpperOrLowerCase) {
  ASSERT_NO_FATAL_FAILURE(StartLauncher(/*trayAfterRun=*/false, 100));
  DoubleClick(images[2]);  // App.Exe: not started by a double click
  DoubleClick(images[3]);  // run.bat: neither
  DoubleClick(images[1]);  // app.exe
  ASSERT_TRUE(WaitUntil([&] { return Started(kLower); }, 20000));
  EXPECT_FALSE(Started(kMixed));
  EXPECT_FALSE(Started(kBatch));

  const RecorderRecord record = ReadRecorderRecord(kLower);
  EXPECT_EQ(record.Number("showWindow"), unsigned{SW_MINIMIZE});
  EXPECT_TRUE(record.Number("flags") & STARTF_USESHOWWINDOW);
  EXPECT_EQ(record.Text("commandLine"), "\"" + Ansi(kLower) + "\"");

  DoubleClick(images[4]);  // My Apps\app.exe, beside My.exe
  ASSERT_TRUE(WaitUntil([&] { return Started(kSpaced); }, 20000));
  EXPECT_FALSE(Started(kDecoy));
  EXPECT_EQ(ReadRecorderRecord(kSpaced).Number("showWindow"), unsigned{SW_SHOWMAXIMIZED});
  EXPECT_TRUE(IsWindow(main));  // a single launch leaves the launcher as it is
}

TEST_F(LaunchFolder, TheKeyboardAloneStartsASlotAndTurnsTheSettingsPages) {
  ASSERT_NO_FATAL_FAILURE(StartLauncher(/*trayAfterRun=*/false, 100));
  ParkPointer();  // the hint line is to follow the focus, not a pointer over the window
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }));
  for (WORD key : {VK_TAB, VK_HOME, VK_RIGHT}) PressKey(key);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(main) == images[1]; }));
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return Started(kLower); }, 20000));
  EXPECT_EQ(TextOf(HintLineOf(main)), kSetSlotHint);
  SetForegroundWindow(main);  // as Alt+Tab would, should the started program have it
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }));
  PressKey(VK_F10, VK_SHIFT);
  HWND menu = WaitForMenu(launcher.processId());
  ASSERT_NE(menu, nullptr);
  // At the focused slot, wherever the pointer is.
  RECT slot, shown;
  GetWindowRect(images[1], &slot), GetWindowRect(menu, &shown);
  EXPECT_LE(std::abs(shown.left - slot.left) + std::abs(shown.top - slot.bottom), 4);
  PressKey('S');
  HWND dialog = WaitForVisibleWindow(launcher.processId(), L"TSetupForm");
  ASSERT_NE(dialog, nullptr);
  PressKey(VK_TAB, VK_CONTROL);
  HWND first = DescendantOf(dialog, L"Button", L"アイコンクリック時,スクリーンセーバーを起動する");
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(first) && FocusOf(dialog) == first; }));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
}

TEST_F(LaunchFolder, ARunStartsEveryExeInOrderWithPausesAndThenCloses) {
  constexpr int kInterval = 700;
  ASSERT_NO_FATAL_FAILURE(StartLauncher(/*trayAfterRun=*/false, kInterval));
  DoubleClick(group);
  EXPECT_EQ(launcher.WaitForExit(60000), 0) << "the launcher did not close after the run";

  const std::wstring started[] = {kUpper, kLower, kMixed, kSpaced};
  const unsigned long showWindow[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWNORMAL, SW_SHOWMAXIMIZED};
  for (int i = 0; i < 4; ++i) {
    const RecorderRecord record = ReadRecorderRecord(started[i]);
    ASSERT_FALSE(record.empty()) << "not started: " << Ansi(started[i]);
    EXPECT_EQ(record.Number("showWindow"), showWindow[i]) << Ansi(started[i]);
    if (i > 0) {
      // Each start waits for the previous program to be ready, then the interval.
      const unsigned long previousReady = ReadRecorderRecord(started[i - 1]).Number("readyTick");
      EXPECT_GE(static_cast<long>(record.Number("startTick") - previousReady), kInterval - 20)
          << Ansi(started[i]);
    }
  }
  EXPECT_FALSE(Started(kBatch));
  EXPECT_FALSE(Started(kDecoy));
}

TEST_F(LaunchFolder, ARunCanEndInTheTrayAndASecondRunAsksFirst) {
  ASSERT_NO_FATAL_FAILURE(StartLauncher(/*trayAfterRun=*/true, 50));
  // With the tray setting the launcher starts in the tray: bring it back first.
  PostTrayEvent(main, qvn::kTraySelect);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));

  DoubleClick(group);
  ASSERT_TRUE(WaitUntil([&] { return Started(kSpaced); }, 30000));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }, 10000));
  // Closing would have removed the icon; the tray keeps it.
  EXPECT_TRUE(TrayIconShown(main)) << "the launcher closed instead of going into the tray";

  for (const std::wstring& name : {kUpper, kLower}) DeleteFileW((name + L".txt").c_str());
  DoubleClick(group);
  HWND box = WaitForVisibleWindow(launcher.processId(), L"#32770");
  ASSERT_NE(box, nullptr) << "no question before the second run";
  EXPECT_EQ(TextOf(box), L"確認");
  PostMessageW(box, WM_COMMAND, IDCANCEL, 0);  // Escape: いいえ
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  // No answers "no": nothing starts. The double click that follows proves the
  // launcher is idle again.
  DoubleClick(images[1]);
  ASSERT_TRUE(WaitUntil([&] { return Started(kLower); }, 20000));
  EXPECT_FALSE(Started(kUpper));
}

TEST_F(LaunchFolder,
       AMissingProgramIsReportedAndTheOthersStartInTheirOwnFoldersWithTheirOwnRecord) {
  const std::wstring missing = folder.File(L"gone\\missing.exe");
  std::string list = Ansi(kUpper) + "\r\n" + Ansi(missing) + "\r\n" + Ansi(kLower) + "\r\n";
  for (int i = 3; i < 16; ++i) list += i < 8 ? "NULL\r\n" : "0\r\n";
  WriteFileBytes(folder.File(L"Start.qvl"), list);
  // Started as its shortcut starts it: the link's name and hotkey are the launcher's alone.
  std::wstring link = folder.File(L"Quorvane.lnk");
  STARTUPINFOW shortcut{sizeof shortcut};
  shortcut.dwFlags = STARTF_TITLEISLINKNAME | STARTF_USEHOTKEY;
  shortcut.lpTitle = link.data();
  shortcut.hStdInput = reinterpret_cast<HANDLE>(MAKEWORD('Q', 0x06));  // Ctrl+Alt+Q
  ASSERT_NO_FATAL_FAILURE(StartLauncher(/*trayAfterRun=*/true, 50, &shortcut));
  PostTrayEvent(main, qvn::kTraySelect);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
  const auto report = [&] {
    HWND box = WaitForVisibleWindow(launcher.processId(), L"#32770", 30000);
    const std::wstring text = box != nullptr ? MessageOf(box) : L"(no box)";
    if (box != nullptr) PressFirstButton(box);
    return text;
  };

  DoubleClick(images[1]);
  const std::wstring single = report();
  EXPECT_EQ(single.rfind(L"No.2 のソフトウェアを起動できませんでした.\r\n" + missing + L"\r\n", 0),
            0u)
      << Utf8(single);
  DoubleClick(group);
  const std::wstring run = report();
  EXPECT_NE(run.find(L"No.2: " + missing), std::wstring::npos) << Utf8(run);
  EXPECT_EQ(run.find(L"No.1"), std::wstring::npos);
  EXPECT_EQ(run.find(L"No.3"), std::wstring::npos);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));  // then into the tray
  for (const auto& [program, own] : {std::pair{kUpper, L"upper"}, std::pair{kLower, L"lower"}}) {
    const RecorderRecord record = ReadRecorderRecord(program);
    EXPECT_EQ(record.Number("flags"), unsigned{STARTF_USESHOWWINDOW}) << Ansi(program);
    EXPECT_EQ(record.Text("currentDirectory"), Utf8(folder.File(own)));
    DeleteFileW((program + L".txt").c_str());
  }

  // The close box on the run-again question backs out, as いいえ does.
  DoubleClick(group);
  HWND question = WaitForVisibleWindow(launcher.processId(), L"#32770");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(TextOf(question), L"確認");
  CloseBox(question);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }));
  DoubleClick(images[2]);  // a run would have started No.1 before this
  ASSERT_TRUE(WaitUntil([&] { return Started(kLower); }, 20000));
  EXPECT_FALSE(Started(kUpper));
}

TEST_F(LaunchFolder, DuringAPauseTheLauncherStillAnswersTheSystem) {
  // A pause far longer than the test: it is still on when the question comes.
  ASSERT_NO_FATAL_FAILURE(StartLauncher(/*trayAfterRun=*/false, 120000));
  DoubleClick(group);
  ASSERT_TRUE(WaitUntil([&] { return Started(kUpper); }, 20000));
  // A window that does not answer would make this time out (and the system
  // would call the launcher hung).
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0);
  EXPECT_FALSE(Started(kLower)) << "the pause was not kept";
}

TEST_F(LaunchFolder, NothingFromTheTrayReentersOrCutsShortARun) {
  constexpr int kInterval = 4000;
  std::string list;
  for (const std::wstring& path : {kUpper, kLower, kMixed}) list += Ansi(path) + "\r\n";
  for (int i = 3; i < 8; ++i) list += "NULL\r\n";
  for (int i = 0; i < 8; ++i) list += "0\r\n";
  WriteFileBytes(folder.File(L"Start.qvl"), list);
  ASSERT_NO_FATAL_FAILURE(StartLauncher(/*trayAfterRun=*/true, kInterval));
  PostTrayEvent(main, WM_CONTEXTMENU);
  ASSERT_TRUE(PressInMenu(launcher.processId(), {'E'})) << "no menu";  // 連続起動(&E)
  ASSERT_TRUE(WaitUntil([&] { return Started(kUpper); }, 20000));

  // In the pause after the first program: the tray icon's right click as a
  // taskbar may deliver it, sent rather than posted. The pause answers sent
  // messages; a menu opened by this one would hold the answer back until the
  // menu closed. Then the program is told to close.
  DWORD_PTR answer = 0;
  ASSERT_NE(SendMessageTimeoutW(main, kTrayCallbackMessage, 0,
                                MAKELPARAM(WM_CONTEXTMENU, qvn::kTrayIconId), SMTO_NORMAL, 10000,
                                &answer),
            0)
      << "the right click was not answered at once: a menu opened in the middle of the run";
  SendNotifyMessageW(main, WM_CLOSE, 0, 0);

  EXPECT_EQ(launcher.WaitForExit(60000), 0) << "the launcher did not end";
  const DWORD ended = GetTickCount();
  for (const wchar_t* name : {L"App.EXE", L"app.exe", L"App.Exe"}) {
    EXPECT_EQ(CopiesRunning(name), 1) << Ansi(name);
  }
  const RecorderRecord first = ReadRecorderRecord(kUpper), second = ReadRecorderRecord(kLower),
                       third = ReadRecorderRecord(kMixed);
  EXPECT_LT(first.Number("startTick"), second.Number("startTick"));
  EXPECT_LT(second.Number("startTick"), third.Number("startTick"));
  EXPECT_GE(static_cast<long>(ended - third.Number("readyTick")), kInterval - 20)
      << "the launcher ended before the run";
  EXPECT_FALSE(TrayIconShown(main));
}

TEST(LaunchWithoutList, AnEmptyListIsReportedByARun) {
  TempFolder folder;
  Launcher launcher(folder.path());
  // The default list named by the configuration does not exist.
  WriteFileBytes(
      folder.File(L"Config.qvc"),
      "FALSE\r\nFALSE\r\nTRUE\r\nTRUE\r\n" + Ansi(folder.File(L"none.qvl")) + "\r\n5000\r\n35\r\n");
  ASSERT_TRUE(launcher.Start());
  HWND main = launcher.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  PostMessageW(GroupOf(main), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  HWND box = WaitForVisibleWindow(launcher.processId(), L"#32770");
  ASSERT_NE(box, nullptr);
  const std::wstring text = MessageOf(box);
  EXPECT_EQ(text.rfind(L"ソフトウェアが登録されていません.\r\n", 0), 0u)
      << "the message is not there";
  PressFirstButton(box);
}

}  // namespace
}  // namespace qvntest
