// A push button that shows a small picture instead of a caption. The
// pictures are drawn by the toolkit itself; a click reaches onClick. Its
// caption is not shown: a screen reader reads it as the button's name.
#pragma once

#include "ui/controls.h"
#include "ui/handles.h"

namespace ui {

enum class Glyph {
  VerticalDoubleArrow,  // an arrow pointing up and down, 15 by 25 pixels
};

class BitButton : public Control {
 public:
  explicit BitButton(Glyph glyph) : glyph_(glyph) {}
  void Place(const RECT& bounds) override;

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool HandleCommand(UINT notifyCode) override;

 private:
  // Draws the glyph at the button's DPI and shows it.
  void ShowGlyph();
  Glyph glyph_;
  UniqueIcon picture_;  // the glyph as the button shows it; the button does not destroy it
};

}  // namespace ui
