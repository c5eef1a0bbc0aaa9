// The single launch (a double-click on one slot icon) and the consecutive
// launch (連続起動: every slot in turn under the resource guard). The order of
// their steps lives here; starting a process, pausing, measuring resources,
// asking the user and moving the main window are reached through LaunchHost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// The answer to kRunAgain. Only kNo stops the run; the close box (kCancel)
// does not.
enum class LaunchAnswer { kYes, kNo, kCancel };

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
  // Starts the program of slot `index` (0 to 7) in the slot's window size and
  // waits until it is ready for input. Its process id; nothing when it could
  // not be started, which is not reported.
  virtual std::optional<std::uint32_t> StartProgram(int index) = 0;
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

// The start step of both launches: the program of slot `index`, then, when
// ImeOnPerProgram is set and the program started, the input-method pass for it.
void StartSlotProgram(const Model& model, LaunchHost& host, int index);

// The single launch of slot `index` (0 to 7), as a double-click on its icon
// asks. An empty slot, an index outside 0 to 7 and a path that does not end in
// ".EXE" or ".exe" do nothing and show nothing. Otherwise: start the program,
// pause 2000 ms, refresh the slot icons, bring the launcher to the front, in
// this order, whether or not the program could be started. No resource guard.
void LaunchSlot(const Model& model, LaunchHost& host, SlotDisplay& display, int index);

// The consecutive launch, as a double-click on the group or the menu command
// "連続起動(&E)" asks. Returns when the run has ended, been stopped or been
// refused; a completed run raises ConsecutiveLaunchCount and ends in the tray
// or by closing the launcher, as TrayAfterRun says.
void RunConsecutiveLaunch(Model& model, LaunchHost& host);

}  // namespace qvn
