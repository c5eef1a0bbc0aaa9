#include "app/tray_icon.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstddef>

#include "ui/shell_icon.h"
#include "ui/window.h"

namespace qvn {
namespace {

// Version 4 of the tray and the standard tip kept with it (Windows Vista):
// this program is built with the headers of Windows XP, which lack them.
constexpr UINT kNotifyIconVersion4 = 4;
constexpr UINT kShowTip = 0x00000080;  // NIF_SHOWTIP

// The record as Windows Vista and later know it: the record of Windows XP
// that the headers give, and the balloon's own icon.
struct NotifyIconDataFull : NOTIFYICONDATAW {
  HICON hBalloonIcon;
};
static_assert(sizeof(NotifyIconDataFull) == (sizeof(void*) == 8 ? 976 : 956));

static_assert(kTrayLeftButtonDown == WM_LBUTTONDOWN && kTrayRightButtonDown == WM_RBUTTONDOWN &&
              kTrayContextMenu == WM_CONTEXTMENU && kTraySelect == NIN_SELECT &&
              kTrayKeySelect == NIN_KEYSELECT);

// shell32's version; 4.0 when it has no DllGetVersion (before Internet
// Explorer 4's shell). shell32 is loaded already: the tray needs it.
ShellVersion Shell32Version() {
  const auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"shell32.dll"), "DllGetVersion")));
  DLLVERSIONINFO info{sizeof info};
  if (getVersion == nullptr || FAILED(getVersion(&info))) return {4, 0, 0};
  return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

// The size of the record that the running shell understands. Documented in
// 'NOTIFYICONDATAW structure' (learn.microsoft.com): a shell given a size
// it does not know may fail the call, and one given an older size ignores
// the flags that came after it, NIF_SHOWTIP among them.
DWORD RecordSize() {
  static const TrayRecordSize size = TrayRecordSizeFor(Shell32Version());
  switch (size) {
    case TrayRecordSize::kFull:
      return sizeof(NotifyIconDataFull);
    case TrayRecordSize::kV3:
      return offsetof(NotifyIconDataFull, hBalloonIcon);
    case TrayRecordSize::kV2:
      return NOTIFYICONDATAW_V2_SIZE;
    case TrayRecordSize::kV1:
      break;
  }
  return NOTIFYICONDATAW_V1_SIZE;
}

}  // namespace

TrayIcon::TrayIcon(int iconResourceId)
    : iconResourceId_(iconResourceId),
      taskbarCreatedMessage_(RegisterWindowMessageW(L"TaskbarCreated")) {}

TrayIcon::~TrayIcon() {
  Remove();
}

bool TrayIcon::Notify(DWORD action) {
  NotifyIconDataFull icon{};
  icon.cbSize = RecordSize();
  icon.hWnd = window_;
  icon.uID = kTrayIconId;
  if (action == NIM_ADD || action == NIM_MODIFY) {
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    // Documented in 'NOTIFYICONDATAW structure' (learn.microsoft.com): with
    // version 4 the standard tip shows only with NIF_SHOWTIP, a flag the
    // full-size record alone carries.
    if (icon.cbSize == sizeof(NotifyIconDataFull)) icon.uFlags |= kShowTip;
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

void TrayIcon::LoadImageForDpi() {
  // Documented in 'NOTIFYICONDATAW structure' (learn.microsoft.com): the
  // icon is given at the small icon size of the DPI, which the shell would
  // otherwise scale up from a smaller image.
  icon_ = ui::IconAtSize(ui::Instance(), MAKEINTRESOURCEW(iconResourceId_),
                         ui::SystemMetric(window_, SM_CXSMICON));
}

bool TrayIcon::AddToShell() {
  LoadImageForDpi();
  if (!Notify(NIM_ADD)) return false;
  versionFour_ = Notify(NIM_SETVERSION);
  return true;
}

bool TrayIcon::Add(HWND window, const wchar_t* tip) {
  if (shown_) return true;
  window_ = window;
  tip_ = tip;
  shown_ = AddToShell();
  return shown_;
}

void TrayIcon::Remove() {
  if (!shown_) return;
  // An icon the shell has lost already is gone all the same.
  Notify(NIM_DELETE);
  shown_ = false;
}

void TrayIcon::DpiChanged() {
  if (!shown_) return;
  // The shell has copied the old image; the new one replaces it. Should the
  // shell refuse it, the old image stays, which is still an icon to click.
  LoadImageForDpi();
  Notify(NIM_MODIFY);
}

void TrayIcon::SetFocus() {
  if (shown_ && versionFour_) Notify(NIM_SETFOCUS);
}

void TrayIcon::HandleEvent(WPARAM wParam, LPARAM lParam) {
  // The low word is the event in version 4 and the whole lParam before it.
  switch (TrayEventAction(LOWORD(lParam), versionFour_)) {
    case TrayAction::kLeftClick:
      if (onLeftClick) onLeftClick();
      break;
    case TrayAction::kPopupMenu: {
      // Documented in 'NOTIFYICONDATAW structure' (learn.microsoft.com),
      // uCallbackMessage: in version 4 wParam holds the point the event is
      // about, each coordinate signed (GET_X_LPARAM, GET_Y_LPARAM).
      POINT at{};
      if (const auto anchor = TrayMenuAnchor(versionFour_, wParam)) {
        at = POINT{anchor->x, anchor->y};
      } else {
        GetCursorPos(&at);
      }
      if (onPopupMenu) onPopupMenu(at);
      break;
    }
    case TrayAction::kNone:
      break;
  }
}

bool TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kTrayCallbackMessage) {
    HandleEvent(wParam, lParam);
    return true;
  }
  if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
    // The new taskbar has no icon of ours yet; it gets the one it had, in the
    // version it had, at the DPI of now.
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
