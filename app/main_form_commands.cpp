// Where the main window's commands meet the run guard: every menu item,
// double click, tray click and close goes through it, so that a launch or a
// dialog is one thing at a time.
#include <windows.h>

#include "app/main_form.h"
#include "app/single_copy.h"
#include "datafile/open_dialog.h"

namespace qvn {

void TMainForm::WireCommands() {
  // A run: a launch, or a command that may show a dialog or a message box.
  const auto run = [this](std::function<void()> command) {
    return [this, command = std::move(command)] { guard_.Run(command); };
  };
  // Over at once, and refused while a run is in progress.
  const auto now = [this](std::function<void()> command) {
    return [this, command = std::move(command)] { guard_.Do(command); };
  };
  PopupMenu1.Item("miStart").onClick = run([this] { GroupBox1DblClick(); });
  PopupMenu1.Item("miDataRead").onClick =
      run([this] { miDataReadClick(model_, *this, *this, *this); });
  PopupMenu1.Item("miSetup").onClick = run([this] { miSetupClick(); });
  PopupMenu1.Item("miSetToDef").onClick = run([this] { miSetToDefClick(); });
  PopupMenu1.Item("miResShow").onClick = run([this] { miResShowClick(); });
  PopupMenu1.Item("miStartup").onClick = run([this] { miStartupClick(); });
  PopupMenu1.Item("miTaskTray").onClick = now([this] { miTaskTrayClick(); });
  PopupMenu1.Item("miFormShow").onClick = now([this] { miFormShowClick(); });
  PopupMenu1.Item("miContents").onClick = run([this] { miContentsClick(); });
  PopupMenu1.Item("miAbout").onClick = run([this] { miAboutClick(); });
  // Closing asks the guard when the window receives WM_CLOSE (below).
  PopupMenu1.Item("miClose").onClick = [this] { miCloseClick(); };
  GroupBox1.onDblClick = run([this] { GroupBox1DblClick(); });
  Image1.onDblClick = run([this] { Image1DblClick(); });
  Image2.onDblClick = run([this] { Image2DblClick(); });
  Image3.onDblClick = run([this] { Image3DblClick(); });
  Image4.onDblClick = run([this] { Image4DblClick(); });
  Image5.onDblClick = run([this] { Image5DblClick(); });
  Image6.onDblClick = run([this] { Image6DblClick(); });
  Image7.onDblClick = run([this] { Image7DblClick(); });
  Image8.onDblClick = run([this] { Image8DblClick(); });
  trayIcon_.onLeftClick = now([this] { TrayIconLeftButtonDown(); });
  trayIcon_.onPopupMenu = [this](POINT at) { guard_.Do([this, at] { TrayIconPopupMenu(at); }); };
  // Explorer came back but would not take the icon: the window must show,
  // run or no run.
  trayIcon_.onLost = [this] { RestoreFromTray(); };
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (trayIcon_.HandleMessage(message, wParam, lParam)) return 0;
  if (message == SingleCopy::ComeBackMessage() && message != 0) {
    ComeBackToFront();
    return SingleCopy::kCameBack;
  }
  switch (message) {
    case WM_CLOSE:
      // The close box, 終了(&X), the taskbar, or the end of a run itself.
      if (!guard_.MayClose()) return 0;
      break;
    case WM_INITMENUPOPUP:
      // Documented in 'WM_INITMENUPOPUP message' (learn.microsoft.com): sent
      // before the menu shows, so that it can be changed; not for the window menu.
      if (HIWORD(lParam) == FALSE) PopupMenuOpening(reinterpret_cast<HMENU>(wParam));
      break;
    case WM_CONTEXTMENU: {
      // The pop-up menu's own loop would hold a run up until it closed.
      LRESULT result = 0;
      guard_.Do([&] { result = Form::HandleMessage(message, wParam, lParam); });
      return result;
    }
  }
  return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace qvn
