// The start-up sequence of the launcher, run once when the main window is
// created. It fills the shared model from the program's files and answers
// how the main window is to set itself up; the window does that itself.
#pragma once

#include <string>
#include <vector>

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

// What start-up reads of the system it runs on.
struct StartupPlatform {
  // Full path of the running executable, in the ANSI code page.
  std::string executablePath;
  LeadByteRule leadBytes = nullptr;
  // The dwPlatformId that the system reports for itself.
  int platformId = 0;
  // Where the launcher's shortcut in the Startup folder would be; empty when
  // the shell gives no Startup folder.
  std::string startupLinkPath;
};

// What start-up found, for the main window to act on, in this order.
struct StartupOutcome {
  // The program's folder (without its trailing backslash) when it refuses
  // writes: the first file start-up had to make could not be made for that.
  // Said once, before the errors; empty when the folder took the files.
  std::string unwritableFolder;
  // Every file that could not be created, read or loaded, in the order met;
  // each is shown once in the default error box.
  std::vector<Error> errors;
  // The launcher goes straight into the task tray and its window stays hidden.
  bool startsInTray = false;
  // The free-resource display is offered (only on the Windows 95 family).
  bool resShowEnabled = false;
};

// Computes ProgramFolder, InitialDataFile and ConfigFile from the path of the
// running executable.
void ComputePaths(Model& model, const std::string& executablePath, LeadByteRule isLeadByte);

// Runs the file part of start-up in its order: paths, the two files created
// when missing, the settings, the launch list, and whether the Startup
// shortcut exists (StartupLinkRegistered). A folder that refuses writes
// (access denied, write-protected) is reported once, as unwritableFolder,
// and the other file is not tried; any other file that cannot be created,
// read or loaded is reported once; start-up then goes on with what it has,
// so that the window, its hints and its menu always work:
// - settings the configuration file could not give keep the values of a new
//   configuration file (the file itself is left as it is);
// - a default list that fails to load leaves SlotList empty.
StartupOutcome RunStartup(Model& model, FileSystem& files, const StartupPlatform& platform);

}  // namespace qvn
