// The start-up sequence of the launcher, run once when the main window is
// created. It fills the shared model and tells the main window how to set
// itself up; the window and the platform are reached through StartupHost.
#pragma once

#include <string>

#include "core/errors.h"
#include "core/file_system.h"
#include "core/model.h"
#include "core/path_names.h"

namespace qvn {

// The platform identifier of the Windows 95/98/Me family
// (VER_PLATFORM_WIN32_WINDOWS); the free-resource display exists only there.
constexpr int kPlatformWin32Windows = 1;

constexpr const char* kInitialDataFileName = "Start.qvl";
constexpr const char* kConfigFileName = "Config.qvc";

class StartupHost {
 public:
  virtual ~StartupHost() = default;

  // --- The platform ---
  // Full path of the running executable, in the ANSI code page.
  virtual std::string ExecutablePath() = 0;
  virtual LeadByteRule LeadBytes() = 0;
  // The dwPlatformId that the system reports for itself.
  virtual int PlatformId() = 0;
  virtual FileSystem& Files() = 0;

  // Shows an error in the default error box.
  virtual void ShowError(const Error& error) = 0;

  // --- The main window ---
  virtual void SetStartsHidden(bool hidden) = 0;
  // Shows "タスクトレイに格納" and hides "メインウィンドウを表示", or the reverse.
  virtual void SetTrayMenuState(bool taskTrayItemVisible) = 0;
  virtual void SetResShowEnabled(bool enabled) = 0;
  // Starts sending hint changes to the hint line (DisplayHint).
  virtual void InstallHintHandler() = 0;
  // Puts the two-line default text into the hint line.
  virtual void ShowDefaultHint() = 0;
  virtual void ShowSlotIcons() = 0;
  // Adds the tray icon and keeps the window hidden.
  virtual void MoveToTray() = 0;
  // Whether the launcher's shortcut is in the Startup folder.
  virtual bool StartupLinkExists() = 0;
  // Shows "remove from Startup" or "register in Startup" in the menu.
  virtual void ShowStartupLinkState(bool registered) = 0;
  virtual void ShowSlotHints() = 0;
  // Starts putting the default text back once the cursor has left the program.
  virtual void InstallIdleHandler() = 0;
};

// Computes ProgramFolder, InitialDataFile and ConfigFile from the path of the
// running executable.
void ComputePaths(Model& model, const std::string& executablePath, LeadByteRule isLeadByte);

// Runs the whole start-up sequence in its order. A file that cannot be
// created, read or loaded is reported once; start-up then goes on with what
// it has, so that the window, its hints and its menu always work:
// - settings the configuration file could not give keep the values of a new
//   configuration file (the file itself is left as it is);
// - a default list that fails to load leaves the slots unset.
void RunStartup(Model& model, StartupHost& host);

}  // namespace qvn
