#include "launch/launch_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvn {
namespace {

// Records what a launch asks of the platform, the user and the main window, in order, as
// short words: "start 2", "shell 2", "ime 102", "pause 5000", "guard", "message kNoEntries",
// "confirm", "report 1 3" (a run's; "failed 1" a single launch's), "icons", "front", "tray"...
class FakeHost : public LaunchHost, public SlotDisplay {
 public:
  std::vector<std::string> calls;
  // The guard answers true from this call on (1 = the first); 0 never.
  int guardTrueFromCall = 0;
  LaunchAnswer answer = LaunchAnswer::kYes;
  std::array<std::uint32_t, kSlotCount> createErrors{};  // by slot; 0 starts
  std::array<StartResult, kSlotCount> shellResults{};    // by slot
  std::vector<StartRequest> requests;

  LeadByteRule LeadBytes() override { return IsShiftJisLeadByte; }
  // Slot k's program gets the process id 100 + k, unless it fails to start.
  StartResult CreateProgramProcess(const StartRequest& request) override {
    calls.push_back("start " + std::to_string(request.slot));
    requests.push_back(request);
    if (createErrors[request.slot] != 0) return {createErrors[request.slot], std::nullopt};
    return {0, 100 + request.slot};
  }
  StartResult StartThroughShell(const StartRequest& request) override {
    calls.push_back("shell " + std::to_string(request.slot));
    return shellResults[request.slot];
  }
  void ReportStartFailures(const std::vector<StartFailure>& failures, bool consecutive) override {
    std::string call = consecutive ? "report" : "failed";
    for (const auto& failure : failures) call += " " + std::to_string(failure.slot);
    calls.push_back(call);
  }
  void RunImeActivationPass(std::uint32_t processId) override {
    calls.push_back("ime " + std::to_string(processId));
  }
  void Pause(std::int32_t milliseconds) override {
    calls.push_back("pause " + std::to_string(milliseconds));
  }
  bool ResourcesBelowLimit() override {
    calls.push_back("guard");
    ++guardCalls_;
    return guardTrueFromCall != 0 && guardCalls_ >= guardTrueFromCall;
  }
  void ShowLaunchMessage(LaunchMessage message) override {
    calls.push_back(message == LaunchMessage::kNoEntries      ? "message kNoEntries"
                    : message == LaunchMessage::kResourceStop ? "message kResourceStop"
                                                              : "message kRunAgain");
  }
  LaunchAnswer ConfirmLaunch(LaunchMessage question) override {
    calls.push_back(question == LaunchMessage::kRunAgain ? "confirm" : "confirm ?");
    return answer;
  }
  void ShowSlotIcons() override { calls.push_back("icons"); }
  void ShowSlotHints() override { calls.push_back("hints"); }
  void BringLauncherToFront() override { calls.push_back("front"); }
  void MoveToTray() override { calls.push_back("tray"); }
  void CloseLauncher() override { calls.push_back("close"); }

  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call ? 1 : 0;
    return n;
  }

 private:
  int guardCalls_ = 0;
};

using Calls = std::vector<std::string>;

// A model with eight unset slots in a normal window and the settings of a new
// configuration file.
Model ModelWithSlots(const std::vector<std::pair<int, std::string>>& paths) {
  Model model;
  SetUnsetSlots(model);
  model.LaunchInterval = 5000;
  model.ResourceLimit = 35;
  for (const auto& [index, path] : paths) model.SlotList[index] = path;
  return model;
}

// --- The extension rules ------------------------------------------------------

TEST(Extension, ASingleLaunchTakesOnlyUpperOrLowerCase) {
  EXPECT_TRUE(IsSingleLaunchExtension(".EXE"));
  EXPECT_TRUE(IsSingleLaunchExtension(".exe"));
  for (const char* other : {".Exe", ".eXe", ".exE", ".com", ".bat", "", ".", ".exe ", "EXE"}) {
    EXPECT_FALSE(IsSingleLaunchExtension(other)) << other;
  }
}

