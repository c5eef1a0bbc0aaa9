// The real Quorvane.exe with its read command "連続起動データ読み込み(&R)...":
// the open dialog as a user meets it, what opening a list does to the main
// window and the configuration, and deleting data files.
#include <gtest/gtest.h>

#include <map>

#include "tests/text_lines.h"
#include "tests/win32/test_support.h"

namespace qvntest {
namespace {

const std::wstring kIconsHint = L"選択ファイルに設定されているソフトのアイコンが表示されます.";

// The launcher in a folder of data files; each list has one program, the
// launcher itself, in one slot, so that its preview shows where it is.
class ReadCommand : public ::testing::Test {
 protected:
  // Writes a list whose slot `slot` (0 to 7) holds the launcher.
  void WriteList(const std::wstring& name, int slot) {
    std::string text;
    for (int i = 0; i < 8; ++i)
      text += (i == slot ? Ansi(folder.File(L"Quorvane.exe")) : "NULL") + "\r\n";
    text += "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    WriteFileBytes(folder.File(name), text);
  }

  void Start() {
    ASSERT_TRUE(launcher.Start());
    main = launcher.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
  }
  // Starts with two lists: Start.qvl, the launcher in slot No.1, and
  // other.qvl, the launcher in slot No.3.
  void StartWithTwoLists() {
    WriteList(L"Start.qvl", 0);
    WriteList(L"other.qvl", 2);
    Start();
  }

  // Every file of the folder with its bytes.
  std::map<std::wstring, std::string> Disk() {
    std::map<std::wstring, std::string> files;
    for (const auto& name : folder.Files()) files[name] = ReadFileBytes(folder.File(name));
    return files;
  }

  // Chooses the read command from the pop-up menu and waits for its dialog.
  HWND OpenDialog() {
    if (!ChooseFromMenu(launcher.processId(), main, {'R'})) return nullptr;
    HWND dialog = WaitForVisibleWindow(launcher.processId(), L"TfrmOpenDlg");
    list = FindWindowExW(dialog, nullptr, L"ListBox", nullptr);
    preview = ImagesIn(FindWindowExW(dialog, nullptr, ui::kGroupBoxClass, nullptr));
    return dialog;
  }

  void Press(HWND window, const std::wstring& button) {
    LeftClickAt(CentreOf(ButtonOf(window, button)));
  }
  bool Closed(HWND window) {
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); });
  }
  bool PreviewReads(const std::wstring& row) {
    return WaitUntil([&] { return IconRow(preview) == row; });
  }
  bool MainRowReads(const std::wstring& row) {
    return WaitUntil([&] { return IconRow(SlotImagesOf(main)) == row; });
  }

  TempFolder folder;
  Launcher launcher{folder.path()};  // copies Quorvane.exe into the folder
  HWND main = nullptr;
  HWND list = nullptr;
  std::vector<HWND> preview;
};

TEST_F(ReadCommand, TheDialogShowsTheCurrentFileAndPreviewsAnotherWithoutChangingAnything) {
  StartWithTwoLists();
  const auto disk = Disk();

  HWND dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr) << "no dialog";
  EXPECT_EQ(TextOf(dialog), L"連続起動データファイルの選択");
  RECT mainRect, dialogRect;
  GetWindowRect(main, &mainRect);
  GetWindowRect(dialog, &dialogRect);
  EXPECT_EQ(dialogRect.left, mainRect.right) << "beside the main window";
  EXPECT_EQ(dialogRect.top, mainRect.top);
  EXPECT_EQ(EntriesOf(list), (std::vector<std::wstring>{L"other.qvl", L"Start.qvl"}));
  EXPECT_EQ(SelectionOf(list), 1) << "the current file";
  EXPECT_TRUE(PreviewReads(L"X-------"));

  ClickEntry(list, 0);
  EXPECT_TRUE(PreviewReads(L"--X-----"));
  EXPECT_TRUE(HintLineReadsWith(main, CentreOf(preview[2]), kIconsHint))
      << "the icons show the group's hint";
  Press(dialog, L"キャンセル(&C)");
  ASSERT_TRUE(Closed(dialog));
  EXPECT_EQ(IconRow(SlotImagesOf(main)), L"X-------");

  dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SelectionOf(list), 1) << "still the current file";
  ClickEntry(list, 0);
  EXPECT_TRUE(PreviewReads(L"--X-----"));
  PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
  ASSERT_TRUE(Closed(dialog));
  EXPECT_EQ(IconRow(SlotImagesOf(main)), L"X-------");
  EXPECT_EQ(Disk(), disk);
}

TEST_F(ReadCommand, AnOpenedListIsShownOnTheMainWindowAndSelectedNextTime) {
  StartWithTwoLists();
  const auto disk = Disk();

  HWND dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  ClickEntry(list, 0);
  Press(dialog, L"開く(&O)");
  ASSERT_TRUE(Closed(dialog));
  EXPECT_TRUE(MainRowReads(L"--X-----"));
  EXPECT_TRUE(HintLineReadsWith(main, CentreOf(SlotImagesOf(main)[2]), kSetSlotHint));
  EXPECT_TRUE(HintLineReadsWith(main, CentreOf(SlotImagesOf(main)[0]), kUnsetSlotHint));

  dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SelectionOf(list), 0) << "other.qvl is the current file now";
  EXPECT_TRUE(PreviewReads(L"--X-----"));
  Press(dialog, L"キャンセル(&C)");
  ASSERT_TRUE(Closed(dialog));
  EXPECT_EQ(Disk(), disk) << "opening writes nothing";
}

