// A one-line edit box.
#pragma once

#include "ui/controls.h"

namespace ui {

struct EditBoxDef {
  bool readOnly = false;  // shows a text the user can select and copy but not change
  bool tabStop = true;    // Tab stops at the box
};

class EditBox : public Control {
 public:
  explicit EditBox(const EditBoxDef& def = {}) : def_(def) {}

  // Selects the whole text; typing then replaces it.
  void SelectAll();

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;

 private:
  EditBoxDef def_;
};

}  // namespace ui