TEST(Extension, AConsecutiveLaunchTakesAnyCase) {
  for (const char* exe : {".EXE", ".exe", ".Exe", ".eXe", ".exE"}) {
    EXPECT_TRUE(IsConsecutiveLaunchExtension(exe, IsShiftJisLeadByte)) << exe;
  }
  for (const char* other : {".com", ".bat", "", ".", ".exe ", "EXE", ".ex", ".exes"}) {
    EXPECT_FALSE(IsConsecutiveLaunchExtension(other, IsShiftJisLeadByte)) << other;
  }
}

// --- Window size and pause ----------------------------------------------------

TEST(ShowWindowForSizeCode, NormalMaximisedMinimisedAndNormalForAnythingElse) {
  EXPECT_EQ(ShowWindowForSizeCode(0), 1);
  EXPECT_EQ(ShowWindowForSizeCode(1), 3);
  EXPECT_EQ(ShowWindowForSizeCode(2), 6);  // SW_MINIMIZE, not SW_SHOWMINIMIZED
  for (std::int32_t other : {7, 3, -1, 6, 2147483647}) {
    EXPECT_EQ(ShowWindowForSizeCode(other), 1) << other;
  }
}

TEST(LaunchIntervalPause, IsTheIntervalUnchangedAndNoPauseWhenNegative) {
  EXPECT_EQ(LaunchIntervalPause(5000), 5000);
  EXPECT_EQ(LaunchIntervalPause(1), 1);
  EXPECT_EQ(LaunchIntervalPause(0), 0);
  EXPECT_EQ(LaunchIntervalPause(-1), 0);
  EXPECT_EQ(LaunchIntervalPause(-2147483647 - 1), 0);
}

// --- The single launch --------------------------------------------------------

TEST(SingleLaunch, StartsPausesRefreshesTheIconsAndComesToTheFront) {
  for (const char* path : {"C:\\Apps\\App.EXE", "C:\\Apps\\app.exe"}) {
    const Model model = ModelWithSlots({{2, path}});
    FakeHost host;
    LaunchSlot(model, host, host, 2);
    EXPECT_EQ(host.calls, (Calls{"start 2", "pause 2000", "icons", "front"})) << path;
  }
}

TEST(StartSlotProgram, TheInputMethodPassFollowsAStartOnlyWhenSet) {
  Model model = ModelWithSlots({{0, "C:\\a.exe"}, {1, "C:\\missing.exe"}, {2, "C:\\c.exe"}});
  const auto imePasses = [](const FakeHost& host) {
    Calls passes;
    for (const auto& call : host.calls) {
      if (call.starts_with("ime")) passes.push_back(call);
    }
    return passes;
  };
  FakeHost off;
  off.createErrors[1] = kErrorFileNotFound;
  RunConsecutiveLaunch(model, off);
  EXPECT_EQ(imePasses(off), Calls{});

  model.ImeOnPerProgram = true;
  model.ConsecutiveLaunchCount = 0;
  FakeHost on;
  on.createErrors[1] = kErrorFileNotFound;
  RunConsecutiveLaunch(model, on);
  EXPECT_EQ(imePasses(on), (Calls{"ime 100", "ime 102"}))
      << "none for a program that did not start";
  on.calls.clear();
  LaunchSlot(model, on, on, 0);
  EXPECT_EQ(on.calls, (Calls{"start 0", "ime 100", "pause 2000", "icons", "front"}));
}

// --- Failed starts -----------------------------------------------------------

