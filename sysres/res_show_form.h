// TfrmResShow: the small borderless dialog that shows the free user, GDI and
// system resources, beside the main window. A click on its sky-blue panel
// closes it (a click on the text does not), and so does Escape.
#pragma once

#include <windows.h>

#include "sysres/resource_guard.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/handles.h"

namespace qvn {

// The dialog's panel: sky-blue, with a lowered inner bevel inside a border of
// two pixels; a left click on the panel itself (not on a label) reaches onClick.
class ResShowPanel : public ui::Panel {
 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool pressed_ = false;
};

class TfrmResShow : public ui::Form {
 public:
  explicit TfrmResShow(ui::Form& mainForm);

  // Creates the dialog and its controls, hidden; the value labels are empty.
  bool CreateWindowAndControls();

  // --- Event handlers ---
  void Panel1Click();

  // --- Controls ---
  ResShowPanel Panel1;
  ui::Label Label4;
  ui::Label Label1, lblUserRes;
  ui::Label Label2, lblGDIRes;
  ui::Label Label3, lblSysRes;

 private:
  // Gives the system row its underlined face, at the form's DPI.
  void UnderlineSystemRow();

  ui::Form& mainForm_;
  // The system row's bold, underlined face; the dialog owns it, its two
  // labels use it.
  ui::UniqueFont underlinedFont_;
};

// The menu command "リソース残量を表示(&R)..." (miResShowClick): measures the
// system, GDI and user resources, in that order, then shows them in a
// TfrmResShow beside `mainForm` and returns when it has closed.
void ShowResourceDialog(ui::Form& mainForm);
// The same with the measurement taken from `probe`.
void ShowResourceDialog(ui::Form& mainForm, ResourceProbe& probe);

}  // namespace qvn
