// The save sequence and the open dialog's default choice, shown for real
// inside the test program against a stand-in for the settings dialog that
// calls them. Each dialog is modal, so the test thread sits in its message
// loop while a second thread acts on it as a user would, with the mouse and
// the keyboard.
#include "datafile/save_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "app/startup.h"
#include "core/ansi_text.h"
#include "core/win32_file_system.h"
#include "datafile/open_dialog.h"
#include "settings/config_file.h"
#include "tests/text_lines.h"
#include "tests/win32/test_support.h"

namespace qvn {
namespace {

using qvntest::ButtonOf;
using qvntest::CentreOf;
using qvntest::JoinLines;
using qvntest::LeftClickAt;
using qvntest::MessageOf;
using qvntest::TextOf;
using qvntest::WaitUntil;

const std::string kEditMailerList =
    JoinLines({"C:\\Tools\\edit.exe", "NULL", "D:\\Mail\\mailer.exe", "NULL", "NULL", "NULL",
               "NULL", "NULL", "1", "0", "2", "0", "0", "0", "0", "0"});
const std::wstring kOverwriteQuestion =
    L"既に同名のデータファイルが存在します.\r\n上書きしてもよろしいですか?";

// The files and the error box of the program; the main window's refresh is
// only counted.
class Host : public DataFileHost, public SlotDisplay {
 public:
  explicit Host(const Model& model) : model_(model) {}

  FileSystem& Files() override { return files; }
  LeadByteRule LeadBytes() override { return IsAnsiLeadByte; }
  void ShowError(const Error& error) override { errors.push_back(error); }
  std::optional<Error> RewriteConfiguration() override { return WriteConfigFile(model_, files); }
  void ShowSlotIcons() override { ++refreshes; }
  void ShowSlotHints() override {}

  const Model& model_;
  Win32FileSystem files;
  std::vector<Error> errors;
  int refreshes = 0;
};

// The stand-in for the settings dialog: a plain window the dialogs are placed against.
class SettingsStandIn : public ui::Form {
 public:
  SettingsStandIn() {
    const ui::FormDef def = {L"SettingsStandIn",
                             L"ユーザー設定",
                             400,
                             300,
                             ui::kDialogStyle,
                             0,
                             0,
                             L"ＭＳ Ｐゴシック",
                             12};
    CreateForm(def, nullptr, POINT{150, 120});
    Show();
  }
};

// A program folder with Start.qvl and Config.qvc, both as a first start makes them.
class DataFileDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    ComputePaths(model, *ToAnsi(folder.File(L"Quorvane.exe")), IsAnsiLeadByte);
    SetNewConfigSettings(model);
    model.CurrentDataFile = model.InitialDataFile;
    qvntest::WriteFileBytes(folder.File(L"Start.qvl"),
                            JoinLines({"NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL",
                                       "NULL", "0", "0", "0", "0", "0", "0", "0", "0"}));
    qvntest::WriteFileBytes(folder.File(L"Config.qvc"), DefaultConfigText(model.InitialDataFile));
  }