TEST(StartSlotProgram, ElevationGoesThroughTheShellAndOnlyADeclineIsNotReported) {
  Model model = ModelWithSlots({});
  for (int slot = 0; slot < 5; ++slot) model.SlotList[slot] = "C:\\Apps\\p.exe";
  model.SlotSizeCodes[0] = kSizeMaximized;
  model.ImeOnPerProgram = model.TrayAfterRun = true;
  FakeHost host;
  host.createErrors = {740, 740, 740, 5};
  host.shellResults = {StartResult{0, 200}, {kErrorCancelled, {}}, {2, {}}};
  RunConsecutiveLaunch(model, host);
  Calls seen;
  for (const auto& call : host.calls) {
    if (call != "guard" && !call.starts_with("pause")) seen.push_back(call);
  }
  EXPECT_EQ(seen,
            (Calls{"start 0", "shell 0", "ime 200", "start 1", "shell 1", "start 2", "shell 2",
                   "start 3", "start 4", "ime 104", "front", "report 2 3", "tray"}));
  EXPECT_EQ(host.Count("pause 5000"), 5) << "a failure does not change the pauses";
  EXPECT_EQ(host.requests[0].folder, "C:\\Apps");
  EXPECT_EQ(host.requests[0].showWindow, kShowMaximized);
}

TEST(SingleLaunch, AFailureIsReportedAtOnceWithTheLauncherInFront) {
  const Model model = ModelWithSlots({{2, "C:\\gone.exe"}});
  FakeHost host;
  host.createErrors[2] = kErrorFileNotFound;
  LaunchSlot(model, host, host, 2);
  EXPECT_EQ(host.calls, (Calls{"start 2", "icons", "front", "failed 2"}));
}

TEST(StartFolderFor, IsThePathUpToItsLastBackslashOrNothing) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Apps\\app.exe", "C:\\Apps"},
      {"C:\\app.exe", "C:\\"},
      {"app.exe", ""},
      {"C:app.exe", ""},
      // 表 is 0x95 0x5C: its second byte is no backslash.
      {"C:\\\x95\x5C\\\x95\x5C.exe", "C:\\\x95\x5C"}};
  for (const auto& [path, folder] : cases) {
    EXPECT_EQ(StartFolderFor(path, IsShiftJisLeadByte), folder) << path;
  }
}

TEST(SingleLaunch, DoesNothingForAnyOtherExtension) {
  for (const char* path : {"C:\\Apps\\App.Exe", "C:\\Apps\\app.eXe", "C:\\Apps\\run",
                           "C:\\Apps\\run.com", "C:\\Apps\\run.bat", "C:\\Tools.old\\run"}) {
    const Model model = ModelWithSlots({{2, path}});
    FakeHost host;
    LaunchSlot(model, host, host, 2);
    EXPECT_EQ(host.calls, Calls{}) << path;
  }
}

TEST(SingleLaunch, AnEmptySlotOrNoListDoesNothing) {
  FakeHost host;
  const Model unset = ModelWithSlots({{0, "C:\\a.exe"}});
  LaunchSlot(unset, host, host, 1);
  const Model noList;
  for (int index = 0; index < 8; ++index) LaunchSlot(noList, host, host, index);
  EXPECT_EQ(host.calls, Calls{});
}

TEST(SingleLaunch, AnIconThatIsNoneOfTheEightDoesNothing) {
  const Model model = ModelWithSlots({{0, "C:\\a.exe"}, {7, "C:\\h.exe"}});
  FakeHost host;
  LaunchSlot(model, host, host, -1);
  LaunchSlot(model, host, host, 8);
  EXPECT_EQ(host.calls, Calls{});
}

TEST(SingleLaunch, IsNeverRefusedForLackOfResourcesNorCounted) {
  Model model = ModelWithSlots({{0, "C:\\a.exe"}});
  FakeHost host;
  host.guardTrueFromCall = 1;
  LaunchSlot(model, host, host, 0);
  EXPECT_EQ(host.Count("guard"), 0);
  EXPECT_EQ(host.Count("start 0"), 1);
  EXPECT_EQ(model.ConsecutiveLaunchCount, 0);
}

TEST(SingleLaunch, ThePauseIsFixedWhateverTheInterval) {
  Model model = ModelWithSlots({{0, "C:\\a.exe"}});
  model.LaunchInterval = 100;
  FakeHost host;
  LaunchSlot(model, host, host, 0);
  EXPECT_EQ(host.Count("pause 2000"), 1);
  EXPECT_EQ(host.Count("pause 100"), 0);
}

