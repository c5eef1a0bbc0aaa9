// TAboutBox: the version dialog, shown beside the main window.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"

namespace qvn {

class TAboutBox : public ui::Form {
 public:
  explicit TAboutBox(ui::Form& mainForm);

  // Creates the dialog, shows it modally and returns when it has closed. A
  // dialog that cannot be made is reported, and IDCANCEL returned.
  int Execute();
  void FormShow();

  ui::Panel Panel1;
  ui::Image ProgramIcon;
  ui::Label ProductName;
  ui::Label Version;
  ui::Button OKButton{IDOK, /*isDefault=*/true};

 private:
  int NotCreated();

  ui::Form& mainForm_;
};

}  // namespace qvn
