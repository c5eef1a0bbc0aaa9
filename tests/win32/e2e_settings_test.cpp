// The real Quorvane.exe with its settings dialog "ユーザー設定", driven
// through its windows: the slot rows and the buttons of the launch-list page,
// the checks of the environment page, and the Startup shortcut.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/text_lines.h"
#include "tests/win32/test_support.h"

namespace qvntest {
namespace {

std::string ConfigText(const std::string& defaultFile, const std::string& interval = "5000",
                       const std::string& limit = "35") {
  return JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", defaultFile, interval, limit});
}

// Line `number` (from 1) of a text file.
std::string LineOf(const std::string& text, int number) {
  size_t start = 0;
  for (int i = 1; i < number && start != std::string::npos; ++i) {
    start = text.find("\r\n", start);
    if (start != std::string::npos) start += 2;
  }
  if (start == std::string::npos) return {};
  return text.substr(start, text.find("\r\n", start) - start);
}

// A click on a button whose handler opens a modal box: posted, so that the
// box does not hold this test up.
void Click(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
}

// A click on a button whose handler runs to its end by itself; true once it
// has. False when it is still busy after the bound, with a message box, say.
bool ClickAndWait(HWND button) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

// The same folder, written with or without its closing backslash.
bool SameFolder(std::wstring a, std::wstring b) {
  for (std::wstring* path : {&a, &b}) {
    if (!path->empty() && path->back() == L'\\') path->pop_back();
  }
  return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

std::wstring Utf16(const std::string& utf8) {
  std::wstring text(utf8.size(), L'\0');
  text.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                  text.data(), static_cast<int>(text.size())));
  return text;
}

bool IsChecked(HWND button) {
  return SendBounded(button, BM_GETCHECK) == BST_CHECKED;
}

// A launcher in a fresh folder with a list whose No.1 is a program of the
// folder (app.exe, a copy of start_recorder) in a maximised window.
class SettingsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFileW(recorder.c_str(), app.c_str(), FALSE));
    startList = JoinLines({Ansi(app), "NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL",  //
                           "1", "0", "0", "0", "0", "0", "0", "0"});
    WriteFileBytes(folder.File(L"Start.qvl"), startList);
    WriteFileBytes(folder.File(L"Config.qvc"), ConfigText(Ansi(folder.File(L"Start.qvl"))));
  }

  void TearDown() override {
    EndAllRecorders();
    // The temporary folder removes only its own files.
    for (const std::wstring& file : {tool + L".txt", tool, unnamable}) DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.File(L"tools").c_str());
  }

  void StartLauncher() {
    ASSERT_TRUE(launcher.Start());
    main = launcher.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
  }

  // Opens the pop-up menu on the main window and presses keys in it.
  void ChooseFromMenu(std::initializer_list<WORD> keys) {
    ASSERT_TRUE(qvntest::ChooseFromMenu(launcher.processId(), main, keys)) << "no menu";
  }

  void OpenSettings() {
    ASSERT_NO_FATAL_FAILURE(ChooseFromMenu({'S'}));  // ユーザー設定(&S)...
    dialog = WaitForVisibleWindow(launcher.processId(), L"TSetupForm");
    ASSERT_NE(dialog, nullptr) << "no settings dialog";
  }

  void CloseSettings() {
    ASSERT_TRUE(ClickAndWait(SettingsButton(L"閉じる(&C)")));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  }

  // The first visible button of the dialog with that caption.
  HWND SettingsButton(const std::wstring& caption) { return VisibleButtonIn(dialog, caption); }

  // The parts of slot row No.`slot` (1 to 8).
  HWND RowOf(int slot) {
    return DescendantOf(dialog, ui::kGroupBoxClass, L" No. " + std::to_wstring(slot) + L" ");
  }
  HWND PathOf(int slot) { return FindWindowExW(RowOf(slot), nullptr, L"Edit", nullptr); }
  HWND ClearOf(int slot) { return DescendantOf(RowOf(slot), L"Button", L"クリア"); }
  HWND BrowseOf(int slot) { return DescendantOf(RowOf(slot), L"Button", L"開 く ..."); }
  // The radio button "通常" (0), "最大" (1) or "最小" (2) of a row.
  HWND SizeOf(int slot, int item) {
    const wchar_t* items[] = {L"通常", L"最大", L"最小"};
    return DescendantOf(RowOf(slot), L"Button", items[item]);
  }
  // The swap button below row No.`slot`.
  HWND SwapBelow(int slot) {
    std::vector<HWND> swaps;
    for (HWND button : DescendantsOf(dialog, L"Button")) {
      if (GetWindowLongW(button, GWL_STYLE) & BS_ICON) swaps.push_back(button);
    }
    return swaps.size() == 7 ? swaps[slot - 1] : nullptr;
  }

  void ShowEnvironmentPage() {
    ShowNextPage(dialog);
    ASSERT_TRUE(WaitUntil([&] { return SettingsButton(L"設定保存(&S)") != nullptr; }))
        << "the environment page did not show";
  }
  // Chooses a file for row No.`slot` in the file dialog.
  void Browse(int slot, const std::wstring& file) {
    Click(BrowseOf(slot));
    HWND files = WaitForVisibleWindow(launcher.processId(), L"#32770");
    ASSERT_NE(files, nullptr) << "no file dialog";
    Type(DescendantsOf(files, L"Edit").front(), file);
    PostMessageW(files, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(files); }));
  }
  HWND ComboOf(int index) { return DescendantsOf(dialog, L"ComboBox")[index]; }
  void Type(HWND box, const std::wstring& text) {
    SendBounded(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  // Waits for a message box of the launcher, reads it and closes it.
  std::wstring AnswerMessageBox() {
    HWND box = WaitForVisibleWindow(launcher.processId(), L"#32770");
    if (box == nullptr) return L"(no message box)";
    const std::wstring message = MessageOf(box);
    PressFirstButton(box);
    WaitUntil([&] { return !IsWindow(box); });
    return message;
  }
  // Types the two numbers of the environment page and saves it, once with
  // no answer but the file, once with a message (which is read and closed).
  bool SaveNumbers(const std::wstring& interval, const std::wstring& limit) {
    Type(ComboOf(0), interval);
    Type(ComboOf(1), limit);
    return ClickAndWait(SettingsButton(L"設定保存(&S)")) &&
           WaitForVisibleWindow(launcher.processId(), L"#32770", 0) == nullptr;
  }
  std::wstring SaveNumbersToMessage(const std::wstring& interval, const std::wstring& limit) {
    Type(ComboOf(0), interval);
    Type(ComboOf(1), limit);
    Click(SettingsButton(L"設定保存(&S)"));
    return AnswerMessageBox();
  }

  TempFolder folder;
  Launcher launcher{folder.path()};
  std::wstring recorder = TestProgramFolder() + L"start_recorder.exe";
  std::wstring app = folder.File(L"app.exe");
  // Programs for a test that browses.
  std::wstring tool = folder.File(L"tools\\tool.exe");
  std::wstring unnamable = folder.File(L"tools\\caf\u00e9.exe");  // no é in Shift-JIS
  std::string startList;
  HWND main = nullptr, dialog = nullptr;
};

TEST_F(SettingsDialog, ApplyChangesTheMainWindowButNoFile) {
  CreateDirectoryW(folder.File(L"tools").c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(recorder.c_str(), tool.c_str(), FALSE));
  ASSERT_NO_FATAL_FAILURE(StartLauncher());
  const std::vector<HWND> images = SlotImagesOf(main);
  ASSERT_EQ(IconRow(images), L"X-------");
  const std::string config = ReadFileBytes(folder.File(L"Config.qvc"));

  // No.3 gets a program of a folder of its own through the file dialog; one
  // whose name the ANSI code page cannot hold is refused first.
  ASSERT_TRUE(CopyFileW(recorder.c_str(), unnamable.c_str(), FALSE));
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  // The file dialog's DLL, with the printing libraries it brings, waits for a browse.
  EXPECT_FALSE(LoadsModule(launcher.processId(), L"comdlg32.dll"));
  ASSERT_NO_FATAL_FAILURE(Browse(3, unnamable));
  EXPECT_TRUE(LoadsModule(launcher.processId(), L"comdlg32.dll"));
  EXPECT_EQ(AnswerMessageBox(),
            L"選択されたファイルのパスに,このシステムの文字コードで表せない文字が含まれているため,"
            L"設定できません.\r\n"
            L"そのような文字を含まない場所にあるファイルを選ぶか,"
            L"フォルダー名やファイル名を変更してください.");
  EXPECT_EQ(TextOf(PathOf(3)), L"");
  ASSERT_NO_FATAL_FAILURE(Browse(3, tool));
  ASSERT_TRUE(WaitUntil([&] { return TextOf(PathOf(3)) == tool; }));

  ASSERT_TRUE(ClickAndWait(SwapBelow(1)));  // No.1 and No.2 change places
  EXPECT_EQ(TextOf(PathOf(2)), app);
  EXPECT_TRUE(IsChecked(SizeOf(2, 1))) << "the size goes with the program";
  ASSERT_TRUE(ClickAndWait(SettingsButton(L"適用(&A)")));
  EXPECT_EQ(IconRow(images), L"-XX-----");

  ASSERT_NO_FATAL_FAILURE(CloseSettings());
  // The icons are fetched afresh from the list applied, and the hints follow it.
  EXPECT_EQ(IconRow(images), L"-XX-----");
  EXPECT_TRUE(HintLineReadsWith(main, CentreOf(images[0]), kUnsetSlotHint));
  EXPECT_TRUE(HintLineReadsWith(main, CentreOf(images[1]), kSetSlotHint));
  EXPECT_EQ(ReadFileBytes(folder.File(L"Start.qvl")), startList);
  EXPECT_EQ(ReadFileBytes(folder.File(L"Config.qvc")), config);

  // The current file is still Start.qvl: the default-file command names it.
  WriteFileBytes(folder.File(L"Config.qvc"), ConfigText(""));
  ASSERT_NO_FATAL_FAILURE(ChooseFromMenu({'O', 'D'}));  // デフォルトファイルに設定(&D)
  ASSERT_TRUE(LauncherIdle(launcher.processId(), main));
  EXPECT_EQ(LineOf(ReadFileBytes(folder.File(L"Config.qvc")), 5), Ansi(folder.File(L"Start.qvl")))
      << BoxShownBy(launcher.processId());

  // The program starts in its own folder, whatever the file dialog browsed to.
  PostMessageW(images[2], WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  RecorderRecord record;
  ASSERT_TRUE(WaitUntil([&] { return !(record = ReadRecorderRecord(tool)).empty(); }, 20000));
  EXPECT_TRUE(SameFolder(Utf16(record.Text("currentDirectory")), folder.File(L"tools")));
}

TEST_F(SettingsDialog, OpensBesideTheMainWindowClearsRowsAndRefusesToSaveWithoutNo1) {
  ASSERT_NO_FATAL_FAILURE(StartLauncher());
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  EXPECT_EQ(TextOf(dialog), L"ユーザー設定");
  RECT mainRect, dialogRect;
  GetWindowRect(main, &mainRect);
  GetWindowRect(dialog, &dialogRect);
  EXPECT_EQ(dialogRect.left, mainRect.right);
  EXPECT_EQ(dialogRect.top, mainRect.top);
  EXPECT_EQ(TextOf(PathOf(1)), app);
  EXPECT_TRUE(IsChecked(SizeOf(1, 1)));

  // An empty row keeps the size it shows; a filled one goes back to 通常.
  ASSERT_TRUE(ClickAndWait(SizeOf(2, 2)));
  ASSERT_TRUE(ClickAndWait(ClearOf(2)));
  EXPECT_TRUE(IsChecked(SizeOf(2, 2)));
  ASSERT_TRUE(ClickAndWait(ClearOf(1)));
  EXPECT_EQ(TextOf(PathOf(1)), L"");
  EXPECT_TRUE(IsChecked(SizeOf(1, 0)));
  ASSERT_TRUE(ClickAndWait(SettingsButton(L"全クリア")));
  for (int slot = 1; slot <= 8; ++slot) EXPECT_TRUE(IsChecked(SizeOf(slot, 0))) << slot;
  ASSERT_NO_FATAL_FAILURE(CloseSettings());

  // With a filled No.1 moved to No.2 the list cannot be saved.
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  ASSERT_TRUE(ClickAndWait(SwapBelow(1)));
  EXPECT_EQ(TextOf(PathOf(1)), L"");
  Click(SettingsButton(L"設定保存(&S)..."));
  EXPECT_EQ(AnswerMessageBox(),
            L"No.1グループは必須設定項目ですが,設定されていません.\r\n"
            L"設定後に再度,保存処理を行なってください.");
  EXPECT_TRUE(WindowsOf(launcher.processId(), L"TfrmSaveDlg").empty()) << "a save dialog";
}

TEST_F(SettingsDialog, TheEnvironmentPageChecksItsNumbersBeforeSaving) {
  WriteFileBytes(folder.File(L"Config.qvc"), ConfigText(Ansi(folder.File(L"other.qvl"))));
  ASSERT_NO_FATAL_FAILURE(StartLauncher());
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  ASSERT_NO_FATAL_FAILURE(ShowEnvironmentPage());
  auto config = [&] { return ReadFileBytes(folder.File(L"Config.qvc")); };

  EXPECT_EQ(SaveNumbersToMessage(L"5000", L"29"),
            L"連続起動を制限するリソース残量を30パーセント以上に設定してください.");
  EXPECT_TRUE(SaveNumbers(L"5000", L"30"));
  EXPECT_EQ(LineOf(config(), 7), "30");
  EXPECT_TRUE(SaveNumbers(L" 3000", L"100"));
  EXPECT_EQ(LineOf(config(), 6), "3000");
  EXPECT_EQ(LineOf(config(), 7), "100");
  EXPECT_EQ(SaveNumbersToMessage(L"3000 ", L"35"), L"'3000 ' は整数ではありません.");
  // Both too low: only the interval is named, and nothing is written.
  EXPECT_EQ(SaveNumbersToMessage(L"999", L"29"),
            L"連続起動の時間間隔を1000以上に設定してください.");
  EXPECT_EQ(WaitForVisibleWindow(launcher.processId(), L"#32770", 300), nullptr);
  EXPECT_EQ(LineOf(config(), 6), "3000");

  ASSERT_TRUE(ClickAndWait(SettingsButton(L"初期化")));
  EXPECT_TRUE(SaveNumbers(L"2000", L"40"));
  EXPECT_EQ(config(), ConfigText(Ansi(folder.File(L"Start.qvl")), "2000", "40"));

  // A configuration file deleted meanwhile is made again, and the dialog
  // opens with the settings again.
  DeleteFileW(folder.File(L"Config.qvc").c_str());
  EXPECT_TRUE(SaveNumbers(L"4000", L"45"));
  EXPECT_EQ(LineOf(config(), 6), "4000");
  ASSERT_NO_FATAL_FAILURE(CloseSettings());
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  EXPECT_EQ(TextOf(ComboOf(0)), L"4000");
  EXPECT_EQ(TextOf(ComboOf(1)), L"45");
}

TEST_F(SettingsDialog, SavesTheListThenMakesTheSavedFileTheDefault) {
  ASSERT_NO_FATAL_FAILURE(StartLauncher());
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  ASSERT_TRUE(ClickAndWait(SizeOf(1, 2)));  // No.1 in a minimised window
  const auto saveUnderProposedName = [&] {  // that of No.1's program
    Click(SettingsButton(L"設定保存(&S)..."));
    HWND save = WaitForVisibleWindow(launcher.processId(), L"TfrmSaveDlg");
    ASSERT_NE(save, nullptr) << "no save dialog";
    Click(ButtonOf(save, L"保存(&S)"));
  };
  // A folder in the file's place fails the write: its error box belongs to
  // the settings dialog, which takes no input until it is answered.
  ASSERT_TRUE(CreateDirectoryW(folder.File(L"app.qvl").c_str(), nullptr));
  ASSERT_NO_FATAL_FAILURE(saveUnderProposedName());
  HWND box = WaitForVisibleWindow(launcher.processId(), L"#32770");
  ASSERT_NE(box, nullptr) << "no error box";
  EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
  EXPECT_FALSE(IsWindowEnabled(dialog));
  PressFirstButton(box);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }));
  ASSERT_TRUE(RemoveDirectoryW(folder.File(L"app.qvl").c_str()));

  ASSERT_NO_FATAL_FAILURE(saveUnderProposedName());
  const std::string expected = JoinLines({Ansi(app), "NULL", "NULL", "NULL", "NULL", "NULL", "NULL",
                                          "NULL", "2", "0", "0", "0", "0", "0", "0", "0"});
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(folder.File(L"app.qvl")) == expected; }));
  EXPECT_TRUE(IsWindowVisible(dialog)) << "the settings dialog stays open";

  // The environment page chooses the new file as the default list.
  ASSERT_NO_FATAL_FAILURE(ShowEnvironmentPage());
  ASSERT_NE(DescendantOf(dialog, L"Edit", L"Start.qvl"), nullptr);
  Click(SettingsButton(L"選択..."));
  HWND open = WaitForVisibleWindow(launcher.processId(), L"TfrmOpenDlg");
  ASSERT_NE(open, nullptr) << "no open dialog";
  EXPECT_EQ(TextOf(open), L"連続起動デフォルトファイルの選択");
  RECT openRect, dialogRect;
  GetWindowRect(open, &openRect);
  GetWindowRect(dialog, &dialogRect);
  EXPECT_EQ(openRect.left, dialogRect.left + 3);
  EXPECT_EQ(openRect.top, dialogRect.top + 40);
  HWND list = FindWindowExW(open, nullptr, L"ListBox", nullptr);
  ASSERT_EQ(EntriesOf(list), (std::vector<std::wstring>{L"app.qvl", L"Start.qvl"}));
  ClickEntry(list, 0);
  ASSERT_TRUE(WaitUntil([&] { return SelectionOf(list) == 0; }));
  Click(ButtonOf(open, L"開く(&O)"));
  ASSERT_TRUE(WaitUntil([&] { return DescendantOf(dialog, L"Edit", L"app.qvl") != nullptr; }));
  ASSERT_TRUE(ClickAndWait(SettingsButton(L"設定保存(&S)")));
  EXPECT_EQ(LineOf(ReadFileBytes(folder.File(L"Config.qvc")), 5), Ansi(folder.File(L"app.qvl")));
}

