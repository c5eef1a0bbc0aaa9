#include "ui/combo_box.h"

#include <algorithm>

namespace ui {
namespace {

// How many offered texts the open list shows before it scrolls, and the
// height of one of them.
constexpr int kVisibleItems = 10;
constexpr int kListItemHeight = 14;

}  // namespace

int ComboBox::ListHeight(HWND parent) const {
  return Scale(parent,
               std::min(static_cast<int>(items_.size()), kVisibleItems) * kListItemHeight + 4);
}

bool ComboBox::CreateWindowFor(HWND parent, const ControlDef&, const RECT& r) {
  constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL |
                           CBS_DROPDOWN | CBS_AUTOHSCROLL;
  // A combo box's window height includes its open list.
  const int listHeight = ListHeight(parent);
  HWND box = CreateWindowExW(0, L"COMBOBOX", L"", kStyle, r.left, r.top, r.right - r.left,
                             r.bottom - r.top + listHeight, parent, nullptr, Instance(), nullptr);
  if (!Subclass(box)) return false;
  for (const auto& item : items_) {
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  return true;
}

void ComboBox::Place(const RECT& bounds) {
  RECT withList = bounds;
  withList.bottom += ListHeight(GetParent(hwnd()));
  Control::Place(withList);
}

}  // namespace ui