// --- The consecutive launch: refused or confirmed -----------------------------

TEST(ConsecutiveLaunch, WithoutAListSaysNoSoftwareIsRegistered) {
  Model model;  // no SlotList entries at all
  FakeHost host;
  RunConsecutiveLaunch(model, host);
  EXPECT_EQ(host.calls, Calls{"message kNoEntries"});
  EXPECT_EQ(model.ConsecutiveLaunchCount, 0);
}

TEST(ConsecutiveLaunch, TheFirstRunAsksNothing) {
  Model model = ModelWithSlots({});
  FakeHost host;
  RunConsecutiveLaunch(model, host);
  EXPECT_EQ(host.Count("confirm"), 0);
}

TEST(ConsecutiveLaunch, AFurtherRunAsksFirstAndOnlyYesGoesOn) {
  // はい(&Y); いいえ(&N) or Escape; the close box.
  for (LaunchAnswer answer : {LaunchAnswer::kYes, LaunchAnswer::kNo, LaunchAnswer::kCancel}) {
    Model model = ModelWithSlots({{0, "C:\\a.exe"}});
    model.ConsecutiveLaunchCount = 3;
    FakeHost host;
    host.answer = answer;
    RunConsecutiveLaunch(model, host);
    const bool yes = answer == LaunchAnswer::kYes;
    EXPECT_EQ(host.calls.front(), "confirm");
    EXPECT_EQ(host.Count("start 0"), yes ? 1 : 0);
    EXPECT_EQ(model.ConsecutiveLaunchCount, yes ? 4 : 3);
  }
}

// --- The consecutive launch: the run ------------------------------------------

TEST(ConsecutiveLaunch, AsksTheGuardBeforeEverySlotAndPausesOnlyAfterAStart) {
  Model model = ModelWithSlots({{0, "C:\\a.exe"}, {2, "C:\\c.exe"}});
  FakeHost host;
  RunConsecutiveLaunch(model, host);
  const Calls expected = {"guard", "start 0", "pause 5000",  // No.1
                          "guard",                           // No.2
                          "guard", "start 2", "pause 5000",  // No.3
                          "guard", "guard",   "guard",
                          "guard", "guard",  // No.4 to No.8, none after No.8
                          "close"};
  EXPECT_EQ(host.calls, expected);
  EXPECT_EQ(model.ConsecutiveLaunchCount, 1);
}

TEST(ConsecutiveLaunch, StartsEveryCaseOfExeAndSkipsOtherExtensionsWithoutAPause) {
  Model model = ModelWithSlots({{0, "C:\\a.Exe"},
                                {1, "C:\\b.eXe"},
                                {2, "C:\\c.com"},
                                {3, "C:\\Tools.old\\run"},
                                {4, "C:\\e.EXE"},
                                {5, "C:\\f.bat"},
                                {6, "C:\\g.exe"}});
  FakeHost host;
  RunConsecutiveLaunch(model, host);
  Calls starts;
  for (const auto& call : host.calls) {
    if (call.rfind("start", 0) == 0) starts.push_back(call);
  }
  EXPECT_EQ(starts, (Calls{"start 0", "start 1", "start 4", "start 6"}));
  EXPECT_EQ(host.Count("pause 5000"), 4);
  EXPECT_EQ(host.Count("guard"), 8);
}

TEST(ConsecutiveLaunch, EightEmptySlotsStartNothingAndStillCount) {
  Model model = ModelWithSlots({});
  model.TrayAfterRun = true;
  FakeHost host;
  RunConsecutiveLaunch(model, host);
  Calls expected(8, "guard");
  expected.push_back("tray");
  EXPECT_EQ(host.calls, expected);
  EXPECT_EQ(model.ConsecutiveLaunchCount, 1);
}

