#include "ui/edit_box.h"

namespace ui {

bool EditBox::CreateWindowFor(HWND parent, const ControlDef&, const RECT& r) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_AUTOHSCROLL |
                      (def_.tabStop ? WS_TABSTOP : 0) | (def_.readOnly ? ES_READONLY : 0);
  HWND edit =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, r.left, r.top, r.right - r.left,
                      r.bottom - r.top, parent, nullptr, Instance(), nullptr);
  return Subclass(edit);
}

void EditBox::SelectAll() {
  SendMessageW(hwnd(), EM_SETSEL, 0, -1);
}

}  // namespace ui
