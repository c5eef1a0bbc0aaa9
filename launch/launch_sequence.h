// The single launch (a double-click on one slot icon) and the consecutive
// launch (連続起動: every slot in turn under the resource guard). The order of
// their steps lives here; starting a process, pausing, measuring resources,
// asking the user and moving the main window are reached through LaunchHost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model.h"
#include "core/path_names.h"
#include "core/slot_display.h"

namespace qvn {

// What the launch engine tells or asks the user. The window side turns each
// into its exact text (launch/launch_messages.h).
enum class LaunchMessage {
  kNoEntries,     // a consecutive launch without any launch list loaded
  kRunAgain,      // the question before a further consecutive launch
  kResourceStop,  // the resource guard stopped a consecutive launch
};

// The answer to kRunAgain. Only kYes starts the run: the close box (kCancel)
// backs out as いいえ does.
enum class LaunchAnswer { kYes, kNo, kCancel };

// System error codes the launch tells apart (winerror.h).
constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorPathNotFound = 3;
constexpr std::uint32_t kErrorInvalidName = 123;
constexpr std::uint32_t kErrorBadPathName = 161;
constexpr std::uint32_t kErrorDirectory = 267;  // the working folder does not exist
constexpr std::uint32_t kErrorElevationRequired = 740;
constexpr std::uint32_t kErrorCancelled = 1223;  // the user declined

// How one program is to be started.
struct StartRequest {
  int slot = 0;        // 0 to 7
  std::string path;    // the whole command line, as stored
  int showWindow = 1;  // ShowWindowForSizeCode
  std::string folder;  // its working folder; empty: the launcher's own
};

// How a start ended: error 0 is a program started, whose process id may be
// unknown (the shell need not give one); otherwise the system's error code.
struct StartResult {
  std::uint32_t error = 0;
  std::optional<std::uint32_t> processId;
};

// A program that did not start, as the user is told of it.
struct StartFailure {
  int slot = 0;
  std::string path;
  std::uint32_t error = 0;
};

// What follows a failed start.
enum class StartFailureAction {
  kStartThroughShell,  // the program asks for elevation, which only the shell handles
  kReport,
  kSilent,  // the user declined the consent prompt: that was the answer
};
StartFailureAction ActionAfterFailedStart(std::uint32_t error, bool throughShell);

// Whether an error means the path, or its folder, is not there: the user
// is then told to check the path in the settings.
bool IsMissingPathError(std::uint32_t error);

// The working folder of a program: its path up to the last "\" ("C:\Apps"
// for "C:\Apps\app.exe"), the "\" kept for a root ("C:\"); empty for a
// path without one, which starts in the launcher's current directory.
std::string StartFolderFor(std::string_view path, LeadByteRule isLeadByte);

// The fixed pause after a single launch.
constexpr std::int32_t kSingleLaunchPauseMs = 2000;

// Show-window values for the start-up information of a started program.
constexpr int kShowNormal = 1;     // SW_SHOWNORMAL
constexpr int kShowMaximized = 3;  // SW_SHOWMAXIMIZED
constexpr int kShowMinimized = 6;  // SW_MINIMIZE: the program starts minimised without the focus

class LaunchHost {
 public:
  virtual ~LaunchHost() = default;

  // --- The platform ---
  virtual LeadByteRule LeadBytes() = 0;
  // Starts a program by creating its process, or through the shell (which
  // asks for consent when the program needs elevation), and waits until it is
  // ready for input.
  virtual StartResult CreateProgramProcess(const StartRequest& request) = 0;
  virtual StartResult StartThroughShell(const StartRequest& request) = 0;
  // The input-method pass (launch/ime_pass.h) for the windows of a process.
  virtual void RunImeActivationPass(std::uint32_t processId) = 0;
  // Blocks for `milliseconds` (never negative).
  virtual void Pause(std::int32_t milliseconds) = 0;
  // The resource guard: true while a free-resource percentage is below
  // ResourceLimit.
  virtual bool ResourcesBelowLimit() = 0;

  // --- The user ---
  virtual void ShowLaunchMessage(LaunchMessage message) = 0;
  virtual LaunchAnswer ConfirmLaunch(LaunchMessage question) = 0;
  // The programs that did not start: one after a single launch, every one of
  // a consecutive launch at its end.
  virtual void ReportStartFailures(const std::vector<StartFailure>& failures,
                                   bool consecutiveLaunch) = 0;

  // --- The main window ---
  // Makes the launcher the foreground program again: after a single launch,
  // and before the resource-stop message so that the message is in front.
  virtual void BringLauncherToFront() = 0;
  // Ends a completed run with TrayAfterRun set: the tray icon is added unless
  // it is there already, and the main window is hidden.
  virtual void MoveToTray() = 0;
  // Ends a completed run without TrayAfterRun: closes the main window as the
  // menu command "終了(&X)" does, which ends the launcher.
  virtual void CloseLauncher() = 0;
};

// A single launch starts only ".EXE" or ".exe", exactly; ".Exe" is refused.
bool IsSingleLaunchExtension(std::string_view extension);

// A consecutive launch starts ".EXE" in any mix of letter case.
bool IsConsecutiveLaunchExtension(std::string_view extension, LeadByteRule isLeadByte);

// The show-window value for a WindowSizeCode: 1 normal, 3 maximised,
// 6 minimised; any other code is a normal window.
int ShowWindowForSizeCode(std::int32_t sizeCode);

// The pause after each program of a consecutive launch. A negative
// LaunchInterval (only a hand-edited configuration file holds one) is no pause.
std::int32_t LaunchIntervalPause(std::int32_t launchInterval);

// The start step of both launches: the program of slot `index` in its own
// folder, through the shell when it needs elevation, then, when
// ImeOnPerProgram is set and its process id is known, the input-method pass
// for it. The failure to report, if any.
std::optional<StartFailure> StartSlotProgram(const Model& model, LaunchHost& host, int index);

// The single launch of slot `index` (0 to 7), as a double-click on its icon
// asks. An empty slot, an index outside 0 to 7 and a path that does not end in
// ".EXE" or ".exe" do nothing and show nothing. Otherwise: start the program,
// pause 2000 ms (only after a start), refresh the slot icons, bring the
// launcher to the front, report a failure. No resource guard.
void LaunchSlot(const Model& model, LaunchHost& host, SlotDisplay& display, int index);

// The consecutive launch, as a double-click on the group or the menu command
// "連続起動(&E)" asks. Returns when the run has ended, been stopped or been
// refused; a completed run reports the programs that did not start, raises
// ConsecutiveLaunchCount and ends in the tray or by closing the launcher, as
// TrayAfterRun says.
void RunConsecutiveLaunch(Model& model, LaunchHost& host);

}  // namespace qvn
