// A check box with its caption at the right; a click by the user reaches
// onClick after the box has changed.
#pragma once

#include "ui/controls.h"

namespace ui {

class CheckBox : public Control {
 public:
  // Checked as created, unless told otherwise before Create.
  explicit CheckBox(bool checked = false) : checked_(checked) {}

  bool Checked() const;
  // Changes the box without running onClick.
  void SetChecked(bool checked);

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
  bool HandleCommand(UINT notifyCode) override;

 private:
  bool checked_;
};

}  // namespace ui
