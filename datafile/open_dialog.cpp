#include "datafile/open_dialog.h"

#include "core/ansi_text.h"
#include "datafile/chosen_file.h"
#include "datafile/deletion.h"
#include "datafile/file_list.h"
#include "ui/message_box.h"
#include "ui/screen.h"
#include "ui/shell_icon.h"

namespace qvn {
namespace {

const ui::FormDef kOpenDlgDef = {
    L"TfrmOpenDlg",      L"連続起動データファイルの選択",
    /*clientWidth=*/437, /*clientHeight=*/208,
    ui::kDialogStyle,    WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
    /*borderWidth=*/0,   L"ＭＳ Ｐゴシック",
    /*fontHeight=*/12,
};

constexpr wchar_t kDefaultChoiceCaption[] = L"連続起動デフォルトファイルの選択";
// Where the default choice stands against the settings dialog's top-left corner.
constexpr POINT kDefaultChoiceOffset = {3, 40};

// A deletion refused, and the question before one.
constexpr wchar_t kMissingMessage[] =
    L"選択されたファイルが存在しません.\r\n\r\n削除処理を中止します.";
constexpr wchar_t kCurrentFileMessage[] =
    L"現在使用中の連続起動データファイルが選択されました.\r\n\r\n"
    L"このファイルは削除できません. 削除処理を中止します.";
constexpr wchar_t kDefaultFileMessage[] =
    L"デフォルトの連続起動データファイルが選択されました.\r\n\r\n"
    L"このファイルは削除できません. 削除処理を中止します.";
constexpr wchar_t kInitialFileMessage[] =
    L"初期値の連続起動データファイルが選択されました.\r\n\r\n"
    L"このファイルは削除できません. 削除処理を中止します.";
constexpr wchar_t kConfirmDeletion[] = L"選択されたファイルを削除します.\r\n\r\nよろしいですか？";

const wchar_t* RefusalMessage(DeletionRefusal refusal) {
  switch (refusal) {
    case DeletionRefusal::kMissing:
      return kMissingMessage;
    case DeletionRefusal::kCurrentFile:
      return kCurrentFileMessage;
    case DeletionRefusal::kDefaultFile:
      return kDefaultFileMessage;
    case DeletionRefusal::kInitialFile:
      return kInitialFileMessage;
    case DeletionRefusal::kNone:
      break;
  }
  return L"";
}

}  // namespace

// --- PreviewImage --------------------------------------------------------------

void PreviewImage::Show(ui::UniqueIcon icon) {
  SetIcon(icon.get());
  icon_ = std::move(icon);  // the icon shown before is destroyed here
}

// --- TfrmOpenDlg ---------------------------------------------------------------

TfrmOpenDlg::TfrmOpenDlg(const Model& model, DataFileHost& host, const ui::Form* mainForm)
    : model_(model), host_(host), mainForm_(mainForm) {}

bool TfrmOpenDlg::CreateWindowAndControls(HWND owner, POINT topLeft) {
  if (!CreateForm(kOpenDlgDef, owner, topLeft)) return false;

  // The icons come before the white strip, so that they lie on top of it.
  // clang-format off
  const ui::ControlDef controls[] = {
      // control       parent      left top  w    h    caption                                  hint                                                                    font
      {&Label1,        nullptr,    8,   42,  0,   0,   L"データファイル一覧:",                  L""},
      {&GroupBox1,     nullptr,    108, 2,   321, 52,  L"",                                     L"選択ファイルに設定されているソフトのアイコンが表示されます.",        13},
      {&Image1,        &GroupBox1, 15,  14,  32,  32,  L"",                                     L""},
      {&Image2,        &GroupBox1, 52,  14,  32,  32,  L"",                                     L""},
      {&Image3,        &GroupBox1, 89,  14,  32,  32,  L"",                                     L""},
      {&Image4,        &GroupBox1, 126, 14,  32,  32,  L"",                                     L""},
      {&Image5,        &GroupBox1, 163, 14,  32,  32,  L"",                                     L""},
      {&Image6,        &GroupBox1, 200, 14,  32,  32,  L"",                                     L""},
      {&Image7,        &GroupBox1, 237, 14,  32,  32,  L"",                                     L""},
      {&Image8,        &GroupBox1, 274, 14,  32,  32,  L"",                                     L""},
      {&Label2,        &GroupBox1, 15,  14,  291, 32,  L"",                                     L""},
      {&lbxFileList,   nullptr,    8,   60,  421, 108, L"",                                     L"|作成済みデータファイルの一覧表です.",                                13},
      {&btnDeleteFile, nullptr,    8,   176, 64,  24,  L"削除(&E)",                             L"|選択されたファイルを削除します."},
      {&btnDefFile,    nullptr,    76,  176, 205, 24,  L"デフォルトファイルに設定して開く(&D)", L"|選択されたファイルを使用かつデフォルトファイルに設定し,開きます."},
      {&btnOpen,       nullptr,    285, 176, 64,  24,  L"開く(&O)",                             L"|選択されたファイルを使用ファイルに設定し,開きます."},
      {&btnCancel,     nullptr,    353, 176, 76,  24,  L"キャンセル(&C)",                       L"|ファイルを開かずにダイアログを閉じます."},
  };
  // clang-format on
  if (!CreateControls(controls)) return false;
  SetTabOrder({&lbxFileList, &btnOpen, &btnDefFile, &btnCancel, &GroupBox1, &btnDeleteFile});
  SetActiveControl(lbxFileList);

  Label1.SetAutoSize(true);
  Label2.SetColor(RGB(255, 255, 255));
  for (ui::Image* image :
       {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Image8}) {
    image->SetColor(RGB(255, 255, 255));
  }

  // Escape closes the dialog as its close box does.
  onEscape = [this] { EndModal(IDCANCEL); };
  // The preview's icons are taken out again at the size of the new DPI.
  onDpiChanged = [this] { ShowPreview(); };
  lbxFileList.onClick = [this] { lbxFileListClick(); };
  btnOpen.onClick = [this] { btnOpenClick(); };
  btnDefFile.onClick = [this] { btnDefFileClick(); };
  btnCancel.onClick = [this] { btnCancelClick(); };
  btnDeleteFile.onClick = [this] { btnDeleteFileClick(); };
  return true;
}

bool TfrmOpenDlg::Fill(const std::string& file) {
  for (auto& name : ListDataFiles(model_, host_.Files(), host_.LeadBytes())) {
    lbxFileList.Add(FromAnsi(name), static_cast<LPARAM>(entries_.size()));
    entries_.push_back(std::move(name));
  }
  OpenDialogResult = kNotChosen;
  // Entries wider than the list can be scrolled into view.
  lbxFileList.SetHorizontalExtent(2 * lbxFileList.ClientWidth());
  return SelectAndPreview(file);
}

bool TfrmOpenDlg::SelectAndPreview(const std::string& file) {
  int selection = -1;
  for (int i = 0; i < lbxFileList.Count() && selection < 0; ++i) {
    if (IsEntryOf(entries_[lbxFileList.ItemData(i)], file, host_.LeadBytes())) selection = i;
  }
  lbxFileList.Select(selection);
  return Preview(file);
}

bool TfrmOpenDlg::Preview(const std::string& file) {
  auto paths = PreviewOf(host_.Files(), file);
  const bool read = paths.ok();
  // On an error no icons stay that could be taken for this file's.
  PreviewSlotPaths = read ? std::move(paths).value() : SlotPaths{};
  ShowPreview();
  if (!read) ShowError(paths.error());
  return read;
}

std::optional<std::string> TfrmOpenDlg::SelectedEntry() const {
  const int index = lbxFileList.Selected();
  if (index < 0) return std::nullopt;
  return entries_[lbxFileList.ItemData(index)];
}

void TfrmOpenDlg::ShowPreview() {
  PreviewImage* const images[kSlotCount] = {&Image1, &Image2, &Image3, &Image4,
                                            &Image5, &Image6, &Image7, &Image8};
  const int size = ui::Scale(hwnd(), 32);
  for (int i = 0; i < kSlotCount; ++i) {
    images[i]->Show(ui::LargeShellIcon(PreviewSlotPaths[i], size));
  }
}

void TfrmOpenDlg::lbxFileListClick() {
  if (const auto entry = SelectedEntry()) Preview(model_.ProgramFolder + *entry);
}

void TfrmOpenDlg::Choose(int result) {
  // Without a selection there is nothing to open; the dialog stays.
  const auto entry = SelectedEntry();
  if (!entry) return;
  ChosenDataFileName = *entry;
  OpenDialogResult = result;
  EndModal(IDOK);
}

void TfrmOpenDlg::btnOpenClick() {
  Choose(kChosen);
}

void TfrmOpenDlg::btnDefFileClick() {
  Choose(kChosenAsDefault);
}

void TfrmOpenDlg::btnCancelClick() {
  OpenDialogResult = kCancelled;
  EndModal(IDCANCEL);
}

void TfrmOpenDlg::ShowError(const FileError& error) {
  ui::ShowError(hwnd(), ErrorText(error, FromAnsi));
}

POINT TfrmOpenDlg::MessagePlace() const {
  // Taken from the main window's corner: with the dialog beside it, near the
  // dialog's lower-left corner, on whichever monitor they stand.
  const RECT main = mainForm_ != nullptr ? mainForm_->ScreenRect() : RECT{};
  const RECT dialog = ScreenRect();
  return {main.right, main.top + (dialog.bottom - dialog.top)};
}

void TfrmOpenDlg::btnDeleteFileClick() {
  const auto entry = SelectedEntry();
  if (!entry) return;
  const std::string path = model_.ProgramFolder + *entry;
  if (const auto refusal = RefusalToDelete(model_, host_.Files(), path, host_.LeadBytes());
      refusal != DeletionRefusal::kNone) {
    ui::ShowMessageAt(hwnd(), RefusalMessage(refusal), MessagePlace());
    return;
  }
  // Only "はい(&Y)" deletes: the close box keeps the file, as "いいえ(&N)" does.
  if (ui::ConfirmAt(hwnd(), kConfirmDeletion, MessagePlace()) != ui::Answer::Yes) return;

  if (const auto error = host_.Files().Remove(path)) ShowError(*error);
  if (!host_.Files().Exists(path)) {
    const int index = lbxFileList.Selected();
    lbxFileList.Remove(index);
  }
  // Back to the file in use, whatever was previewed before.
  SelectAndPreview(model_.CurrentDataFile);
}

// --- The two uses --------------------------------------------------------------

void miDataReadClick(Model& model, DataFileHost& host, SlotDisplay& display,
                     const ui::Form& mainForm) {
  int result = kNotChosen;
  std::string chosen;
  {
    TfrmOpenDlg frmOpenDlg(model, host, &mainForm);
    // Beside the main window: top edges aligned, left edge at its right edge.
    if (!frmOpenDlg.CreateWindowAndControls(mainForm.hwnd(), ui::Beside(mainForm.hwnd()))) {
      ui::ShowDialogNotCreated(mainForm.hwnd(), kOpenDlgDef.caption);
      return;
    }
    if (!frmOpenDlg.Fill(model.CurrentDataFile)) return;
    frmOpenDlg.ShowModal();
    result = frmOpenDlg.OpenDialogResult;
    chosen = frmOpenDlg.ChosenDataFileName;
  }
  OpenChosenDataFile(model, host, display, result, chosen);
}

std::optional<std::string> ChooseDefaultDataFile(const Model& model, DataFileHost& host,
                                                 const ui::Form& settingsDialog) {
  TfrmOpenDlg frmOpenDlg(model, host, nullptr);
  HWND settings = settingsDialog.hwnd();
  if (!frmOpenDlg.CreateWindowAndControls(settings,
                                          ui::OffsetFrom(settings, kDefaultChoiceOffset))) {
    ui::ShowDialogNotCreated(settingsDialog.hwnd(), kDefaultChoiceCaption);
    return std::nullopt;
  }
  if (!frmOpenDlg.Fill(model.DefaultDataFile)) return std::nullopt;
  frmOpenDlg.btnDefFile.SetVisible(false);
  frmOpenDlg.btnDeleteFile.SetVisible(false);
  frmOpenDlg.SetText(kDefaultChoiceCaption);
  frmOpenDlg.ShowModal();
  if (!WasChosen(frmOpenDlg.OpenDialogResult)) return std::nullopt;
  return frmOpenDlg.ChosenDataFileName;
}

}  // namespace qvn
