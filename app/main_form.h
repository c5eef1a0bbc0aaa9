// TMainForm: the launcher's main window. A narrow strip with the row of slot
// icons, the hint line below it and the pop-up menu that reaches everything
// else. Its creation runs the start-up sequence.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/launch_host.h"
#include "app/run_guard.h"
#include "app/slot_row.h"
#include "app/tray_icon.h"
#include "core/ansi_text.h"
#include "core/errors.h"
#include "core/model.h"
#include "core/slot_display.h"
#include "core/win32_file_system.h"
#include "datafile/data_file_host.h"
#include "settings/setup_host.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/popup_menu.h"

namespace qvn {

// A running copy is found by both: another window titled "Quorvane" (a folder
// window, say) is not the launcher. The title is the application's too.
constexpr wchar_t kMainWindowClass[] = L"TMainForm";
constexpr wchar_t kMainWindowTitle[] = L"Quorvane";

// What the hint line shows while the pointer is not over the program.
constexpr wchar_t kDefaultHintText[] =
    L"ここにカーソル位置に対応するヒントが表示されます.\r\n"
    L"★データファイル名には,表示される候補名を使用してください.";

class TMainForm : public ui::Form, public SlotDisplay, public DataFileHost, private SetupHost {
 public:
  // `executablePath` is the running program's full path in the ANSI code page;
  // the launcher keeps its files beside it.
  TMainForm(Model& model, std::string executablePath);
  ~TMainForm() override;

  // Creates the window and its controls, hidden; FormCreate sets them up.
  // False when one of them could not be made.
  bool CreateWindowAndControls();
  // Whether start-up left the window hidden (it lives in the task tray then).
  bool StartsHidden() const { return startsHidden_; }

  // --- Event handlers ---
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDestroy();
  void miCloseClick();
  void miAboutClick();
  void miContentsClick();
  void miSetToDefClick();
  void miTaskTrayClick();
  void miFormShowClick();
  void miStartupClick();
  void miResShowClick();
  void miSetupClick();
  // A double click on an icon starts its slot's program; on the group, all of them.
  void Image1DblClick() { LaunchSlot(0); }
  void Image2DblClick() { LaunchSlot(1); }
  void Image3DblClick() { LaunchSlot(2); }
  void Image4DblClick() { LaunchSlot(3); }
  void Image5DblClick() { LaunchSlot(4); }
  void Image6DblClick() { LaunchSlot(5); }
  void Image7DblClick() { LaunchSlot(6); }
  void Image8DblClick() { LaunchSlot(7); }
  void GroupBox1DblClick();
  // Shows the hint line's text. When the pointer leaves the program's
  // windows the toolkit's rule (ui::HintLine::IdleHintCheck) gives
  // kDefaultHintText.
  void DisplayHint(const std::wstring& hint);

  // --- The task tray ---
  void AddTrayIcon();
  void RemoveTrayIcon();
  // Adds the tray icon and hides the window; a window whose icon the shell
  // refused stays shown, or nothing would bring it back.
  void MoveToTray();
  void RestoreFromTray();
  void StartScreenSaver();
  bool TrayIconShown() const { return trayIcon_.Shown(); }
  const std::wstring& TrayIconTip() const { return trayIcon_.Tip(); }

  // --- The Startup shortcut ---
  // From the settings dialog, `settingsDialog` and its `btnStartup` are
  // given: the button's caption follows too and the message stands at the
  // dialog.
  void ToggleStartupShortcut(ui::Form* settingsDialog = nullptr,
                             ui::Control* btnStartup = nullptr) override;

  // --- SlotDisplay ---
  void ShowSlotIcons() override;
  void ShowSlotHints() override;

  // Shows an error of the launcher's own logic in the default error box.
  void ShowError(const Error& error) override;

  // --- DataFileHost ---
  FileSystem& Files() override { return files_; }
  LeadByteRule LeadBytes() override { return IsAnsiLeadByte; }
  // Rewrites Config.qvc from the settings in memory, when it exists.
  std::optional<Error> RewriteConfiguration() override;

  // --- Controls ---
  ui::Panel Panel1;
  ui::Label Label1;  // the hint line
  ui::GroupBox GroupBox1;
  ui::Label Label2;  // the white strip behind the icons
  ui::Image Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8;
  ui::PopupMenu PopupMenu1;

 private:
  // --- SetupHost ---
  ui::Form& MainWindow() override { return *this; }
  ui::SharedIcon SlotIcon(int index) override { return slotRow_.Icon(index); }
  void TakeSlotIcons(const std::array<ui::SharedIcon, kSlotCount>& icons) override {
    slotRow_.TakeIcons(icons);
  }
  bool StartupLinkExists() override;

  // Hands every command to its handler through the run guard.
  void WireCommands();
  void LaunchSlot(int index);
  // A left click on the tray icon, or its keyboard form.
  void TrayIconLeftButtonDown();
  // The pop-up menu asked for from the tray icon, by mouse or keyboard.
  void TrayIconPopupMenu(POINT at);
  // A second copy asks this one to come back from the tray and to the front.
  void ComeBackToFront();
  // The menu is about to open: the Startup item reads the shortcut's state
  // as found now, by the rule of start-up.
  void PopupMenuOpening(HMENU menu);
  // Shows "タスクトレイに格納" and hides "メインウィンドウを表示", or the reverse.
  void SetTrayMenuState(bool taskTrayItemVisible);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  Model& model_;
  std::string executablePath_;
  Win32FileSystem files_;
  MainWindowLaunchHost launchHost_{model_, *this, [this] { MoveToTray(); },
                                   [this] { miCloseClick(); }};
  SlotRow slotRow_{GroupBox1,
                   {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Image8}};
  TrayIcon trayIcon_;
  // One thing at a time: a close put off by a run is carried out after it.
  RunGuard guard_{[this] { Close(); }};
  bool startsHidden_ = false;
};

}  // namespace qvn
