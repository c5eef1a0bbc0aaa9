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

StartFailureAction ActionAfterFailedStart(std::uint32_t error, bool throughShell) {
  // CreateProcess does not elevate; the shell asks for consent and starts it.
  if (error == kErrorElevationRequired && !throughShell) {
    return StartFailureAction::kStartThroughShell;
  }
  if (error == kErrorCancelled && throughShell) return StartFailureAction::kSilent;
  return StartFailureAction::kReport;
}

bool IsMissingPathError(std::uint32_t error) {
  switch (error) {
    case kErrorFileNotFound:
    case kErrorPathNotFound:
    case kErrorInvalidName:
    case kErrorBadPathName:
    case kErrorDirectory:
      return true;
    default:
      return false;
  }
}

std::string StartFolderFor(std::string_view path, LeadByteRule isLeadByte) {
  std::size_t lastBackslash = std::string_view::npos;
  ForEachCharacter(path, isLeadByte, [&](std::size_t i, unsigned char byte) {
    if (byte == '\\') lastBackslash = i;
  });
  if (lastBackslash == std::string_view::npos) return {};
  std::string folder(path.substr(0, lastBackslash));
  // "C:" alone, or nothing, is not the root folder: the backslash stays.
  if (folder.empty() || folder.back() == ':') folder += '\\';
  return folder;
}

std::optional<StartFailure> StartSlotProgram(const Model& model, LaunchHost& host, int index) {
  const std::string& path = SlotPath(model, index);
  const StartRequest request{index, path, ShowWindowForSizeCode(model.SlotSizeCodes[index]),
                             StartFolderFor(path, host.LeadBytes())};
  StartResult result = host.CreateProgramProcess(request);
  bool throughShell = false;
  if (result.error != 0 && ActionAfterFailedStart(result.error, throughShell) ==
                               StartFailureAction::kStartThroughShell) {
    throughShell = true;
    result = host.StartThroughShell(request);
  }
  if (result.error != 0) {
    if (ActionAfterFailedStart(result.error, throughShell) == StartFailureAction::kSilent) {
      return std::nullopt;
    }
    return StartFailure{index, path, result.error};
  }
  if (result.processId && model.ImeOnPerProgram) host.RunImeActivationPass(*result.processId);
  return std::nullopt;
}

void LaunchSlot(const Model& model, LaunchHost& host, SlotDisplay& display, int index) {
  if (index < 0 || index >= kSlotCount) return;
  const std::string& path = SlotPath(model, index);
  if (path.empty()) return;
  if (!IsSingleLaunchExtension(ExtensionPart(path, host.LeadBytes()))) return;

  // The pause gives a started program the time to show itself; a program
  // that did not start is reported at once, with the launcher in front.
  const auto failure = StartSlotProgram(model, host, index);
  if (!failure) host.Pause(kSingleLaunchPauseMs);
  display.ShowSlotIcons();
  host.BringLauncherToFront();
  if (failure) host.ReportStartFailures({*failure}, /*consecutiveLaunch=*/false);
}

void RunConsecutiveLaunch(Model& model, LaunchHost& host) {
  // No list at all is something else than a list of eight unset slots: the
  // latter is a run that starts nothing and still counts.
  if (model.SlotList.empty()) {
    host.ShowLaunchMessage(LaunchMessage::kNoEntries);
    return;
  }
  if (model.ConsecutiveLaunchCount > 0 &&
      host.ConfirmLaunch(LaunchMessage::kRunAgain) != LaunchAnswer::kYes) {
    return;
  }

  std::vector<StartFailure> failures;
  for (int index = 0; index < kSlotCount; ++index) {
    // Asked before every slot, the empty ones too; programs already started
    // keep running when it stops the run.
    if (host.ResourcesBelowLimit()) {
      host.BringLauncherToFront();
      host.ShowLaunchMessage(LaunchMessage::kResourceStop);
      // The programs the run failed to start before it stopped are not lost.
      if (!failures.empty()) host.ReportStartFailures(failures, /*consecutiveLaunch=*/true);
      return;
    }
    const std::string& path = SlotPath(model, index);
    if (path.empty()) continue;
    if (!IsConsecutiveLaunchExtension(ExtensionPart(path, host.LeadBytes()), host.LeadBytes()))
      continue;
    if (auto failure = StartSlotProgram(model, host, index)) failures.push_back(*failure);
    // The pause follows every program the run tried to start, the last one
    // and one that failed to start included.
    host.Pause(LaunchIntervalPause(model.LaunchInterval));
  }

  // Said once, before the launcher goes to the tray or closes.
  if (!failures.empty()) {
    host.BringLauncherToFront();
    host.ReportStartFailures(failures, /*consecutiveLaunch=*/true);
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
