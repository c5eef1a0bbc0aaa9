#include "app/tray_icon.h"

#include <shellapi.h>

#include "ui/window.h"

namespace qvn {

TrayIcon::TrayIcon(int iconResourceId)
    : iconResourceId_(iconResourceId),
      taskbarCreatedMessage_(RegisterWindowMessageW(L"TaskbarCreated")) {}

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
  }
  return Shell_NotifyIconW(action, &icon) != FALSE;
}

bool TrayIcon::Add(HWND window, const wchar_t* tip) {
  if (shown_) return true;
  window_ = window;
  tip_ = tip;
  // The small icon's size at the window's DPI, taken from the icon's own images.
  icon_.reset(static_cast<HICON>(LoadImageW(ui::Instance(), MAKEINTRESOURCEW(iconResourceId_),
                                            IMAGE_ICON, ui::SystemMetric(window, SM_CXSMICON),
                                            ui::SystemMetric(window, SM_CYSMICON), 0)));
  shown_ = Notify(NIM_ADD);
  return shown_;
}

void TrayIcon::Remove() {
  if (!shown_) return;
  // An icon the shell has lost already is gone all the same.
  Notify(NIM_DELETE);
  shown_ = false;
}

bool TrayIcon::HandleMessage(UINT message, LPARAM lParam) {
  if (message == kTrayCallbackMessage) {
    if (lParam == WM_LBUTTONDOWN && onLeftButtonDown) onLeftButtonDown();
    if (lParam == WM_RBUTTONDOWN && onRightButtonDown) onRightButtonDown();
    return true;
  }
  if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
    // The new taskbar has no icon of ours yet; it gets the one it had.
    if (shown_ && !Notify(NIM_ADD)) {
      shown_ = false;
      if (onLost) onLost();
    }
    return true;
  }
  return false;
}

}  // namespace qvn
