#include "app/tray_icon.h"

#include <shellapi.h>

#include "ui/window.h"

namespace qvn {
namespace {

// Version 4 of the tray (Windows Vista); older headers lack the name.
constexpr UINT kNotifyIconVersion4 = 4;

static_assert(kTrayLeftButtonDown == WM_LBUTTONDOWN && kTrayRightButtonDown == WM_RBUTTONDOWN &&
              kTrayContextMenu == WM_CONTEXTMENU && kTraySelect == NIN_SELECT &&
              kTrayKeySelect == NIN_KEYSELECT);

}  // namespace

TrayIcon::TrayIcon(int iconResourceId)
    : iconResourceId_(iconResourceId),
      taskbarCreatedMessage_(RegisterWindowMessageW(L"TaskbarCreated")) {}

TrayIcon::~TrayIcon() {
  Remove();
}

bool TrayIcon::Notify(DWORD action) {
  // The Unicode record of Windows 2000: its 128-character tip holds either
  // text whole, line break included.
  NOTIFYICONDATAW icon{};
  icon.cbSize = NOTIFYICONDATAW_V2_SIZE;
  icon.hWnd = window_;
  icon.uID = kTrayIconId;
  if (action == NIM_ADD) {
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = kTrayCallbackMessage;
    // Without an image the icon would be an invisible spot in the tray that
    // nobody could click: the system's application icon stands in.
    icon.hIcon = icon_ ? icon_.get() : LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(icon.szTip, tip_.c_str(), ARRAYSIZE(icon.szTip));
  } else if (action == NIM_SETVERSION) {
    icon.uVersion = kNotifyIconVersion4;
  }
  return Shell_NotifyIconW(action, &icon) != FALSE;
}

bool TrayIcon::AddToShell() {
  if (!Notify(NIM_ADD)) return false;
  versionFour_ = Notify(NIM_SETVERSION);
  events_.Reset();
  return true;
}

bool TrayIcon::Add(HWND window, const wchar_t* tip) {
  if (shown_) return true;
  window_ = window;
  tip_ = tip;
  // The small icon's size at the window's DPI, taken from the icon's own images.
  icon_.reset(static_cast<HICON>(LoadImageW(ui::Instance(), MAKEINTRESOURCEW(iconResourceId_),
                                            IMAGE_ICON, ui::SystemMetric(window, SM_CXSMICON),
                                            ui::SystemMetric(window, SM_CYSMICON), 0)));
  shown_ = AddToShell();
  return shown_;
}

void TrayIcon::Remove() {
  if (!shown_) return;
  // An icon the shell has lost already is gone all the same.
  Notify(NIM_DELETE);
  shown_ = false;
}

void TrayIcon::SetFocus() {
  if (shown_ && versionFour_) Notify(NIM_SETFOCUS);
}

bool TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kTrayCallbackMessage) {
    // The low word is the event in version 4 and the whole lParam before it.
    const UINT event = LOWORD(lParam);
    switch (events_.Take(event)) {
      case TrayAction::kLeftClick:
        if (onLeftClick) onLeftClick();
        break;
      case TrayAction::kPopupMenu: {
        // The shell names the point of a keyboard request (the icon's); a
        // press of the right button opens the menu where the pointer is.
        POINT at{static_cast<short>(LOWORD(wParam)), static_cast<short>(HIWORD(wParam))};
        if (!versionFour_ || event != WM_CONTEXTMENU) GetCursorPos(&at);
        if (onPopupMenu) onPopupMenu(at);
        break;
      }
      case TrayAction::kNone:
        break;
    }
    return true;
  }
  if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
    // The new taskbar has no icon of ours yet; it gets the one it had, in the
    // version it had.
    if (shown_ && !AddToShell()) {
      shown_ = false;
      if (onLost) onLost();
    }
    return true;
  }
  // The window goes: its icon must not stay behind in the tray. The window
  // itself still has its own handling of the message.
  if (message == WM_DESTROY) Remove();
  return false;
}

}  // namespace qvn
