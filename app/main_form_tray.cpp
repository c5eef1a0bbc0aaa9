// TMainForm in the task tray: the two menu commands, the moves into the tray
// and back, and the clicks on the tray icon.
#include <windows.h>

#include "app/main_form.h"
#include "app/tray_click.h"
#include "ui/application.h"

namespace qvn {

void TMainForm::miTaskTrayClick() {
  MoveToTray();
}

void TMainForm::miFormShowClick() {
  RestoreFromTray();
}

void TMainForm::AddTrayIcon() {
  trayIcon_.Add(hwnd(), model_.StartScreenSaverOnIconClick ? kScreenSaverTip : kMainWindowTip);
}

void TMainForm::RemoveTrayIcon() {
  trayIcon_.Remove();
}

void TMainForm::MoveToTray() {
  AddTrayIcon();
  if (TrayIconShown()) Hide();
}

void TMainForm::RestoreFromTray() {
  RemoveTrayIcon();
  SetTrayMenuState(/*taskTrayItemVisible=*/true);
  InvalidateRect(hwnd(), nullptr, TRUE);
  Show();  // FormShow puts the window back at the top-left corner
}

void TMainForm::StartScreenSaver() {
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

void TMainForm::TrayIconLeftButtonDown() {
  switch (TrayLeftClick(model_, [this] { return launchHost_.ResourcesBelowLimit(); })) {
    case TrayClick::kRestoreFromTray:
      RestoreFromTray();
      break;
    case TrayClick::kStartScreenSaver:
      StartScreenSaver();
      break;
    case TrayClick::kNothing:
      break;
  }
}

void TMainForm::TrayIconPopupMenu(POINT at) {
  SetTrayMenuState(/*taskTrayItemVisible=*/false);
  ui::application::ProcessPendingMessages();
  // Popup brings the window to the foreground first. A menu dismissed with
  // Escape leaves it there; the keyboard then goes back to the notification
  // area it came from. A click elsewhere has given the foreground away.
  if (!PopupMenu1.Popup(hwnd(), at) && GetForegroundWindow() == hwnd()) trayIcon_.SetFocus();
}

void TMainForm::ComeBackToFront() {
  // As the tray's command "メインウィンドウを表示(&M)" would, and refused
  // like it while a run holds the window.
  guard_.Do([this] {
    if (TrayIconShown()) {
      miFormShowClick();
    } else if (IsIconic(hwnd())) {
      ShowWindow(hwnd(), SW_RESTORE);
    }
  });
  // A dialog that is open stands in front of the window and takes the input.
  SetForegroundWindow(GetLastActivePopup(hwnd()));
}

void TMainForm::SetTrayMenuState(bool taskTrayItemVisible) {
  PopupMenu1.Item("miTaskTray").visible = taskTrayItemVisible;
  PopupMenu1.Item("miFormShow").visible = !taskTrayItemVisible;
}

}  // namespace qvn
