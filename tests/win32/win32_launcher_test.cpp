// The start step run for real inside the test program: copies of
// start_recorder.exe are started and their records read back. Also the
// input-method pass over this program's own windows, the return to the
// foreground and the launch messages as the user sees them.
#include "launch/win32_launcher.h"

#include <windows.h>
#include <imm.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/ansi_text.h"
#include "launch/launch_messages.h"
#include "tests/win32/start_recorder.h"
#include "tests/win32/test_support.h"

namespace qvn {
namespace {

using qvntest::kRecorderClass;

std::string Ansi(const std::wstring& text) {
  return ToAnsi(text).value();
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

using Record = qvntest::RecorderRecord;
using qvntest::ReadRecorderRecord;

// Ends a started copy when the test is done with it: its window is closed as
// a user would, and the record goes with it.
class StartedProgram {
 public:
  StartedProgram(std::wstring program, DWORD processId)
      : program_(std::move(program)), processId_(processId) {}
  ~StartedProgram() {
    qvntest::EndRecorder(processId_);
    DeleteFileW((program_ + L".txt").c_str());
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  // The program's visible window, waited for; nullptr on time-out.
  HWND Window() const { return qvntest::WaitForVisibleWindow(processId_, kRecorderClass); }
  DWORD processId() const { return processId_; }

 private:
  std::wstring program_;
  DWORD processId_;
};

// A temporary folder laid out as a trap for unquoted paths:
//   My.exe                 a copy that must never start
//   My Apps\app.exe        the program of the slot
//   Upper Case\App.EXE     the same, with an upper-case name
class StartProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring recorder = qvntest::TestProgramFolder() + L"start_recorder.exe";
    ASSERT_TRUE(Exists(recorder));
    for (const wchar_t* sub : {L"My Apps\\", L"Upper Case\\"}) {
      ASSERT_TRUE(CreateDirectoryW((folder.path() + sub).c_str(), nullptr));
    }
    ASSERT_TRUE(CopyFileW(recorder.c_str(), decoy.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(recorder.c_str(), app.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(recorder.c_str(), upperApp.c_str(), FALSE));
  }

  void TearDown() override {
    // A decoy that did start is ended, so that its folder can go.
    if (Exists(decoy + L".txt")) {
      const StartedProgram started(
          decoy, static_cast<DWORD>(ReadRecorderRecord(decoy).Number("processId")));
    }
    for (const std::wstring& file : {app, upperApp}) {
      DeleteFileW((file + L".txt").c_str());
      DeleteFileW(file.c_str());
    }
    for (const wchar_t* sub : {L"My Apps", L"Upper Case"}) {
      RemoveDirectoryW((folder.path() + sub).c_str());
    }
  }

  // Starts `program` in the window of the size code `sizeCode`; the started
  // copy, or nullptr when nothing was started.
  std::unique_ptr<StartedProgram> StartSlot(const std::wstring& program, std::int32_t sizeCode) {
    const StartResult result =
        StartProgram({0, Ansi(program), ShowWindowForSizeCode(sizeCode), ""});
    if (result.error != 0 || !result.processId) return nullptr;
    EXPECT_EQ(ReadRecorderRecord(program).Number("processId"), *result.processId);
    return std::make_unique<StartedProgram>(program, *result.processId);
  }

  qvntest::TempFolder folder;
  const std::wstring decoy = folder.File(L"My.exe");
  const std::wstring app = folder.File(L"My Apps\\app.exe");
  const std::wstring upperApp = folder.File(L"Upper Case\\App.EXE");
};

// --- What the started program receives -----------------------------------------

TEST_F(StartProgramTest, TheSlotsWindowSizeReachesTheProgram) {
  const struct {
    std::int32_t sizeCode;
    unsigned long showWindow;
    bool zoomed;
    bool iconic;
  } cases[] = {
      {0, 1, false, false}, {1, 3, true, false}, {2, 6, false, true}, {7, 1, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE("size code " + std::to_string(c.sizeCode));
    const auto started = StartSlot(app, c.sizeCode);
    ASSERT_TRUE(started);
    const Record record = ReadRecorderRecord(app);
    EXPECT_EQ(record.Number("showWindow"), c.showWindow);
    EXPECT_EQ(record.Number("flags"), unsigned{STARTF_USESHOWWINDOW});  // nothing of our own
    EXPECT_EQ(record.Text("zoomed"), c.zoomed ? "1" : "0");
    EXPECT_EQ(record.Text("iconic"), c.iconic ? "1" : "0");
  }
}

TEST_F(StartProgramTest, ThePathIsTheWholeCommandLineInQuotesSoNoBlankEndsIt) {
  for (const std::wstring& program : {app, upperApp}) {
    const auto started = StartSlot(program, kSizeNormal);
    ASSERT_TRUE(started);
    EXPECT_EQ(ReadRecorderRecord(program).Text("commandLine"),
              "\"" + qvntest::RecordText(program) + "\"");
  }
  EXPECT_FALSE(Exists(decoy + L".txt")) << "My.exe was started";
}

TEST_F(StartProgramTest, WithoutAFolderTheProgramStartsInTheLaunchersCurrentDirectory) {
  wchar_t before[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, before);
  // The temporary folder, not the program's own folder "My Apps".
  ASSERT_TRUE(SetCurrentDirectoryW(folder.path().c_str()));
  const auto started = StartSlot(app, kSizeNormal);
  SetCurrentDirectoryW(before);
  ASSERT_TRUE(started);
  std::wstring expected = folder.path();
  expected.pop_back();  // the current directory has no trailing backslash
  EXPECT_EQ(ReadRecorderRecord(app).Text("currentDirectory"), qvntest::RecordText(expected));
}

// --- How long the start step takes --------------------------------------------

TEST_F(StartProgramTest, ReturnsOnlyOnceTheProgramIsReadyForInput) {
  // The copy is busy for a while before its first wait for input; its record
  // appears just before that wait.
  SetEnvironmentVariableW(L"QVN_RECORDER_BUSY_MS", L"1500");
  const auto started = StartSlot(app, kSizeNormal);
  const DWORD returned = GetTickCount();
  SetEnvironmentVariableW(L"QVN_RECORDER_BUSY_MS", nullptr);
  ASSERT_TRUE(started);
  const Record record = ReadRecorderRecord(app);
  ASSERT_EQ(record.Text("readyTick") == "(none)", false) << "no record when the start returned";
  EXPECT_GE(record.Number("readyTick") - record.Number("startTick"), 1500u);
  EXPECT_LE(static_cast<LONG>(record.Number("readyTick") - returned), 0);
}

TEST_F(StartProgramTest, AProgramOrFolderThatIsNotThereFailsWithoutWaiting) {
  const DWORD start = GetTickCount();
  EXPECT_TRUE(IsMissingPathError(
      StartProgram({0, Ansi(folder.File(L"My Apps\\missing.exe")), 1, ""}).error));
  EXPECT_TRUE(
      IsMissingPathError(StartProgram({0, Ansi(app), 1, Ansi(folder.File(L"gone"))}).error));
  EXPECT_NE(StartProgram({0, "", 1, ""}).error, 0u);
  EXPECT_LT(GetTickCount() - start, 5000u);  // far below the wait for input readiness
  EXPECT_FALSE(Exists(decoy + L".txt"));
}

// --- The input-method pass over this program's own windows ----------------------

// A visible, unowned top-level window of this thread with its input method
// closed.
class OwnWindow {
 public:
  explicit OwnWindow(HWND owner = nullptr)
      : hwnd_(CreateWindowExW(0, L"STATIC", L"own", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200,
                              100, owner, nullptr, nullptr, nullptr)) {}
  ~OwnWindow() { DestroyWindow(hwnd_); }
  OwnWindow(const OwnWindow&) = delete;
  OwnWindow& operator=(const OwnWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

  // Nothing when the window has no input context.
  std::optional<bool> ImeOpen() const {
    HIMC context = ImmGetContext(hwnd_);
    if (context == nullptr) return std::nullopt;
    const bool open = ImmGetOpenStatus(context) != FALSE;
    ImmReleaseContext(hwnd_, context);
    return open;
  }
  void CloseIme() const {
    HIMC context = ImmGetContext(hwnd_);
    if (context == nullptr) return;
    ImmSetOpenStatus(context, FALSE);
    ImmReleaseContext(hwnd_, context);
  }

 private:
  HWND hwnd_;
};

TEST(ImeActivationPassTest, LeavesTheWindowsOfOtherProcessesAlone) {
  OwnWindow window;
  window.CloseIme();
  if (!window.ImeOpen().has_value()) GTEST_SKIP() << "no input context on this system";
  RunImeActivationPass(GetCurrentProcessId() + 4);
  EXPECT_EQ(window.ImeOpen(), false);
}

TEST(ImeActivationPassTest, OpensAVisibleUnownedWindowOfTheGivenProcess) {
  OwnWindow window;
  window.CloseIme();
  if (!window.ImeOpen().has_value()) GTEST_SKIP() << "no input context on this system";
  RunImeActivationPass(GetCurrentProcessId());
  EXPECT_EQ(window.ImeOpen(), true);
}

TEST(ImeActivationPassTest, LeavesOwnedAndHiddenWindowsAlone) {
  // The windows of one thread share its input context, so none of them may be
  // a visible, unowned window: opening that one would open them all.
  OwnWindow owner;
  ShowWindow(owner.hwnd(), SW_HIDE);
  OwnWindow owned(owner.hwnd());
  OwnWindow hidden;
  ShowWindow(hidden.hwnd(), SW_HIDE);
  owned.CloseIme();
  hidden.CloseIme();
  if (!owned.ImeOpen().has_value()) GTEST_SKIP() << "no input context on this system";
  RunImeActivationPass(GetCurrentProcessId());
  EXPECT_EQ(owned.ImeOpen(), false);
  EXPECT_EQ(hidden.ImeOpen(), false);
}

// --- The launcher back in front ----------------------------------------------------

TEST_F(StartProgramTest, BringLauncherToFrontTakesTheForegroundBackFromTheStartedProgram) {
  OwnWindow launcher;
  SetForegroundWindow(launcher.hwnd());
  const auto started = StartSlot(app, kSizeNormal);
  ASSERT_TRUE(started);
  ASSERT_NE(started->Window(), nullptr);
  BringLauncherToFront(launcher.hwnd());
  EXPECT_TRUE(qvntest::WaitUntil([&] { return GetForegroundWindow() == launcher.hwnd(); }, 5000));
}

TEST(BringLauncherToFrontTest, AnOwnedLauncherWindowBringsItsOwner) {
  OwnWindow owner;
  OwnWindow other;
  OwnWindow launcher(owner.hwnd());
  SetForegroundWindow(other.hwnd());
  BringLauncherToFront(launcher.hwnd());
  EXPECT_TRUE(qvntest::WaitUntil([&] { return GetForegroundWindow() == owner.hwnd(); }, 5000));
}

// --- The launch messages as the user sees them -----------------------------------

TEST(LaunchMessagesTest, TheTwoMessagesShowTheirLinesInThePlainBox) {
  const std::pair<LaunchMessage, std::wstring> messages[] = {
      {LaunchMessage::kNoEntries,
       L"ソフトウェアが登録されていません.\r\n"
       L"・ポップアップメニューから 設定(A) を選択し,\r\n"
       L"  起動したいソフトウェアを登録してください."},
      {LaunchMessage::kResourceStop,
       L"リソース残量が設定値より少なくなりました.\r\n"
       L"連続起動を途中で中止しました.\r\n"
       L"[対策1] * 常駐ソフトの数を少なくする\r\n"
       L"[対策2] * 連続起動制限の設定を見直す,など\r\n"
       L"\r\n"
       L"なお,ソフトウェアの個別起動は可能です."},
  };
  for (const auto& [message, text] : messages) {
    const qvntest::SeenBox seen =
        qvntest::WatchBox([&] { ShowLaunchMessage(nullptr, message); }, qvntest::KeyIn(VK_RETURN));
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, L"Quorvane");
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.icon, nullptr);
  }
}

TEST(LaunchMessagesTest, TheRunAgainQuestionIsAskedInTheConfirmationBox) {
  LaunchAnswer answer = LaunchAnswer::kCancel;
  const qvntest::SeenBox seen =
      qvntest::WatchBox([&] { answer = ConfirmLaunch(nullptr, LaunchMessage::kRunAgain); },
                        qvntest::KeyIn(VK_RETURN));
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, L"確認");
  EXPECT_EQ(seen.text,
            L"連続起動を既に1回以上実行しました.\r\n"
            L"ソフトウェアの二重起動にご注意ください！\r\n"
            L"実行しますか?");
  EXPECT_NE(seen.icon, nullptr);
  EXPECT_EQ(answer, LaunchAnswer::kYes);
}

TEST(LaunchMessagesTest, EscapeAnswersNoAndTheCloseBoxCancels) {
  LaunchAnswer answer = LaunchAnswer::kYes;
  qvntest::WatchBox([&] { answer = ConfirmLaunch(nullptr, LaunchMessage::kRunAgain); },
                    qvntest::KeyIn(VK_ESCAPE));
  EXPECT_EQ(answer, LaunchAnswer::kNo);
  qvntest::WatchBox([&] { answer = ConfirmLaunch(nullptr, LaunchMessage::kRunAgain); },
                    qvntest::CloseBox);
  EXPECT_EQ(answer, LaunchAnswer::kCancel);
}

}  // namespace
}  // namespace qvn