// The shortcut in the Startup folder, which the test removes again.
class SettingsDialogStartup : public SettingsDialog {
 protected:
  void SetUp() override {
    link = StartupLinkFile();
    DeleteFileW(link.c_str());
    SettingsDialog::SetUp();
  }
  void TearDown() override {
    DeleteFileW(link.c_str());
    SettingsDialog::TearDown();
  }
  bool LinkExists() { return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES; }

  std::wstring link;
};

TEST_F(SettingsDialogStartup, TheButtonRegistersAndTheMenuFollows) {
  ASSERT_NO_FATAL_FAILURE(StartLauncher());
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  ASSERT_NO_FATAL_FAILURE(ShowEnvironmentPage());
  HWND button = SettingsButton(L"Quorvane をスタートアップに登録する");
  ASSERT_NE(button, nullptr);
  Click(button);
  HWND box = WaitForVisibleWindow(launcher.processId(), L"#32770");
  ASSERT_NE(box, nullptr);
  RECT boxRect, dialogRect;
  GetWindowRect(box, &boxRect);
  GetWindowRect(dialog, &dialogRect);
  EXPECT_EQ(boxRect.left, dialogRect.left + 105);
  EXPECT_EQ(boxRect.top, dialogRect.top + 105);
  EXPECT_EQ(AnswerMessageBox(), L"Quorvane をスタートアップに登録しました.");
  EXPECT_TRUE(LinkExists());
  EXPECT_EQ(TextOf(button), L"Quorvane をスタートアップから削除する");
  ASSERT_NO_FATAL_FAILURE(CloseSettings());

  // The menu now offers the removal: its item removes the shortcut.
  ASSERT_NO_FATAL_FAILURE(ChooseFromMenu({'O', 'I'}));
  EXPECT_EQ(AnswerMessageBox(), L"Quorvane をスタートアップから削除しました.");
  EXPECT_FALSE(LinkExists());
}

