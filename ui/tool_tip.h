// The system's tooltip for one control: the short part of the control's hint
// shows while the pointer rests on it. Most of the program's windows show no
// tooltips; a form gives one to the few controls that have it.
#pragma once

#include <windows.h>

#include <string>

#include "ui/window.h"

namespace ui {

class ToolTip {
 public:
  ToolTip() = default;
  ~ToolTip();
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;

  // Shows the short part of `control`'s hint over it; false when the
  // system could not make the tooltip (the control then has none).
  bool Attach(const Window& control);

 private:
  HWND hwnd_ = nullptr;  // owned: destroyed with this object
  std::wstring text_;    // the tooltip keeps a pointer to it
};

}  // namespace ui
