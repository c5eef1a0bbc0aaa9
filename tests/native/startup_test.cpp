#include "app/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvn {
namespace {

// Records what start-up asks of the main window, in order.
class FakeHost : public StartupHost {
 public:
  std::string executablePath = "C:\\\x83\x5C\\Quorvane.exe";  // "C:\ソ\Quorvane.exe"
  int platformId = 2;
  std::vector<std::string> calls;
  bool hidden = false;
  bool taskTrayItemVisible = false;
  bool resShowEnabled = true;

  std::string ExecutablePath() override { return executablePath; }
  LeadByteRule LeadBytes() override { return IsShiftJisLeadByte; }
  int PlatformId() override { return platformId; }
  void SetStartsHidden(bool value) override {
    hidden = value;
    calls.push_back("SetStartsHidden");
  }
  void SetTrayMenuState(bool visible) override {
    taskTrayItemVisible = visible;
    calls.push_back("SetTrayMenuState");
  }
  void SetResShowEnabled(bool enabled) override {
    resShowEnabled = enabled;
    calls.push_back("SetResShowEnabled");
  }
  void InstallHintHandler() override { calls.push_back("InstallHintHandler"); }
  void ShowDefaultHint() override { calls.push_back("ShowDefaultHint"); }
  void ShowSlotHints() override { calls.push_back("ShowSlotHints"); }
  void InstallIdleHandler() override { calls.push_back("InstallIdleHandler"); }
};

TEST(Startup, PathsLieBesideTheExecutableEvenBehindATrailByte0x5C) {
  Model model;
  FakeHost host;
  RunStartup(model, host);
  EXPECT_EQ(model.ProgramFolder, "C:\\\x83\x5C\\");
  EXPECT_EQ(model.InitialDataFile, "C:\\\x83\x5C\\Start.qvl");
  EXPECT_EQ(model.ConfigFile, "C:\\\x83\x5C\\Config.qvc");
  EXPECT_EQ(model.CurrentDataFile, "");
}

TEST(Startup, StartsWithAnEmptyListAndNormalCodes) {
  Model model;
  model.SlotList = {"left over"};
  model.SlotSizeCodes.fill(1);
  FakeHost host;
  RunStartup(model, host);
  EXPECT_TRUE(model.SlotList.empty());
  for (auto code : model.SlotSizeCodes) EXPECT_EQ(code, kSizeNormal);
}

TEST(Startup, SetsUpTheWindowInItsOrder) {
  Model model;
  FakeHost host;
  RunStartup(model, host);
  const std::vector<std::string> expected = {
      "SetStartsHidden", "SetTrayMenuState", "SetResShowEnabled", "InstallHintHandler",
      "ShowDefaultHint", "ShowSlotHints",    "InstallIdleHandler"};
  EXPECT_EQ(host.calls, expected);
  EXPECT_TRUE(host.taskTrayItemVisible);
  EXPECT_FALSE(host.hidden);
}

TEST(Startup, TheResourceDisplayIsOfferedOnlyOnTheWindows95Family) {
  for (const auto& [platformId, enabled] :
       {std::pair{0, false}, std::pair{1, true}, std::pair{2, false}, std::pair{3, false}}) {
    Model model;
    FakeHost host;
    host.platformId = platformId;
    RunStartup(model, host);
    EXPECT_EQ(host.resShowEnabled, enabled) << "platform " << platformId;
  }
}

TEST(Startup, ALauncherThatGoesIntoTheTrayAfterARunStartsHidden) {
  Model model;
  model.TrayAfterRun = true;
  FakeHost host;
  RunStartup(model, host);
  EXPECT_TRUE(host.hidden);
}

}  // namespace
}  // namespace qvn
