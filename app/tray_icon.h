// The launcher's icon in the task tray: added with the tip chosen at that
// moment, removed again, added anew when Explorer has restarted, and its
// mouse messages handed on as calls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/handles.h"

namespace qvn {

// The message the tray icon sends the main window about the mouse on it; its
// lParam is the mouse message (WM_LBUTTONDOWN, WM_RBUTTONDOWN, ...).
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
  // window's DPI, loaded when it is added.
  explicit TrayIcon(int iconResourceId);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon for `window` with `tip`, unless it is shown already. False
  // when the shell did not take it; it is not shown then.
  bool Add(HWND window, const wchar_t* tip);
  // Removes the icon if it is shown.
  void Remove();
  // True while the icon is in the tray (TrayIconShown).
  bool Shown() const { return shown_; }
  // The tip the icon was last added with.
  const std::wstring& Tip() const { return tip_; }

  // Takes the window's messages that concern the icon: its mouse messages
  // (only a press of the left or right button means something), and the
  // taskbar's re-creation, after which a shown icon is added again. True when
  // `message` was one of them.
  bool HandleMessage(UINT message, LPARAM lParam);

  std::function<void()> onLeftButtonDown;
  std::function<void()> onRightButtonDown;
  // The taskbar came back but would not take the icon again.
  std::function<void()> onLost;

 private:
  bool Notify(DWORD action);

  int iconResourceId_;
  ui::UniqueIcon icon_;    // owned here; the shell copies it when the icon is added
  HWND window_ = nullptr;  // the main window, which owns this object
  std::wstring tip_;
  bool shown_ = false;
  // Sent to every top-level window when the taskbar has been created anew
  // (Explorer restarted); 0 when it could not be registered.
  UINT taskbarCreatedMessage_ = 0;
};

}  // namespace qvn
