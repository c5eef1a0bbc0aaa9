// A one-line edit box.
#pragma once

#include "ui/controls.h"

namespace ui {

class EditBox : public Control {
 public:
  // Selects the whole text; typing then replaces it.
  void SelectAll();

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
};

}  // namespace ui