  // Runs `show` on this thread while `user` acts on the visible window of
  // class `dialogClass` from another. A dialog left open is closed.
  void WhileShown(const wchar_t* dialogClass, const std::function<void()>& show,
                  const std::function<void(HWND)>& user) {
    std::thread hand([&] {
      HWND dialog = qvntest::WaitForVisibleWindow(GetCurrentProcessId(), dialogClass);
      if (dialog == nullptr) return;
      user(dialog);
      if (!WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000)) {
        ADD_FAILURE() << "the dialog stayed open";
        PostMessageW(dialog, WM_CLOSE, 0, 0);
      }
    });
    show();
    hand.join();
  }

  // Runs the save sequence of `paths` and `codes` with `user` at the dialog.
  bool Save(const std::function<void(HWND)>& user) {
    bool saved = false;
    WhileShown(
        L"TfrmSaveDlg", [&] { saved = RunSaveSequence(model, host, host, settings, paths, codes); },
        user);
    return saved;
  }

  // Waits for a message box and answers it with the button of that caption,
  // or with its close box; its message.
  static std::wstring Answer(const std::wstring& button) {
    HWND box = qvntest::WaitForVisibleWindow(GetCurrentProcessId(), L"#32770");
    if (box == nullptr) return L"(no message)";
    const std::wstring message = MessageOf(box);
    if (button.empty()) {
      qvntest::CloseBox(box);
    } else {
      SendMessageW(ButtonOf(box, button), BM_CLICK, 0, 0);
    }
    WaitUntil([&] { return !IsWindow(box); });
    return message;
  }

  // Types `name` over the name box's selected text (all of it: on opening,
  // or after a click into the box and a selection of everything).
  static void TypeName(HWND dialog, const std::wstring& name, bool clickFirst = true) {
    HWND edit = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    if (clickFirst) {
      // Through the input queue, in order: a click into the box, End, Shift+Home.
      LeftClickAt(CentreOf(edit));
      qvntest::PressKey(VK_END);
      INPUT shiftHome[4] = {};
      for (auto& input : shiftHome) input.type = INPUT_KEYBOARD;
      shiftHome[0].ki.wVk = shiftHome[3].ki.wVk = VK_SHIFT;
      shiftHome[1].ki.wVk = shiftHome[2].ki.wVk = VK_HOME;
      shiftHome[2].ki.dwFlags = shiftHome[3].ki.dwFlags = KEYEVENTF_KEYUP;
      SendInput(4, shiftHome, sizeof shiftHome[0]);
    }
    name.empty() ? qvntest::PressKey(VK_DELETE) : qvntest::TypeText(name);
    WaitUntil([&] { return TextOf(edit) == name; });
  }

  qvntest::TempFolder folder;
  Model model;
  Host host{model};
  SettingsStandIn settings;
  SlotPaths paths{"C:\\Tools\\edit.exe", "", "D:\\Mail\\mailer.exe"};
  SlotCodes codes{1, 0, 2};
};

TEST_F(DataFileDialogs, TheProposedNameIsWrittenByteForByteAndBecomesTheCurrentList) {
  const std::string config = qvntest::ReadFileBytes(folder.File(L"Config.qvc"));
  std::wstring caption, proposal;
  RECT place{};
  std::vector<std::wstring> entries;
  const bool saved = Save([&](HWND dialog) {
    caption = TextOf(dialog);
    GetWindowRect(dialog, &place);
    proposal = TextOf(FindWindowExW(dialog, nullptr, L"Edit", nullptr));
    entries = qvntest::EntriesOf(FindWindowExW(dialog, nullptr, L"ListBox", nullptr));
    LeftClickAt(CentreOf(ButtonOf(dialog, L"保存(&S)")));
  });

  EXPECT_EQ(caption, L"連続起動データの保存");
  const RECT settingsPlace = settings.ScreenRect();
  EXPECT_EQ(place.left, settingsPlace.left + 62);
  EXPECT_EQ(place.top, settingsPlace.top + 192);
  EXPECT_EQ(entries, std::vector<std::wstring>{L"Start.qvl"});
  EXPECT_EQ(proposal, L"edit_mailer");

  ASSERT_TRUE(saved);
  EXPECT_EQ(qvntest::ReadFileBytes(folder.File(L"edit_mailer.qvl")), kEditMailerList);
  EXPECT_EQ(model.CurrentDataFile, model.ProgramFolder + "edit_mailer.qvl");
  EXPECT_EQ(model.SlotList[2], "D:\\Mail\\mailer.exe");
  EXPECT_EQ(host.refreshes, 1);
  EXPECT_EQ(qvntest::ReadFileBytes(folder.File(L"Config.qvc")), config);
}

