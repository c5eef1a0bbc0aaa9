#include "launch/launch_sequence.h"

#include <limits>

namespace qvn {

bool IsSingleLaunchExtension(std::string_view extension) {
  return extension == ".EXE" || extension == ".exe";
}

bool IsConsecutiveLaunchExtension(std::string_view extension, LeadByteRule isLeadByte) {
  return EqualsIgnoringAsciiCase(extension, ".EXE", isLeadByte);
}

int ShowWindowForSizeCode(std::int32_t sizeCode) {
  switch (sizeCode) {
    case kSizeMaximized:
      return kShowMaximized;
    case kSizeMinimized:
      return kShowMinimized;
    default:
      return kShowNormal;
  }
}

std::int32_t LaunchIntervalPause(std::int32_t launchInterval) {
  return launchInterval < 0 ? 0 : launchInterval;
}

void StartSlotProgram(const Model& model, LaunchHost& host, int index) {
  const auto processId = host.StartProgram(index);
  if (processId && model.ImeOnPerProgram) host.RunImeActivationPass(*processId);
}

void LaunchSlot(const Model& model, LaunchHost& host, SlotDisplay& display, int index) {
  if (index < 0 || index >= kSlotCount) return;
  const std::string& path = SlotPath(model, index);
  if (path.empty()) return;
  if (!IsSingleLaunchExtension(ExtensionPart(path, host.LeadBytes()))) return;

  // From here every step runs, whatever became of the start: a program that
  // could not be started is not reported.
  StartSlotProgram(model, host, index);
  host.Pause(kSingleLaunchPauseMs);
  display.ShowSlotIcons();
  host.BringLauncherToFront();
}

void RunConsecutiveLaunch(Model& model, LaunchHost& host) {
  // No list at all is something else than a list of eight unset slots: the
  // latter is a run that starts nothing and still counts.
  if (model.SlotList.empty()) {
    host.ShowLaunchMessage(LaunchMessage::kNoEntries);
    return;
  }
  if (model.ConsecutiveLaunchCount > 0 &&
      host.ConfirmLaunch(LaunchMessage::kRunAgain) == LaunchAnswer::kNo) {
    return;
  }

  for (int index = 0; index < kSlotCount; ++index) {
    // Asked before every slot, the empty ones too; programs already started
    // keep running when it stops the run.
    if (host.ResourcesBelowLimit()) {
      host.BringLauncherToFront();
      host.ShowLaunchMessage(LaunchMessage::kResourceStop);
      return;
    }
    const std::string& path = SlotPath(model, index);
    if (path.empty()) continue;
    if (!IsConsecutiveLaunchExtension(ExtensionPart(path, host.LeadBytes()), host.LeadBytes()))
      continue;
    StartSlotProgram(model, host, index);
    // The pause follows every program the run tried to start, the last one
    // and one that failed to start included.
    host.Pause(LaunchIntervalPause(model.LaunchInterval));
  }

  if (model.ConsecutiveLaunchCount < std::numeric_limits<std::int32_t>::max()) {
    ++model.ConsecutiveLaunchCount;
  }
  if (model.TrayAfterRun) {
    host.MoveToTray();
  } else {
    host.CloseLauncher();
  }
}

}  // namespace qvn
