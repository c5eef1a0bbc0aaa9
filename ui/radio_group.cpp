#include "ui/radio_group.h"

#include <algorithm>

namespace ui {
namespace {

// The buttons' command ids; item i has kFirstItemId + i.
constexpr int kFirstItemId = 100;
// Room for the caption above the buttons, and the margin inside the frame.
constexpr int kCaptionHeight = 14;
constexpr int kMargin = 8;
constexpr int kItemHeight = 18;

}  // namespace

RadioGroup::RadioGroup(const RadioGroupDef& def)
    : items_(def.items.begin(), def.items.end()), columns_(std::max(def.columns, 1)) {}

RECT RadioGroup::ItemBounds(int index, int width) const {
  HWND parent = GetParent(hwnd());
  const int columnWidth = (width - 2 * Scale(parent, kMargin)) / columns_;
  const int left = Scale(parent, kMargin) + index % columns_ * columnWidth;
  const int top = Scale(parent, kCaptionHeight + index / columns_ * kItemHeight);
  return RECT{left, top, left + columnWidth, top + Scale(parent, kItemHeight)};
}

bool RadioGroup::CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) {
  if (!GroupBox::CreateWindowFor(parent, def, bounds)) return false;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const RECT item = ItemBounds(static_cast<int>(i), bounds.right - bounds.left);
    // The first button starts the group and is the one Tab reaches; the
    // arrow keys move between the others.
    const DWORD style =
        WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
    HWND button = CreateWindowExW(0, L"BUTTON", items_[i].c_str(), style, item.left, item.top,
                                  item.right - item.left, item.bottom - item.top, hwnd(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstItemId + i)),
                                  Instance(), nullptr);
    if (button == nullptr) return false;
    buttons_.push_back(button);
  }
  SetItemIndex(0);
  return true;
}

void RadioGroup::Place(const RECT& bounds) {
  GroupBox::Place(bounds);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const RECT item = ItemBounds(static_cast<int>(i), bounds.right - bounds.left);
    SetWindowPos(buttons_[i], nullptr, item.left, item.top, item.right - item.left,
                 item.bottom - item.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int RadioGroup::ItemIndex() const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (SendMessageW(buttons_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return static_cast<int>(i);
  }
  return -1;
}

void RadioGroup::SetItemIndex(int index) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const bool selected = static_cast<int>(i) == index;
    SendMessageW(buttons_[i], BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

HWND RadioGroup::ItemHandle(int index) const {
  return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[index] : nullptr;
}

LRESULT RadioGroup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      for (HWND button : buttons_) SendMessageW(button, WM_SETFONT, wParam, lParam);
      break;
    case WM_COMMAND:
      // The buttons are the group's own children, not controls of their own.
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= kFirstItemId &&
          LOWORD(wParam) < kFirstItemId + buttons_.size()) {
        if (onClick) onClick();
        return 0;
      }
      break;
  }
  return GroupBox::HandleMessage(message, wParam, lParam);
}

}  // namespace ui