TEST_F(DataFileDialogs, AnExistingFileInAnyLetterCaseIsReplacedOnlyAfterTheQuestion) {
  const std::string old = JoinLines({"C:\\old.exe"});
  qvntest::WriteFileBytes(folder.File(L"edit_mailer.qvl"), old);
  std::wstring declined, accepted, fromList;
  bool stayedOpen = false;
  std::string keptAfterNo;
  const bool saved = Save([&](HWND dialog) {
    // The proposal has the focus, selected whole: typing replaces it.
    TypeName(dialog, L"EDIT_MAILER", /*clickFirst=*/false);
    LeftClickAt(CentreOf(ButtonOf(dialog, L"デフォルトファイルに設定して保存(&D)")));
    declined = Answer(L"");  // the close box, which keeps the file as いいえ(&N) does
    stayedOpen = IsWindowVisible(dialog) != FALSE;
    keptAfterNo = qvntest::ReadFileBytes(folder.File(L"edit_mailer.qvl"));
    // The listed entry, extension and all, names the same file.
    HWND list = FindWindowExW(dialog, nullptr, L"ListBox", nullptr);
    qvntest::ClickEntry(list, 0);
    HWND edit = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    WaitUntil([&] { return TextOf(edit) == L"edit_mailer.qvl"; });
    fromList = TextOf(edit);
    LeftClickAt(CentreOf(ButtonOf(dialog, L"デフォルトファイルに設定して保存(&D)")));
    accepted = Answer(L"はい(&Y)");
  });

  EXPECT_EQ(declined, kOverwriteQuestion);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(keptAfterNo, old);
  EXPECT_EQ(fromList, L"edit_mailer.qvl");
  EXPECT_EQ(accepted, kOverwriteQuestion);
  ASSERT_TRUE(saved);
  const std::string written = model.ProgramFolder + "edit_mailer.qvl";
  EXPECT_EQ(qvntest::ReadFileBytes(folder.File(L"edit_mailer.qvl")), kEditMailerList);
  EXPECT_EQ(model.DefaultDataFile, written);
  EXPECT_EQ(qvntest::ReadFileBytes(folder.File(L"Config.qvc")),
            JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", written, "5000", "35"}));
}

TEST_F(DataFileDialogs, EmptyAndRefusedNamesKeepTheDialogOpenAndCancelWritesNothing) {
  std::wstring refusal, unwritable;
  const bool saved = Save([&](HWND dialog) {
    TypeName(dialog, L"");
    LeftClickAt(CentreOf(ButtonOf(dialog, L"保存(&S)")));
    // An empty name shows nothing: the next box is the refusal of the next name.
    TypeName(dialog, L"a*b");
    LeftClickAt(CentreOf(ButtonOf(dialog, L"保存(&S)")));
    refusal = Answer(L"OK");
    TypeName(dialog, L"한글");  // no Shift-JIS characters
    LeftClickAt(CentreOf(ButtonOf(dialog, L"デフォルトファイルに設定して保存(&D)")));
    unwritable = Answer(L"OK");
    LeftClickAt(CentreOf(ButtonOf(dialog, L"キャンセル(&C)")));
  });

  EXPECT_EQ(refusal,
            L"データファイル名に使えない文字が含まれています.\r\n\r\n"
            L"次の文字は使えません: \\ / : * ? \" < > |");
  EXPECT_EQ(unwritable,
            L"データファイル名に,このシステムの文字コードで表せない文字 (一部の記号や外国語の文字) "
            L"が含まれています.\r\n\r\n"
            L"別の名前を入力してください.");
  EXPECT_FALSE(saved);
  EXPECT_EQ(folder.Files(), (std::vector<std::wstring>{L"Config.qvc", L"Start.qvl"}));
  EXPECT_EQ(model.CurrentDataFile, model.InitialDataFile);
  EXPECT_EQ(host.refreshes, 0);
}

TEST_F(DataFileDialogs, TheDefaultChoiceOffersOnlyOpenAndCancelAndReturnsTheEntry) {
  qvntest::WriteFileBytes(folder.File(L"other.qvl"), kEditMailerList);
  std::wstring caption;
  RECT place{};
  int selection = -1;
  bool deleteShown = true, defaultShown = true;
  std::optional<std::string> chosen;
  WhileShown(
      L"TfrmOpenDlg", [&] { chosen = ChooseDefaultDataFile(model, host, settings); },
      [&](HWND dialog) {
        caption = TextOf(dialog);
        GetWindowRect(dialog, &place);
        HWND list = FindWindowExW(dialog, nullptr, L"ListBox", nullptr);
        selection = qvntest::SelectionOf(list);
        deleteShown = IsWindowVisible(ButtonOf(dialog, L"削除(&E)")) != FALSE;
        defaultShown =
            IsWindowVisible(ButtonOf(dialog, L"デフォルトファイルに設定して開く(&D)")) != FALSE;
        qvntest::ClickEntry(list, 0);
        LeftClickAt(CentreOf(ButtonOf(dialog, L"開く(&O)")));
      });

  EXPECT_EQ(caption, L"連続起動デフォルトファイルの選択");
  const RECT settingsPlace = settings.ScreenRect();
  EXPECT_EQ(place.left, settingsPlace.left + 3);
  EXPECT_EQ(place.top, settingsPlace.top + 40);
  EXPECT_EQ(selection, 1) << "Start.qvl, the default file";
  EXPECT_FALSE(deleteShown);
  EXPECT_FALSE(defaultShown);
  EXPECT_EQ(chosen, "other.qvl");
  EXPECT_EQ(model.DefaultDataFile, model.InitialDataFile) << "the caller saves the choice";
}

}  // namespace
}  // namespace qvn