TEST(ConsecutiveLaunch, ACompletedRunEndsInTheTrayOrByClosing) {
  for (bool trayAfterRun : {true, false}) {
    Model model = ModelWithSlots({{7, "C:\\h.exe"}});
    model.TrayAfterRun = trayAfterRun;
    FakeHost host;
    RunConsecutiveLaunch(model, host);
    ASSERT_GE(host.calls.size(), 2u);
    // The end follows the pause after the last program.
    EXPECT_EQ(host.calls[host.calls.size() - 2], "pause 5000");
    EXPECT_EQ(host.calls.back(), trayAfterRun ? "tray" : "close");
    EXPECT_EQ(host.Count("tray") + host.Count("close"), 1);
  }
}

TEST(ConsecutiveLaunch, NeitherRefreshesTheIconsNorComesToTheFrontAfterAStart) {
  Model model = ModelWithSlots({{0, "C:\\a.exe"}, {1, "C:\\b.exe"}});
  FakeHost host;
  RunConsecutiveLaunch(model, host);
  EXPECT_EQ(host.Count("icons"), 0);
  EXPECT_EQ(host.Count("front"), 0);
  EXPECT_EQ(host.Count("pause 2000"), 0);
}

TEST(ConsecutiveLaunch, UsesTheIntervalAsReadAndNoPauseForANegativeOne) {
  for (const auto& [interval, pause] :
       {std::pair{0, "pause 0"}, std::pair{10, "pause 10"}, std::pair{-5, "pause 0"}}) {
    Model model = ModelWithSlots({{0, "C:\\a.exe"}});
    model.LaunchInterval = interval;
    FakeHost host;
    RunConsecutiveLaunch(model, host);
    EXPECT_EQ(host.Count(pause), 1) << interval;
  }
}

TEST(ConsecutiveLaunch, ReadsTheSlotListWithoutChangingIt) {
  Model model = ModelWithSlots({{0, "C:\\a.exe"}});
  model.SlotList[8] = "2";
  model.SlotSizeCodes[0] = 2;
  const auto before = model.SlotList;
  FakeHost host;
  RunConsecutiveLaunch(model, host);
  EXPECT_EQ(model.SlotList, before);
  EXPECT_EQ(model.SlotSizeCodes[0], 2);
}

// --- The consecutive launch: stopped by the guard -----------------------------

TEST(ConsecutiveLaunch, TheGuardStopsTheRunWithTheLauncherInFront) {
  Model model = ModelWithSlots({{0, "C:\\a.exe"}, {1, "C:\\b.exe"}, {2, "C:\\c.exe"}});
  model.TrayAfterRun = true;
  FakeHost host;
  host.guardTrueFromCall = 3;
  RunConsecutiveLaunch(model, host);
  const Calls expected = {"guard", "start 0", "pause 5000",
                          "guard", "start 1", "pause 5000",
                          "guard", "front",   "message kResourceStop"};
  EXPECT_EQ(host.calls, expected);
  EXPECT_EQ(model.ConsecutiveLaunchCount, 0);
}

TEST(ConsecutiveLaunch, AStoppedRunDoesNotCountSoTheNextAsksNothing) {
  Model model = ModelWithSlots({{0, "C:\\a.exe"}});
  FakeHost stopped;
  stopped.guardTrueFromCall = 1;
  RunConsecutiveLaunch(model, stopped);
  EXPECT_EQ(stopped.calls, (Calls{"guard", "front", "message kResourceStop"}));
  EXPECT_EQ(model.ConsecutiveLaunchCount, 0);

  FakeHost next;
  RunConsecutiveLaunch(model, next);
  EXPECT_EQ(next.Count("confirm"), 0);
  EXPECT_EQ(model.ConsecutiveLaunchCount, 1);
}

TEST(ConsecutiveLaunch, TheCounterGoesUpByOneEachCompletedRun) {
  Model model = ModelWithSlots({});
  FakeHost host;
  for (int run = 1; run <= 3; ++run) {
    RunConsecutiveLaunch(model, host);
    EXPECT_EQ(model.ConsecutiveLaunchCount, run);
  }
  EXPECT_EQ(host.Count("confirm"), 2);
}

}  // namespace
}  // namespace qvn
