// The real Quorvane.exe's help command: the HTML help beside the program is
// handed to the shell, which opens it with the program registered for HTML
// files; without it the launcher names the missing file.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "tests/win32/test_support.h"

namespace qvntest {
namespace {

// On Windows the user's own association (under HKEY_CURRENT_USER) would do
// and touch less; Wine reads file associations from the machine's classes
// alone, so the test sets them there, in the test prefix, and puts them back.
constexpr wchar_t kHtmlKey[] = L"Software\\Classes\\.html";
constexpr wchar_t kStandInClass[] = L"QuorvaneTest.HtmlFile";
constexpr wchar_t kStandInCommandKey[] =
    L"Software\\Classes\\QuorvaneTest.HtmlFile\\shell\\open\\command";

std::optional<std::wstring> DefaultValue(const wchar_t* key) {
  wchar_t value[MAX_PATH] = {};
  LONG size = sizeof value;
  if (RegQueryValueW(HKEY_LOCAL_MACHINE, key, value, &size) != ERROR_SUCCESS) return std::nullopt;
  return value;
}

bool SetDefaultValue(const wchar_t* key, const std::wstring& value) {
  return RegSetValueW(HKEY_LOCAL_MACHINE, key, REG_SZ, value.c_str(),
                      static_cast<DWORD>(value.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// For the length of a test, HTML files open with a copy of the start recorder
// (browser.exe in the test's folder), which notes its command line in
// browser.exe.txt. What HTML files opened with before comes back afterwards.
class BrowserStandIn {
 public:
  explicit BrowserStandIn(const TempFolder& folder)
      : program_(folder.File(L"browser.exe")), previous_(DefaultValue(kHtmlKey)) {
    CopyFileW((TestProgramFolder() + L"start_recorder.exe").c_str(), program_.c_str(), FALSE);
    registered_ = SetDefaultValue(kStandInCommandKey, L"\"" + program_ + L"\" \"%1\"") &&
                  SetDefaultValue(kHtmlKey, kStandInClass);
  }
  ~BrowserStandIn() {
    if (previous_) {
      SetDefaultValue(kHtmlKey, *previous_);
    } else {
      RegDeleteKeyW(HKEY_LOCAL_MACHINE, kHtmlKey);
    }
    const std::wstring key = std::wstring(L"Software\\Classes\\") + kStandInClass;
    for (const wchar_t* sub : {L"\\shell\\open\\command", L"\\shell\\open", L"\\shell", L""}) {
      RegDeleteKeyW(HKEY_LOCAL_MACHINE, (key + sub).c_str());
    }
    if (HWND window = FindWindowW(L"QvnStartRecorder", L"browser.exe")) {
      PostMessageW(window, WM_CLOSE, 0, 0);
      WaitUntil([] { return FindWindowW(L"QvnStartRecorder", L"browser.exe") == nullptr; }, 5000);
    }
    DeleteFileW((program_ + L".txt").c_str());
  }
  bool registered() const { return registered_; }
  // The command line the stand-in was started with; empty until it has run.
  std::string CommandLine() const {
    const std::string record = ReadFileBytes(program_ + L".txt");
    const auto start = record.find("commandLine=");
    if (start == std::string::npos) return {};
    const auto value = start + sizeof "commandLine=" - 1;
    return record.substr(value, record.find("\r\n", value) - value);
  }

 private:
  std::wstring program_;
  std::optional<std::wstring> previous_;
  bool registered_ = false;
};

class HelpContents : public ::testing::Test {
 protected:
  // Starts the launcher and chooses ヘルプ(&H) > 目次(&C).
  void ChooseContents() {
    ASSERT_TRUE(launcher.Start());
    main = launcher.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ChooseFromMenu(launcher.processId(), main, {'H', 'C'})) << "no menu";
  }

  TempFolder folder;
  Launcher launcher{folder.path()};
  HWND main = nullptr;
};

TEST_F(HelpContents, OpensTheHtmlHelpBesideTheProgramWithTheProgramForHtmlFiles) {
  ASSERT_TRUE(CopyFileW(BuiltHelpPath().c_str(), folder.File(L"Quorvane.html").c_str(), FALSE));
  BrowserStandIn browser(folder);
  ASSERT_TRUE(browser.registered());
  ChooseContents();

  EXPECT_TRUE(WaitUntil([&] { return !browser.CommandLine().empty(); }, 15000))
      << "nothing was opened";
  EXPECT_EQ(browser.CommandLine(), Ansi(L"\"" + folder.File(L"browser.exe") + L"\" \"" +
                                        folder.File(L"Quorvane.html") + L"\""));
  for (HWND box : WindowsOf(launcher.processId(), L"#32770")) {
    ADD_FAILURE() << "a message box appeared: " << Ansi(MessageOf(box));
  }
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(launcher.WaitForExit(), 0);
}

TEST_F(HelpContents, WithoutAHelpFileNamesTheFileToCopy) {
  // With or without Windows Help on the system, the cure is the same.
  ChooseContents();
  HWND box = WaitForVisibleWindow(launcher.processId(), L"#32770");
  ASSERT_NE(box, nullptr) << "no message";
  EXPECT_EQ(MessageOf(box), L"ヘルプファイル (Quorvane.html) が見つかりません.\r\n"
                            L"Quorvane.exe と同じフォルダーに Quorvane.html をコピーしてください.");
  PressFirstButton(box);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
}

}  // namespace
}  // namespace qvntest
