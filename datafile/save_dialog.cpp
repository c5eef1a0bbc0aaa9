#include "datafile/save_dialog.h"

#include "core/ansi_text.h"
#include "datafile/chosen_file.h"
#include "datafile/save_name.h"
#include "ui/message_box.h"
#include "ui/screen.h"

namespace qvn {
namespace {

const ui::FormDef kSaveDlgDef = {
    L"TfrmSaveDlg",      L"連続起動データの保存",
    /*clientWidth=*/420, /*clientHeight=*/228,
    ui::kDialogStyle,    WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
    /*borderWidth=*/0,   L"ＭＳ Ｐゴシック",
    /*fontHeight=*/12,
};

// Where the dialog stands against the settings dialog's top-left corner, at
// 96 DPI: scaled by the settings dialog's.
constexpr POINT kSettingsOffset = {62, 192};

constexpr wchar_t kOverwriteQuestion[] =
    L"既に同名のデータファイルが存在します.\r\n上書きしてもよろしいですか?";

const wchar_t* NameMessage(SaveNameProblem problem) {
  switch (problem) {
    case SaveNameProblem::kNotInCodePage:
      return L"データファイル名に,このシステムの文字コードで表せない文字 "
             L"(一部の記号や外国語の文字) "
             L"が含まれています.\r\n\r\n"
             L"別の名前を入力してください.";
    case SaveNameProblem::kForbiddenCharacter:
      return L"データファイル名に使えない文字が含まれています.\r\n\r\n"
             L"次の文字は使えません: \\ / : * ? \" < > |";
    case SaveNameProblem::kReservedName:
      return L"この名前は Windows が予約しているため,データファイル名に使えません.\r\n"
             L"(CON, PRN, AUX, NUL, COM1～COM9, LPT1～LPT9 "
             L"と,これらのあとに「.」が続く名前)\r\n\r\n"
             L"別の名前を入力してください.";
    case SaveNameProblem::kTooLong:
      return L"データファイル名が長すぎます.\r\n\r\n短い名前を入力してください.";
    case SaveNameProblem::kEmpty:
    case SaveNameProblem::kNone:
      break;
  }
  return L"";
}

}  // namespace

TfrmSaveDlg::TfrmSaveDlg(const Model& model, DataFileHost& host, const ui::Form& settingsDialog)
    : model_(model), host_(host), settingsDialog_(settingsDialog) {}

bool TfrmSaveDlg::CreateWindowAndControls() {
  HWND settings = settingsDialog_.hwnd();
  if (!CreateForm(kSaveDlgDef, settings, ui::OffsetFrom(settings, kSettingsOffset))) return false;

  // clang-format off
  const ui::ControlDef controls[] = {
      // control          parent   left top  w    h    caption                                  hint                                                                               font
      {&Label1,           nullptr, 8,   8,   0,   0,   L"連続起動データファイル一覧:",          L""},
      {&lbxSavedFileList, nullptr, 8,   24,  404, 116, L"",                                     L"|作成済みデータファイルの一覧表です.",                                           13},
      {&Label2,           nullptr, 8,   148, 0,   0,   L"データファイル名の設定:",              L""},
      {&edtSaveFileName,  nullptr, 8,   164, 404, 22,  L"",                                     L"このファイル名の使用をお勧めします.|データファイル名の候補(推奨)が表示されます.", 13},
      {&btnSaveAsDef,     nullptr, 8,   196, 230, 24,  L"デフォルトファイルに設定して保存(&D)", L"|上記ファイル名で保存し,使用かつデフォルトファイルに設定します."},
      {&btnSave,          nullptr, 248, 196, 80,  24,  L"保存(&S)",                             L"|上記ファイル名でデータを保存し,使用ファイルに設定します."},
      {&btnCancel,        nullptr, 332, 196, 80,  24,  L"キャンセル(&C)",                       L"|保存せずにダイアログを閉じます."},
  };
  // clang-format on
  if (!CreateControls(controls)) return false;
  Label1.SetAutoSize(true);
  Label2.SetAutoSize(true);
  // Each label stays just before its box, which a screen reader names by it.
  SetTabOrder(
      {&Label1, &lbxSavedFileList, &btnSave, &btnCancel, &btnSaveAsDef, &Label2, &edtSaveFileName});
  SetActiveControl(edtSaveFileName);
  // Only the name box shows its tooltip; without one it still works.
  nameTip_.Attach(edtSaveFileName);

  // Escape closes the dialog as its close box does.
  onEscape = [this] { EndModal(IDCANCEL); };
  lbxSavedFileList.onClick = [this] { lbxSavedFileListClick(); };
  btnSave.onClick = [this] { btnSaveClick(); };
  btnSaveAsDef.onClick = [this] { btnSaveAsDefClick(); };
  btnCancel.onClick = [this] { btnCancelClick(); };
  return true;
}

void TfrmSaveDlg::lbxSavedFileListClick() {
  const int index = lbxSavedFileList.Selected();
  if (index < 0) return;
  // The entry as listed, extension included: saving under it writes that file.
  edtSaveFileName.SetText(lbxSavedFileList.ItemText(index));
}

void TfrmSaveDlg::btnSaveClick() {
  Accept(kChosen);
}

void TfrmSaveDlg::btnSaveAsDefClick() {
  Accept(kChosenAsDefault);
}

void TfrmSaveDlg::btnCancelClick() {
  SaveDialogResult = kCancelled;
  EndModal(IDCANCEL);
}

void TfrmSaveDlg::Accept(int result) {
  const std::wstring typed = edtSaveFileName.Text();
  const std::optional<std::string> name = ToAnsi(typed);
  switch (const auto problem = CheckSaveName(model_, typed, name, host_.LeadBytes())) {
    case SaveNameProblem::kNone:
      break;
    case SaveNameProblem::kEmpty:
      SaveDialogResult = kNotChosen;
      return;
    default:
      ui::ShowMessage(hwnd(), NameMessage(problem));
      return;
  }
  // Only "はい(&Y)" overwrites: the close box keeps the file, as "いいえ(&N)" does.
  if (SaveReplacesFile(model_, host_.Files(), *name, host_.LeadBytes()) &&
      ui::Confirm(hwnd(), kOverwriteQuestion) != ui::Answer::Yes) {
    return;
  }
  ChosenSaveName = *name;
  SaveDialogResult = result;
  EndModal(IDOK);
}

bool RunSaveSequence(Model& model, DataFileHost& host, SlotDisplay& display,
                     const ui::Form& settingsDialog, const SlotPaths& paths,
                     const SlotCodes& codes) {
  int result = kNotChosen;
  std::string chosen;
  {
    TfrmSaveDlg frmSaveDlg(model, host, settingsDialog);
    if (!frmSaveDlg.CreateWindowAndControls()) {
      ui::ShowDialogNotCreated(settingsDialog.hwnd(), kSaveDlgDef.caption);
      return false;
    }
    for (const auto& name : ListDataFiles(model, host.Files(), host.LeadBytes())) {
      frmSaveDlg.lbxSavedFileList.Add(FromAnsi(name), 0);
    }
    // Selected whole, so that typing replaces the proposal.
    frmSaveDlg.edtSaveFileName.SetText(FromAnsi(SuggestDataFileName(paths, host.LeadBytes())));
    frmSaveDlg.edtSaveFileName.SelectAll();
    frmSaveDlg.SaveDialogResult = kNotChosen;
    frmSaveDlg.lbxSavedFileList.SetHorizontalExtent(2 * frmSaveDlg.lbxSavedFileList.ClientWidth());
    frmSaveDlg.ShowModal();
    result = frmSaveDlg.SaveDialogResult;
    chosen = frmSaveDlg.ChosenSaveName;
  }
  return SaveListAs(model, host, display, result, chosen, paths, codes);
}

}  // namespace qvn
