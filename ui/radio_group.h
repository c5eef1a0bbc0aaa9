// A group box with a caption and a set of radio buttons laid out in columns,
// row by row. One item is selected at a time; a choice by the user reaches
// onClick after the selection has changed.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace ui {

struct RadioGroupDef {
  std::span<const wchar_t* const> items;
  int columns = 1;
};

class RadioGroup : public GroupBox {
 public:
  // Item 0 is selected as created.
  explicit RadioGroup(const RadioGroupDef& def);

  // The selected item, or -1 when none is.
  int ItemIndex() const;
  // Selects one item (none for an index outside the items) without running onClick.
  void SetItemIndex(int index);
  // The radio button of an item, for tests and keyboard focus.
  HWND ItemHandle(int index) const;
  void Place(const RECT& bounds) override;

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Where item `index` stands in a group `width` pixels wide.
  RECT ItemBounds(int index, int width) const;
  std::vector<std::wstring> items_;
  int columns_;
  std::vector<HWND> buttons_;  // children of the group, destroyed with it
};

}  // namespace ui
