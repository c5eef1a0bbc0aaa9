// TfrmSaveDlg: saving the launch list being edited in the settings dialog.
// It lists the data files and proposes a name made of the programs' names;
// the save sequence then writes the list under the accepted name and makes
// that file the current list (on request also the default one).
#pragma once

#include <string>

#include "core/model.h"
#include "core/slot_display.h"
#include "datafile/data_file.h"
#include "datafile/data_file_host.h"
#include "ui/controls.h"
#include "ui/edit_box.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/tool_tip.h"

namespace qvn {

// The save sequence of the settings dialog's "設定保存(&S)...", for a list
// whose slot No.1 is set: the dialog stands 62 pixels right of and 192 below
// `settingsDialog`'s top-left corner and proposes SuggestDataFileName(paths).
// When the user accepts a name, `paths` and `codes` (the slots' window sizes)
// are written to ProgramFolder + the name with ".qvl" as its extension, read
// back into SlotList and shown on the main window; the file becomes
// CurrentDataFile, and with "デフォルトファイルに設定して保存(&D)" also
// DefaultDataFile, written to the configuration file when it exists. Errors
// are shown. True when the list was written and read back.
bool RunSaveSequence(Model& model, DataFileHost& host, SlotDisplay& display,
                     const ui::Form& settingsDialog, const SlotPaths& paths,
                     const SlotCodes& codes);

class TfrmSaveDlg : public ui::Form {
 public:
  TfrmSaveDlg(const Model& model, DataFileHost& host, const ui::Form& settingsDialog);

  // Creates the dialog and its controls, hidden, owned by the settings dialog.
  bool CreateWindowAndControls();

  // --- Event handlers ---
  void lbxSavedFileListClick();
  void btnSaveClick();
  void btnSaveAsDefClick();
  void btnCancelClick();

  // --- State ---
  int SaveDialogResult = kNotChosen;
  std::string ChosenSaveName;  // the accepted name, as typed

  // --- Controls ---
  ui::Label Label1;
  ui::ListBox lbxSavedFileList{{.sorted = true, .horizontalScroll = true}};
  ui::Label Label2;
  ui::EditBox edtSaveFileName;
  ui::Button btnSaveAsDef, btnSave, btnCancel;

 private:
  // Accepts the typed name with `result`, or says why not and stays open.
  void Accept(int result);

  const Model& model_;
  DataFileHost& host_;
  const ui::Form& settingsDialog_;
  // Shows the name box's tooltip; it goes before the box does.
  ui::ToolTip nameTip_;
};

}  // namespace qvn
