#include "app/startup.h"

#include "datafile/data_file.h"
#include "settings/config_file.h"

namespace qvn {

void ComputePaths(Model& model, const std::string& executablePath, LeadByteRule isLeadByte) {
  model.ProgramFolder = FolderPart(executablePath, isLeadByte);
  model.InitialDataFile = model.ProgramFolder + kInitialDataFileName;
  model.ConfigFile = model.ProgramFolder + kConfigFileName;
}

namespace {

// True when a file that did not exist could not be made because its folder
// takes no writes: access is denied, or the medium is write-protected.
bool RefusedByFolder(const Error& error) {
  const auto* notSaved = std::get_if<NotSaved>(&error);
  return notSaved != nullptr &&
         (notSaved->cause.number == kAccessDenied || notSaved->cause.number == kWriteProtected);
}

// The program's folder as a user reads it: without the trailing backslash,
// except at the root of a drive.
std::string FolderShown(const std::string& folder) {
  if (folder.size() > 3 && folder.back() == '\\') return folder.substr(0, folder.size() - 1);
  return folder;
}

// A first start in a folder creates the configuration, then the initial
// list that the configuration names as the default. A folder that refuses
// the first file refuses the second too: it is said once, for the folder.
void CreateMissingFiles(Model& model, FileSystem& files, StartupOutcome& outcome) {
  auto refused = [&](const Error& error) {
    if (!RefusedByFolder(error)) return false;
    outcome.unwritableFolder = FolderShown(model.ProgramFolder);
    return true;
  };
  if (const auto error = CreateDefaultConfigFile(model, files)) {
    SetNewConfigSettings(model);
    if (refused(*error)) return;
    outcome.errors.push_back(*error);
  }
  if (const auto error = CreateInitialDataFile(model, files)) {
    if (!refused(*error)) outcome.errors.push_back(*error);
  }
}

// Reads the configuration into the settings. When the file fails to read,
// the settings it could not give take the values of a new file: reading it
// again over those values applies the same lines up to the same failure.
void ReadSettings(Model& model, FileSystem& files, std::vector<Error>& errors) {
  if (const auto error = ReadConfigFile(model, files)) {
    SetNewConfigSettings(model);
    (void)ReadConfigFile(model, files);
    errors.push_back(*error);
  }
}

// Fills SlotList as the settings ask: the default list, eight unset slots,
// or nothing when the default list does not exist.
void LoadStartList(Model& model, FileSystem& files, std::vector<Error>& errors) {
  if (!model.LoadListAtStartup) {
    SetUnsetSlots(model);
    model.CurrentDataFile.clear();
    return;
  }
  if (!files.Exists(model.DefaultDataFile)) return;
  if (const auto error = LoadDataFile(model, files, model.DefaultDataFile)) {
    errors.push_back(*error);
    return;
  }
  model.CurrentDataFile = model.DefaultDataFile;
}

}  // namespace

StartupOutcome RunStartup(Model& model, FileSystem& files, const StartupPlatform& platform) {
  StartupOutcome outcome;

  // Where the program and its files are.
  ComputePaths(model, platform.executablePath, platform.leadBytes);

  CreateMissingFiles(model, files, outcome);

  // The list starts out empty; the codes start out normal.
  model.SlotSizeCodes.fill(kSizeNormal);
  model.SlotList.clear();

  ReadSettings(model, files, outcome.errors);
  LoadStartList(model, files, outcome.errors);

  // A launcher that goes into the tray after a run also starts there.
  outcome.startsInTray = model.TrayAfterRun;
  // The free-resource display only means something on the Windows 95 family.
  outcome.resShowEnabled = platform.platformId == kPlatformWin32Windows;

  model.StartupLinkRegistered =
      !platform.startupLinkPath.empty() && files.Exists(platform.startupLinkPath);
  return outcome;
}

}  // namespace qvn
