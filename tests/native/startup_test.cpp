#include "app/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/native/fake_file_system.h"

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

  qvntest::FakeFileSystem files;
  std::vector<Error> errors;

  std::string ExecutablePath() override { return executablePath; }
  LeadByteRule LeadBytes() override { return IsShiftJisLeadByte; }
  int PlatformId() override { return platformId; }
  FileSystem& Files() override { return files; }
  void ShowError(const Error& error) override {
    errors.push_back(error);
    calls.push_back("ShowError");
  }
  void ShowSlotIcons() override { calls.push_back("ShowSlotIcons"); }
  void MoveToTray() override { calls.push_back("MoveToTray"); }
  bool StartupLinkExists() override { return linkExists; }
  void ShowStartupLinkState(bool registered) override {
    linkShownRegistered = registered;
    calls.push_back("ShowStartupLinkState");
  }
  bool linkExists = false;
  bool linkShownRegistered = false;
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

const std::string kFolder = "C:\\\x83\x5C\\";
const std::string kConfig = kFolder + "Config.qvc";
const std::string kStart = kFolder + "Start.qvl";

std::string Config(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

TEST(Startup, PathsLieBesideTheExecutableEvenBehindATrailByte0x5C) {
  Model model;
  FakeHost host;
  RunStartup(model, host);
  EXPECT_EQ(model.ProgramFolder, "C:\\\x83\x5C\\");
  EXPECT_EQ(model.InitialDataFile, "C:\\\x83\x5C\\Start.qvl");
  EXPECT_EQ(model.ConfigFile, "C:\\\x83\x5C\\Config.qvc");
}

TEST(Startup, SetsUpTheWindowInItsOrder) {
  Model model;
  FakeHost host;
  RunStartup(model, host);
  const std::vector<std::string> expected = {
      "ShowSlotIcons",     "SetStartsHidden",      "SetTrayMenuState",
      "SetResShowEnabled", "ShowStartupLinkState", "InstallHintHandler",
      "ShowDefaultHint",   "ShowSlotHints",        "InstallIdleHandler"};
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
  FakeHost host;
  host.files.files[kConfig] = Config({"FALSE", "TRUE", "TRUE", "TRUE", "NULL", "NULL", "NULL"});
  RunStartup(model, host);
  EXPECT_TRUE(host.hidden);
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "MoveToTray"), 1);
}

TEST(Startup, TheMenuShowsWhetherTheStartupShortcutExists) {
  for (const bool exists : {false, true}) {
    Model model;
    FakeHost host;
    host.linkExists = exists;
    RunStartup(model, host);
    EXPECT_EQ(model.StartupLinkRegistered, exists);
    EXPECT_EQ(host.linkShownRegistered, exists);
  }
}

TEST(Startup, AFirstStartCreatesBothFilesAndLoadsTheEmptyList) {
  Model model;
  FakeHost host;
  RunStartup(model, host);
  EXPECT_EQ(host.files.files[kConfig],
            "FALSE\r\nFALSE\r\nTRUE\r\nTRUE\r\n" + kFolder + "Start.qvl\r\n5000\r\n35\r\n");
  std::string initial;
  for (int i = 0; i < 8; ++i) initial += "NULL\r\n";
  for (int i = 0; i < 8; ++i) initial += "0\r\n";
  EXPECT_EQ(host.files.files[kStart], initial);

  EXPECT_TRUE(model.LoadListAtStartup);
  EXPECT_TRUE(model.ImeOnPerProgram);
  EXPECT_EQ(model.DefaultDataFile, kStart);
  EXPECT_EQ(model.LaunchInterval, 5000);
  EXPECT_EQ(model.ResourceLimit, 35);
  ASSERT_EQ(model.SlotList.size(), 16u);
  EXPECT_EQ(model.SlotList[0], "");
  EXPECT_EQ(model.SlotList[8], "0");
  EXPECT_EQ(model.CurrentDataFile, kStart);
  EXPECT_TRUE(host.errors.empty());
}

TEST(Startup, ExistingFilesAreReadNotRewritten) {
  Model model;
  FakeHost host;
  host.files.files[kConfig] = Config({"TRUE", "FALSE", "TRUE", "FALSE", "NULL", "10", "$5A"});
  host.files.files[kStart] =
      "a.exe\r\nNULL\r\nNULL\r\nNULL\r\nNULL\r\nNULL\r\nNULL\r\n"
      "NULL\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0";
  RunStartup(model, host);
  EXPECT_EQ(host.files.writes, 0);
  EXPECT_TRUE(model.StartScreenSaverOnIconClick);
  EXPECT_EQ(model.LaunchInterval, 10);
  EXPECT_EQ(model.ResourceLimit, 90);
  EXPECT_EQ(model.SlotList[0], "a.exe");
  EXPECT_EQ(model.SlotSizeCodes[0], 1);
}

