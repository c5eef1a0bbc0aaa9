#include "app/startup.h"

namespace qvn {

void ComputePaths(Model& model, const std::string& executablePath, LeadByteRule isLeadByte) {
  model.ProgramFolder = FolderPart(executablePath, isLeadByte);
  model.InitialDataFile = model.ProgramFolder + kInitialDataFileName;
  model.ConfigFile = model.ProgramFolder + kConfigFileName;
}

void RunStartup(Model& model, StartupHost& host) {
  // Where the program and its files are.
  ComputePaths(model, host.ExecutablePath(), host.LeadBytes());

  // The list starts out empty; the codes start out normal.
  model.SlotSizeCodes.fill(kSizeNormal);
  model.SlotList.clear();

  // A launcher that goes into the tray after a run also starts there.
  host.SetStartsHidden(model.TrayAfterRun);
  host.SetTrayMenuState(/*taskTrayItemVisible=*/true);

  // The free-resource display only means something on the Windows 95 family.
  host.SetResShowEnabled(host.PlatformId() == kPlatformWin32Windows);

  host.InstallHintHandler();
  host.ShowDefaultHint();
  host.ShowSlotHints();
  host.InstallIdleHandler();
}

}  // namespace qvn