TEST_F(ReadCommand, OpeningAsTheDefaultRewritesOnlyLine5OfTheConfiguration) {
  WriteFileBytes(
      folder.File(L"Config.qvc"),
      JoinLines({"TRUE", "FALSE", "TRUE", "FALSE", Ansi(folder.File(L"Start.qvl")), "3000", "50"}));
  StartWithTwoLists();

  HWND dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  ClickEntry(list, 0);
  Press(dialog, L"デフォルトファイルに設定して開く(&D)");
  ASSERT_TRUE(Closed(dialog));
  const std::string expected =
      JoinLines({"TRUE", "FALSE", "TRUE", "FALSE", Ansi(folder.File(L"other.qvl")), "3000", "50"});
  ASSERT_TRUE(LauncherIdle(launcher.processId(), main));
  EXPECT_EQ(ReadFileBytes(folder.File(L"Config.qvc")), expected)
      << BoxShownBy(launcher.processId());
  EXPECT_TRUE(MainRowReads(L"--X-----"));
}

TEST_F(ReadCommand, DeletionRefusesTheFilesInUseInOrderAndDeletesAnyOther) {
  for (const auto* name : {L"Start.qvl", L"cur.qvl", L"gone.qvl"}) WriteList(name, 0);
  WriteList(L"other.qvl", 2);
  WriteList(L"spare.qvl", 7);
  WriteFileBytes(
      folder.File(L"Config.qvc"),
      JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", Ansi(folder.File(L"CUR.QVL")), "5000", "35"}));
  Start();  // cur.qvl is the current and the default file, named in capitals

  HWND dialog = nullptr;
  // Selects an entry, presses 削除(&E) and answers the box that comes with
  // its first button (or as `answer` does); the box's message.
  const auto deleteEntry = [&](int entry, void (*answer)(HWND) = PressFirstButton) {
    ClickEntry(list, entry);
    Press(dialog, L"削除(&E)");
    HWND box = WaitForVisibleWindow(launcher.processId(), L"#32770");
    if (box == nullptr) return std::wstring(L"(no message)");
    // The boxes stand at the main window's width and the dialog's height.
    RECT boxRect, mainRect, dialogRect;
    GetWindowRect(box, &boxRect);
    GetWindowRect(main, &mainRect);
    GetWindowRect(dialog, &dialogRect);
    EXPECT_EQ(boxRect.left, mainRect.right - mainRect.left);
    EXPECT_EQ(boxRect.top, dialogRect.bottom - dialogRect.top);
    const std::wstring message = MessageOf(box);
    answer(box);
    EXPECT_TRUE(Closed(box));
    // Once the dialog answers, the command that showed the box is over.
    SendBounded(dialog, WM_NULL);
    return message;
  };
  const std::wstring refused = L"このファイルは削除できません. 削除処理を中止します.";

  dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_EQ(EntriesOf(list), (std::vector<std::wstring>{L"cur.qvl", L"gone.qvl", L"other.qvl",
                                                        L"spare.qvl", L"Start.qvl"}));
  EXPECT_EQ(SelectionOf(list), 0) << "the current file, in any letter case";
  EXPECT_EQ(deleteEntry(0),
            L"現在使用中の連続起動データファイルが選択されました.\r\n\r\n" + refused)
      << "a file both current and default";
  // other.qvl becomes the current file; cur.qvl stays the default.
  ClickEntry(list, 2);
  Press(dialog, L"開く(&O)");
  ASSERT_TRUE(Closed(dialog));

  dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  DeleteFileW(folder.File(L"gone.qvl").c_str());
  EXPECT_EQ(deleteEntry(1), L"選択されたファイルが存在しません.\r\n\r\n削除処理を中止します.");
  EXPECT_EQ(deleteEntry(2),
            L"現在使用中の連続起動データファイルが選択されました.\r\n\r\n" + refused);
  EXPECT_EQ(deleteEntry(0),
            L"デフォルトの連続起動データファイルが選択されました.\r\n\r\n" + refused);
  EXPECT_EQ(deleteEntry(4), L"初期値の連続起動データファイルが選択されました.\r\n\r\n" + refused);

  const std::wstring question = L"選択されたファイルを削除します.\r\n\r\nよろしいですか？";
  const std::string spare = ReadFileBytes(folder.File(L"spare.qvl"));
  EXPECT_EQ(deleteEntry(3, CloseBox), question);
  EXPECT_EQ(ReadFileBytes(folder.File(L"spare.qvl")), spare) << "the close box keeps the file";
  EXPECT_EQ(deleteEntry(3), question);
  // Watched without opening it, which would stand in the deletion's way.
  EXPECT_TRUE(WaitUntil([&] {
    return GetFileAttributesW(folder.File(L"spare.qvl").c_str()) == INVALID_FILE_ATTRIBUTES;
  }));
  EXPECT_EQ(folder.Files(), (std::vector<std::wstring>{L"Config.qvc", L"Quorvane.exe", L"Start.qvl",
                                                       L"cur.qvl", L"other.qvl"}));
  EXPECT_TRUE(WaitUntil([&] { return EntriesOf(list).size() == 4; }));
  EXPECT_EQ(EntriesOf(list),
            (std::vector<std::wstring>{L"cur.qvl", L"gone.qvl", L"other.qvl", L"Start.qvl"}));
  EXPECT_EQ(SelectionOf(list), 2) << "back on the current file";
  EXPECT_TRUE(PreviewReads(L"--X-----"));
  Press(dialog, L"キャンセル(&C)");
  EXPECT_TRUE(Closed(dialog));
}

}  // namespace
}  // namespace qvntest