std::pair<LONG, LONG> OffsetOf(HWND window, HWND from) {
  RECT rect, fromRect;
  GetWindowRect(window, &rect);
  GetWindowRect(from, &fromRect);
  return {rect.left - fromRect.left, rect.top - fromRect.top};
}

TEST_F(SettingsDialogStartup, At150PercentEveryOffsetBetweenWindowsIsScaled) {
  // Wine gives a program the prefix's LogPixels as it starts; the DPI found
  // comes back at once for every other program.
  auto setLogPixels = [](DWORD dpi) {
    HKEY desktop = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                    nullptr, &desktop, nullptr);
    RegSetValueExW(desktop, L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi), sizeof dpi);
    RegCloseKey(desktop);
  };
  // The DPI of the prefix, put back afterwards (96 when it names none).
  DWORD found = 96, size = sizeof found;
  RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", RRF_RT_REG_DWORD,
               nullptr, &found, &size);
  setLogPixels(144);
  StartLauncher();
  setLogPixels(found);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  EXPECT_EQ(ControlOutsideItsParent(dialog), L"");
  Click(SettingsButton(L"設定保存(&S)..."));
  HWND save = WaitForVisibleWindow(launcher.processId(), L"TfrmSaveDlg");
  ASSERT_NE(save, nullptr) << "no save dialog";
  EXPECT_EQ(OffsetOf(save, dialog), std::make_pair(93L, 288L));  // (62, 192)
  Click(ButtonOf(save, L"キャンセル(&C)"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(save); }));
  ASSERT_NO_FATAL_FAILURE(ShowEnvironmentPage());
  Click(SettingsButton(L"Quorvane をスタートアップに登録する"));
  HWND box = WaitForVisibleWindow(launcher.processId(), L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(OffsetOf(box, dialog), std::make_pair(158L, 158L));  // 105
  AnswerMessageBox();
  ASSERT_NO_FATAL_FAILURE(CloseSettings());
  ASSERT_NO_FATAL_FAILURE(ChooseFromMenu({'O', 'I'}));
  box = WaitForVisibleWindow(launcher.processId(), L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(OffsetOf(box, GetDesktopWindow()), std::make_pair(521L, 50L));
  AnswerMessageBox();
}

}  // namespace
}  // namespace qvntest