TEST(Startup, ALaterGroupOfSevenLinesDecides) {
  Model model;
  FakeHost host;
  host.files.files[kConfig] = Config({"TRUE", "TRUE", "TRUE", "TRUE", "NULL", "1", "2",  //
                                      "FALSE", "FALSE", "FALSE", "TRUE", "", "3", "4"});
  RunStartup(model, host);
  EXPECT_FALSE(model.StartScreenSaverOnIconClick);
  EXPECT_FALSE(model.LoadListAtStartup);
  EXPECT_EQ(model.DefaultDataFile, "");
  EXPECT_EQ(model.LaunchInterval, 3);
  EXPECT_EQ(model.ResourceLimit, 4);
}

TEST(Startup, WithoutLoadingAtStartTheSlotsAreUnsetAndNoFileIsCurrent) {
  Model model;
  FakeHost host;
  host.files.files[kConfig] = Config({"FALSE", "FALSE", "FALSE", "TRUE", "NULL", "NULL", "NULL"});
  RunStartup(model, host);
  ASSERT_EQ(model.SlotList.size(), 16u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(model.SlotList[8 + i], "0");
  EXPECT_EQ(model.CurrentDataFile, "");
  EXPECT_EQ(host.calls.front(), "ShowSlotIcons");
}

TEST(Startup, AMissingDefaultListLeavesTheListEmptyWithoutComplaint) {
  Model model;
  FakeHost host;
  host.files.files[kConfig] =
      Config({"FALSE", "FALSE", "TRUE", "TRUE", kFolder + "gone.qvl", "5000", "35"});
  RunStartup(model, host);
  EXPECT_TRUE(model.SlotList.empty());
  EXPECT_EQ(model.CurrentDataFile, "");
  EXPECT_TRUE(host.errors.empty());
}

TEST(Startup, AConfigurationThatFailsToReadIsReportedOnceAndTheRestTakeNewFileValues) {
  Model model;
  FakeHost host;
  const std::string config = Config({"TRUE", "TRUE", "FALSE", "FALSE", "NULL", "abc", "50"});
  host.files.files[kConfig] = config;
  RunStartup(model, host);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], Error(NotAnInteger{"abc"}));
  // Lines 1 to 5 were read; lines 6 and 7 could not be.
  EXPECT_TRUE(model.StartScreenSaverOnIconClick);
  EXPECT_TRUE(model.TrayAfterRun);
  EXPECT_FALSE(model.LoadListAtStartup);
  EXPECT_EQ(model.DefaultDataFile, kStart);
  EXPECT_EQ(model.LaunchInterval, 5000);
  EXPECT_EQ(model.ResourceLimit, 35);
  // Start-up went on to its end; the file was left alone.
  EXPECT_EQ(host.calls.back(), "InstallIdleHandler");
  EXPECT_EQ(host.files.files[kConfig], config);
}

TEST(Startup, AnUnreadableConfigurationGivesTheValuesOfANewOne) {
  Model model;
  FakeHost host;
  host.files.files[kConfig] = "whatever";
  host.files.readErrors[kConfig] = kAccessDenied;
  RunStartup(model, host);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], Error(FileError{kAccessDenied}));
  EXPECT_TRUE(model.LoadListAtStartup);
  EXPECT_EQ(model.LaunchInterval, 5000);
  EXPECT_EQ(model.CurrentDataFile, kStart);  // the default list still loads
}

TEST(Startup, ADefaultListThatFailsToLoadLeavesTheSlotsUnsetAndStartUpGoesOn) {
  Model model;
  FakeHost host;
  std::string eightPaths;
  for (int i = 0; i < 8; ++i) eightPaths += "C:\\a.exe\r\n";
  host.files.files[kStart] = eightPaths;  // no size lines
  RunStartup(model, host);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], Error(NotAnInteger{""}));
  EXPECT_TRUE(model.SlotList.empty());
  EXPECT_EQ(model.CurrentDataFile, "");
  EXPECT_EQ(host.calls.back(), "InstallIdleHandler");
}

TEST(Startup, AFolderWhereNothingCanBeWrittenStillGivesAWorkingWindow) {
  Model model;
  FakeHost host;
  host.files.writeErrors[kConfig] = kAccessDenied;
  host.files.writeErrors[kStart] = kAccessDenied;
  RunStartup(model, host);
  EXPECT_EQ(host.errors.size(), 2u);
  EXPECT_EQ(model.LaunchInterval, 5000);
  EXPECT_EQ(model.ResourceLimit, 35);
  EXPECT_TRUE(model.SlotList.empty());
  EXPECT_EQ(host.calls.back(), "InstallIdleHandler");
}

}  // namespace
}  // namespace qvn
