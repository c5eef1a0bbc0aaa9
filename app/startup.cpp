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

// Reads the configuration into the settings. When the file fails to read,
// the settings it could not give take the values of a new file: reading it
// again over those values applies the same lines up to the same failure.
void ReadSettings(Model& model, StartupHost& host) {
  if (const auto error = ReadConfigFile(model, host.Files())) {
    SetNewConfigSettings(model);
    (void)ReadConfigFile(model, host.Files());
    host.ShowError(*error);
  }
}

// Fills SlotList as the settings ask: the default list, eight unset slots,
// or nothing when the default list does not exist.
void LoadStartList(Model& model, StartupHost& host) {
  if (!model.LoadListAtStartup) {
    SetUnsetSlots(model);
    host.ShowSlotIcons();
    model.CurrentDataFile.clear();
    return;
  }
  if (!host.Files().Exists(model.DefaultDataFile)) return;
  if (const auto error = LoadDataFile(model, host.Files(), model.DefaultDataFile)) {
    host.ShowError(*error);
    return;
  }
  host.ShowSlotIcons();
  model.CurrentDataFile = model.DefaultDataFile;
}

}  // namespace

void RunStartup(Model& model, StartupHost& host) {
  // Where the program and its files are.
  ComputePaths(model, host.ExecutablePath(), host.LeadBytes());

  // A first start in a folder creates the configuration, then the initial
  // list that the configuration names as the default.
  if (const auto error = CreateDefaultConfigFile(model, host.Files())) {
    host.ShowError(*error);
    SetNewConfigSettings(model);
  }
  if (const auto error = CreateInitialDataFile(model, host.Files())) host.ShowError(*error);

  // The list starts out empty; the codes start out normal.
  model.SlotSizeCodes.fill(kSizeNormal);
  model.SlotList.clear();

  ReadSettings(model, host);
  LoadStartList(model, host);

  // A launcher that goes into the tray after a run also starts there.
  host.SetStartsHidden(model.TrayAfterRun);
  host.SetTrayMenuState(/*taskTrayItemVisible=*/true);

  if (model.TrayAfterRun) host.MoveToTray();

  // The free-resource display only means something on the Windows 95 family.
  host.SetResShowEnabled(host.PlatformId() == kPlatformWin32Windows);

  model.StartupLinkRegistered = host.StartupLinkExists();
  host.ShowStartupLinkState(model.StartupLinkRegistered);

  host.InstallHintHandler();
  host.ShowDefaultHint();
  host.ShowSlotHints();
  host.InstallIdleHandler();
}

}  // namespace qvn
