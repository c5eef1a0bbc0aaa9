// An editable drop-down box: a one-line edit box that takes any typed text,
// with a list of offered texts to choose from below it. Its text (Text,
// SetText) is what the edit box shows.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace ui {

struct ComboBoxDef {
  std::span<const wchar_t* const> items;  // the offered texts, in order
};

class ComboBox : public Control {
 public:
  explicit ComboBox(const ComboBoxDef& def) : items_(def.items.begin(), def.items.end()) {}
  void Place(const RECT& bounds) override;

 protected:
  // The row's height is that of the closed box; the list opens below it.
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;

 private:
  // The height of the open list below the box.
  int ListHeight(HWND parent) const;
  std::vector<std::wstring> items_;
};

}  // namespace ui
