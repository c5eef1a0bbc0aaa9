#include "ui/check_box.h"

namespace ui {

bool CheckBox::CreateWindowFor(HWND parent, const ControlDef& def, const RECT& r) {
  constexpr DWORD kStyle =
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_AUTOCHECKBOX | BS_VCENTER;
  HWND box = CreateWindowExW(0, L"BUTTON", def.caption, kStyle, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, parent, nullptr, Instance(), nullptr);
  if (!Subclass(box)) return false;
  SetChecked(checked_);
  return true;
}

bool CheckBox::Checked() const {
  return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
  checked_ = checked;
  SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::HandleCommand(UINT notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  checked_ = Checked();
  if (onClick) onClick();
  return true;
}

}  // namespace ui
