// The real Quorvane.exe with its files: what a first start writes, how the
// configuration and the default list are read, and how a failed write is
// reported without harm to the file.
#include <gtest/gtest.h>

#include "tests/text_lines.h"
#include "tests/win32/test_support.h"

namespace qvntest {
namespace {

std::string DataFile(const std::string& slot1, const std::string& slot3) {
  return JoinLines({slot1, "NULL", slot3, "NULL", "NULL", "NULL", "NULL", "NULL",  //
                    "0", "0", "0", "0", "0", "0", "0", "0"});
}

// The error box the launcher shows, and its message.
struct ErrorBox {
  HWND hwnd = nullptr;
  std::wstring text;
};

ErrorBox WaitForErrorBox(DWORD processId) {
  ErrorBox box;
  box.hwnd = WaitForVisibleWindow(processId, L"#32770");
  box.text = MessageOf(box.hwnd);
  return box;
}

// Chooses オプション(&O) > デフォルトファイルに設定(&D) from the pop-up menu.
void ChooseSetToDefault(DWORD processId, HWND main) {
  ASSERT_TRUE(ChooseFromMenu(processId, main, {'O', 'D'})) << "no menu";
}

TEST(LauncherFiles, AFirstStartWritesBothFilesByteForByte) {
  TempFolder folder;
  Launcher launcher(folder.path());
  ASSERT_TRUE(launcher.Start());
  HWND main = launcher.WaitForMainWindow();
  ASSERT_NE(main, nullptr);

  EXPECT_EQ(
      ReadFileBytes(folder.File(L"Config.qvc")),
      JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", Ansi(folder.File(L"Start.qvl")), "5000", "35"}));
  EXPECT_EQ(ReadFileBytes(folder.File(L"Start.qvl")),
            JoinLines({"NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL",  //
                       "0", "0", "0", "0", "0", "0", "0", "0"}));
  for (HWND image : SlotImagesOf(main)) EXPECT_FALSE(ShowsIcon(image));
}

TEST(LauncherFiles, TheDefaultListIsLoadedWithTheIconsOfItsPrograms) {
  TempFolder folder;
  Launcher launcher(folder.path());  // copies Quorvane.exe into the folder
  // Slot No.1: the launcher itself; slot No.3: a program that is not there.
  WriteFileBytes(folder.File(L"Start.qvl"),
                 DataFile(Ansi(folder.File(L"Quorvane.exe")), Ansi(folder.File(L"missing.exe"))));
  ASSERT_TRUE(launcher.Start());
  HWND main = launcher.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  const auto images = SlotImagesOf(main);
  ASSERT_EQ(images.size(), 8u);
  EXPECT_TRUE(ShowsIcon(images[0]));
  EXPECT_FALSE(ShowsIcon(images[1]));
  EXPECT_FALSE(ShowsIcon(images[2])) << "a program the shell cannot find shows no icon";

  MovePointerTo(CentreOf(images[0]));
  EXPECT_TRUE(WaitUntil([&] { return TextOf(HintLineOf(main)) == kSetSlotHint; }));
}

TEST(LauncherFiles, OfAFourteenLineConfigurationTheSecondGroupDecides) {
  TempFolder folder;
  Launcher launcher(folder.path());
  const std::string other = Ansi(folder.File(L"other.qvl"));
  WriteFileBytes(folder.File(L"other.qvl"), DataFile(Ansi(folder.File(L"Quorvane.exe")), "NULL"));
  WriteFileBytes(folder.File(L"Config.qvc"),
                 JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", "NULL", "5000", "35",  //
                            "FALSE", "FALSE", "TRUE", "TRUE", other, "100", "30"}));
  ASSERT_TRUE(launcher.Start());
  HWND main = launcher.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(ShowsIcon(SlotImagesOf(main)[0])) << "the list of the second group was not loaded";
}

TEST(LauncherFiles, LettersForTheIntervalAreReportedThenTheWindowWorks) {
  TempFolder folder;
  Launcher launcher(folder.path());
  const std::string config = JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", "NULL", "abc", "35"});
  WriteFileBytes(folder.File(L"Config.qvc"), config);
  ASSERT_TRUE(launcher.Start());

  const ErrorBox box = WaitForErrorBox(launcher.processId());
  ASSERT_NE(box.hwnd, nullptr) << "no error box";
  EXPECT_EQ(TextOf(box.hwnd), L"Quorvane");
  EXPECT_EQ(box.text, L"'abc' は整数ではありません.");
  PressFirstButton(box.hwnd);

  HWND main = launcher.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(TextOf(HintLineOf(main)), kDefaultHint);
  EXPECT_EQ(ReadFileBytes(folder.File(L"Config.qvc")), config);
  // The rest of the start went on: the default list is there, unset.
  EXPECT_EQ(SlotImagesOf(main).size(), 8u);
}

// Unpacked where it may not write (Program Files for a standard user, a
// read-only share): tests/win32/readonly_folder.sh mounts such a folder.
TEST(LauncherFiles, InAFolderThatTakesNoWritesSaysSoOnceAndASaveSaysWhatFailed) {
  wchar_t folder[MAX_PATH];
  if (GetEnvironmentVariableW(L"QVN_READONLY_FOLDER", folder, MAX_PATH) == 0) {
    GTEST_SKIP() << "run by tests/win32/readonly_folder.sh in a read-only folder";
  }
  const std::wstring dir = folder;
  Launcher launcher(dir + L"\\", /*copyBuiltProgram=*/false);
  ASSERT_TRUE(launcher.Start());
  ErrorBox box = WaitForErrorBox(launcher.processId());
  ASSERT_NE(box.hwnd, nullptr) << "no message";
  EXPECT_EQ(box.text.rfind(L"Quorvane のフォルダー " + dir + L" に", 0), 0u) << Utf8(box.text);
  PressFirstButton(box.hwnd);
  HWND main = launcher.WaitForMainWindow();
  ASSERT_NE(main, nullptr) << "a second box: " << BoxShownBy(launcher.processId());
  ASSERT_TRUE(ChooseFromMenu(launcher.processId(), main, {'S'}));  // ユーザー設定(&S)...
  HWND dialog = WaitForVisibleWindow(launcher.processId(), L"TSetupForm");
  ASSERT_NE(dialog, nullptr);
  ShowNextPage(dialog);
  ASSERT_TRUE(WaitUntil([&] { return VisibleButtonIn(dialog, L"設定保存(&S)") != nullptr; }));
  PostMessageW(VisibleButtonIn(dialog, L"設定保存(&S)"), BM_CLICK, 0, 0);
  box = WaitForErrorBox(launcher.processId());
  EXPECT_EQ(box.text.rfind(dir + L"\\Config.qvc に保存できませんでした.\r\n", 0), 0u)
      << Utf8(box.text);
}

// A configuration file that cannot be written: the command reports it and the
// file keeps every byte.
class UnwritableConfiguration : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(launcher.Start());
    main = launcher.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    before = ReadFileBytes(config);
    ASSERT_FALSE(before.empty());
  }

  void ExpectAccessDeniedAndUntouched() {
    ChooseSetToDefault(launcher.processId(), main);
    const ErrorBox box = WaitForErrorBox(launcher.processId());
    ASSERT_NE(box.hwnd, nullptr) << "no error box";
    EXPECT_EQ(box.text,
              config + L" に保存できませんでした.\r\nファイルへのアクセスが拒否されました.");
    PressFirstButton(box.hwnd);
    EXPECT_EQ(ReadFileBytes(config), before);
    EXPECT_EQ(folder.Files(),
              (std::vector<std::wstring>{L"Config.qvc", L"Quorvane.exe", L"Start.qvl"}))
        << "a temporary file was left behind";
  }

  TempFolder folder;
  Launcher launcher{folder.path()};
  std::wstring config = folder.File(L"Config.qvc");
  HWND main = nullptr;
  std::string before;
};

TEST_F(UnwritableConfiguration, AReadOnlyFileIsLeftWhole) {
  SetFileAttributesW(config.c_str(), FILE_ATTRIBUTE_READONLY);
  ExpectAccessDeniedAndUntouched();
}

TEST_F(UnwritableConfiguration, AFileHeldByAnotherProgramIsLeftWhole) {
  // Others may read the file along, but not write it.
  HANDLE held = CreateFileW(config.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ExpectAccessDeniedAndUntouched();
  CloseHandle(held);
}

}  // namespace
}  // namespace qvntest
