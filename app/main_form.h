// TMainForm: the launcher's main window. A narrow strip with the row of slot
// icons, the hint line below it and the pop-up menu that reaches everything
// else. Its creation runs the start-up sequence.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/startup.h"
#include "app/tray_icon.h"
#include "core/model.h"
#include "core/win32_file_system.h"
#include "datafile/data_file_host.h"
#include "launch/launch_sequence.h"
#include "settings/setup_form.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/popup_menu.h"

namespace qvn {

// A running copy is found by both: another window titled "Quorvane" (a folder
// window, say) is not the launcher.
constexpr wchar_t kMainWindowClass[] = L"TMainForm";
constexpr wchar_t kMainWindowTitle[] = L"Quorvane";

// What the hint line shows while the pointer is not over the program.
constexpr wchar_t kDefaultHintText[] =
    L"ここにカーソル位置に対応するヒントが表示されます.\r\n"
    L"★データファイル名には,表示される候補名を使用してください.";

class TMainForm : public ui::Form,
                  public SlotDisplay,
                  public DataFileHost,
                  private StartupHost,
                  private LaunchHost,
                  private SetupHost {
 public:
  // `executablePath` is the running program's full path in the ANSI code page;
  // the launcher keeps its files beside it.
  TMainForm(Model& model, std::string executablePath);
  ~TMainForm() override;

  // Creates the window and its controls, hidden; FormCreate sets them up.
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
  void Image1DblClick() { LaunchSlot(&Image1); }
  void Image2DblClick() { LaunchSlot(&Image2); }
  void Image3DblClick() { LaunchSlot(&Image3); }
  void Image4DblClick() { LaunchSlot(&Image4); }
  void Image5DblClick() { LaunchSlot(&Image5); }
  void Image6DblClick() { LaunchSlot(&Image6); }
  void Image7DblClick() { LaunchSlot(&Image7); }
  void Image8DblClick() { LaunchSlot(&Image8); }
  void GroupBox1DblClick();

  // --- The task tray ---
  void AddTrayIcon();
  void RemoveTrayIcon();
  void MoveToTray() override;
  void RestoreFromTray();
  void StartScreenSaver();

  // --- The Startup shortcut ---
  // Creates the shortcut when StartupLinkRegistered is false and deletes it
  // when it is true, then says so. From the settings dialog, `settingsDialog`
  // and its `btnStartup` are given: the button's caption follows too and the
  // message stands at the dialog.
  void ToggleStartupShortcut(ui::Form* settingsDialog = nullptr,
                             ui::Control* btnStartup = nullptr) override;
  // The shortcut's path; empty when the shell gives no Startup folder.
  std::string StartupLinkPath();
  void DisplayHint(const std::wstring& hint);
  void IdleHintCheck();

  // Brings the icons of the slot row in line with SlotList.
  void ShowSlotIcons() override;
  // Brings the group's and the icons' hints in line with SlotList.
  void ShowSlotHints() override;
  // Shows an error of the launcher's own logic in the default error box.
  void ShowError(const Error& error) override;
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
  // StartupHost
  std::string ExecutablePath() override { return executablePath_; }
  LeadByteRule LeadBytes() override;
  int PlatformId() override;
  FileSystem& Files() override { return files_; }
  void SetStartsHidden(bool hidden) override { startsHidden_ = hidden; }
  void SetTrayMenuState(bool taskTrayItemVisible) override;
  void SetResShowEnabled(bool enabled) override;
  void InstallHintHandler() override;
  void ShowDefaultHint() override;
  void InstallIdleHandler() override;

  bool StartupLinkExists() override;
  // LaunchHost
  void StartSlotProgram(int index) override;
  void Pause(std::int32_t milliseconds) override;
  bool ResourcesBelowLimit() override;
  void ShowLaunchMessage(LaunchMessage message) override;
  LaunchAnswer ConfirmLaunch(LaunchMessage question) override;
  void BringLauncherToFront() override;
  void CloseLauncher() override { miCloseClick(); }

  void LaunchSlot(ui::Image* image);
  void ShowStartupLinkState(bool registered) override;

  // SetupHost
  ui::Form& MainWindow() override { return *this; }
  ui::SharedIcon SlotIcon(int index) override { return slotIcons_[index]; }
  void TakeSlotIcons(const std::array<ui::SharedIcon, kSlotCount>& icons) override;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void TrayCallback(LPARAM mouseMessage);
  ui::Image* SlotImage(int index);

  Model& model_;
  std::string executablePath_;
  Win32FileSystem files_;
  // The icons of the slot row, shared with the settings dialog while it is
  // open; each lives until no image shows it any more.
  std::array<ui::SharedIcon, kSlotCount> slotIcons_;
  ui::UniqueIcon trayIcon_;
  // Sent to every top-level window when the taskbar has been created anew
  // (Explorer restarted); the tray icon must then be added again.
  UINT taskbarCreatedMessage_ = 0;
  bool startsHidden_ = false;
};

}  // namespace qvn
