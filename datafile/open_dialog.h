// TfrmOpenDlg: the choice of a data file. It lists the data files of the
// program's folder, shows the icons of the programs in the selected one, and
// opens, deletes or chooses one. Two uses: the read command of the main
// window's menu, and the choice of the default file in the settings dialog.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model.h"
#include "core/slot_display.h"
#include "datafile/data_file.h"
#include "datafile/data_file_host.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/list_box.h"

namespace qvn {

// The read command "連続起動データ読み込み(&R)...": the dialog beside
// `mainForm`, then the chosen file becomes the current list (and, with
// "デフォルトファイルに設定して開く(&D)", the default one).
void miDataReadClick(Model& model, DataFileHost& host, SlotDisplay& display,
                     const ui::Form& mainForm);

// The choice of the default data file, for the settings dialog's "選択...":
// the dialog captioned "連続起動デフォルトファイルの選択" with only "開く(&O)"
// and "キャンセル(&C)", 40 pixels below and 3 right of `settingsDialog`'s
// top-left corner, with the entry of DefaultDataFile selected and previewed.
// The list entry the user opened (a file name as listed, "report.qvl"), or
// nothing when none was chosen. Nothing in the model or on disk changes.
std::optional<std::string> ChooseDefaultDataFile(const Model& model, DataFileHost& host,
                                                 const ui::Form& settingsDialog);

// An icon image that owns the icon it shows.
class PreviewImage : public ui::Image {
 public:
  // Shows `icon` (or nothing) and destroys the icon shown before.
  void Show(ui::UniqueIcon icon);

 private:
  ui::UniqueIcon icon_;
};

class TfrmOpenDlg : public ui::Form {
 public:
  // `mainForm`: the main window, beside which the read command's message
  // boxes stand; nullptr in the default choice, which shows none.
  TfrmOpenDlg(const Model& model, DataFileHost& host, const ui::Form* mainForm);

  // Creates the dialog and its controls, hidden, owned by `owner`, with its
  // top-left corner at `topLeft` (kept on the screen).
  bool CreateWindowAndControls(HWND owner, POINT topLeft);
  // Lists the data files, selects the entry of `file` and previews `file`.
  // False, with the error shown, when the file is there but cannot be read.
  bool Fill(const std::string& file);

  // --- Event handlers ---
  void lbxFileListClick();
  void btnOpenClick();
  void btnDefFileClick();
  void btnCancelClick();
  void btnDeleteFileClick();
  // Shows PreviewSlotPaths as icons in Image1 to Image8.
  void ShowPreview();

  // --- State ---
  SlotPaths PreviewSlotPaths;
  int OpenDialogResult = kNotChosen;
  std::string ChosenDataFileName;  // the entry opened, as listed

  // --- Controls ---
  ui::Label Label1;
  ui::GroupBox GroupBox1;
  ui::Label Label2;  // the white strip behind the icons
  PreviewImage Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8;
  ui::ListBox lbxFileList{{.sorted = true, .horizontalScroll = true}};
  ui::Button btnDeleteFile, btnDefFile, btnOpen, btnCancel;

 private:
  // The file name of the selected entry; nothing when none is selected.
  std::optional<std::string> SelectedEntry() const;
  // Selects the entry of `file` (none when it is not listed) and previews
  // it. False, with the error shown, when it is there but cannot be read.
  bool SelectAndPreview(const std::string& file);
  // Shows the programs of `file`; as SelectAndPreview without the selection.
  bool Preview(const std::string& file);
  void Choose(int result);
  // The error box over this dialog.
  void ShowError(const FileError& error);
  // Where the read command's message boxes stand.
  POINT MessagePlace() const;

  const Model& model_;
  DataFileHost& host_;
  const ui::Form* mainForm_;
  // The listed names in the ANSI code page; an entry's item data is its index.
  std::vector<std::string> entries_;
};

}  // namespace qvn
