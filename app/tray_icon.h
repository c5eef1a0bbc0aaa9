// The launcher's icon in the task tray: added with the tip chosen at that
// moment, removed again, added anew when Explorer has restarted, its image
// taken again at a new DPI, and its mouse and keyboard events handed on as
// calls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/tray_click.h"
#include "ui/handles.h"

namespace qvn {

// The message the tray icon sends the main window about the events on it. In
// version 4 of the tray its lParam holds the event (WM_LBUTTONDOWN,
// NIN_KEYSELECT, WM_CONTEXTMENU, ...) in its low word and the icon's id in
// its high word, and its wParam the point on the screen the event is about.
constexpr UINT kTrayCallbackMessage = WM_APP + 1;
constexpr UINT kTrayIconId = 1;

// The tip, chosen when the icon is added: a left click starts the screen
// saver, or brings the main window back.
constexpr wchar_t kScreenSaverTip[] =
    L"左クリック: スクリーンセーバー\r\n右クリック: ポップアップメニュー";
constexpr wchar_t kMainWindowTip[] =
    L"左クリック: メインウィンドウ\r\n右クリック: ポップアップメニュー";

class TrayIcon {
 public:
  // The icon is that resource of the program at the small icon size of the
  // window's DPI, loaded when it is added and again when the DPI changes.
  explicit TrayIcon(int iconResourceId);
  // A shown icon goes with its object.
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon for `window` with `tip`, unless it is shown already. False
  // when the shell did not take it; it is not shown then.
  bool Add(HWND window, const wchar_t* tip);
  // Removes the icon if it is shown.
  void Remove();
  // The window's DPI has changed: a shown icon takes its image at the new size.
  void DpiChanged();
  // Gives the keyboard focus back to the icon in the notification area, as
  // after a menu that was opened from it and dismissed with Escape.
  void SetFocus();
  // True while the icon is in the tray (TrayIconShown).
  bool Shown() const { return shown_; }
  // The tip the icon was last added with.
  const std::wstring& Tip() const { return tip_; }

  // Takes the window's messages that concern the icon: its events (a left
  // click or its keyboard form, and the pop-up menu's mouse or keyboard
  // request), the taskbar's re-creation, after which a shown icon is added
  // again, and the window's end, which removes the icon. True when `message`
  // was taken and needs no further handling.
  // TaskbarCreated comes from Explorer, which may run with less privilege
  // than this program: the main window lets it through.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  std::function<void()> onLeftClick;
  // The menu is asked for at a point on the screen.
  std::function<void(POINT at)> onPopupMenu;
  // The taskbar came back but would not take the icon again.
  std::function<void()> onLost;

  // The registered message TaskbarCreated; 0 when it could not be registered.
  UINT TaskbarCreatedMessage() const { return taskbarCreatedMessage_; }

 private:
  bool Notify(DWORD action);
  // NIM_ADD, then version 4 of the tray, which the keyboard needs; a shell
  // without it keeps sending the mouse messages alone.
  bool AddToShell();
  // The image at the small icon size of the window's DPI.
  void LoadImageForDpi();
  void HandleEvent(WPARAM wParam, LPARAM lParam);

  int iconResourceId_;
  ui::UniqueIcon icon_;    // owned here; the shell copies it when the icon is added
  HWND window_ = nullptr;  // the main window, which owns this object
  std::wstring tip_;
  bool shown_ = false;
  bool versionFour_ = false;  // the shell took NIM_SETVERSION 4
  // Sent to every top-level window when the taskbar has been created anew
  // (Explorer restarted); 0 when it could not be registered.
  UINT taskbarCreatedMessage_ = 0;
};

}  // namespace qvn
