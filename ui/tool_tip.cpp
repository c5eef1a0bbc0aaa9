#include "ui/tool_tip.h"

#include <commctrl.h>

namespace ui {

ToolTip::~ToolTip() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool ToolTip::Attach(const Window& control) {
  // The tooltip class belongs to the common controls beyond the standard ones.
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  const std::wstring& hint = control.hint();
  text_ = hint.substr(0, hint.find(L'|'));
  HWND owner = GetAncestor(control.hwnd(), GA_ROOT);
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                          nullptr, Instance(), nullptr);
  if (hwnd_ == nullptr) return false;
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  // TTF_SUBCLASS: the tooltip watches the control's mouse messages itself.
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
  tool.lpszText = text_.data();
  return SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

}  // namespace ui
