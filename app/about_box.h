// TAboutBox: the version dialog, shown beside the main window.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/handles.h"

namespace qvn {

class TAboutBox : public ui::Form {
 public:
  explicit TAboutBox(ui::Form& mainForm);

  // Creates the dialog, shows it modally and returns when it has closed. A
  // dialog that cannot be made is reported, and IDCANCEL returned.
  int Execute();

  ui::Panel Panel1;
  ui::Image ProgramIcon;
  ui::Label ProductName;
  ui::Label Version;
  ui::Button OKButton{IDOK, /*isDefault=*/true};

 private:
  int NotCreated();
  // Loads the program's icon at the size the dialog's DPI asks for.
  void ShowProgramIcon();

  ui::Form& mainForm_;
  ui::UniqueIcon programIcon_;  // owned here; ProgramIcon shows it
};

}  // namespace qvn
