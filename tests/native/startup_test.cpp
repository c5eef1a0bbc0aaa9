#include "app/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/fake_file_system.h"
#include "tests/text_lines.h"

namespace qvn {
namespace {

using qvntest::JoinLines;

// The program in "C:\ソ\" (ソ is 0x83 0x5C), its files in memory.
const std::string kFolder = "C:\\\x83\x5C\\";
const std::string kConfig = kFolder + "Config.qvc";
const std::string kStart = kFolder + "Start.qvl";
const std::string kLink = "C:\\Startup\\Quorvane.lnk";

class Startup : public ::testing::Test {
 protected:
  StartupOutcome Run() { return RunStartup(model, files, platform); }

  qvntest::FakeFileSystem files;
  StartupPlatform platform{kFolder + "Quorvane.exe", IsShiftJisLeadByte, /*platformId=*/2, kLink};
  Model model;
};

TEST_F(Startup, PathsLieBesideTheExecutableEvenBehindATrailByte0x5C) {
  Run();
  EXPECT_EQ(model.ProgramFolder, kFolder);
  EXPECT_EQ(model.InitialDataFile, kStart);
  EXPECT_EQ(model.ConfigFile, kConfig);
}

TEST_F(Startup, AFirstStartCreatesBothFilesAndLoadsTheEmptyList) {
  const StartupOutcome outcome = Run();
  EXPECT_EQ(files.files[kConfig],
            JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", kStart, "5000", "35"}));
  EXPECT_EQ(files.files[kStart], JoinLines({"NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL",
                                            "NULL", "0", "0", "0", "0", "0", "0", "0", "0"}));

  EXPECT_TRUE(model.LoadListAtStartup);
  EXPECT_TRUE(model.ImeOnPerProgram);
  EXPECT_EQ(model.DefaultDataFile, kStart);
  EXPECT_EQ(model.LaunchInterval, 5000);
  EXPECT_EQ(model.ResourceLimit, 35);
  ASSERT_EQ(model.SlotList.size(), 16u);
  EXPECT_EQ(model.SlotList[0], "");
  EXPECT_EQ(model.SlotList[8], "0");
  EXPECT_EQ(model.CurrentDataFile, kStart);
  EXPECT_TRUE(outcome.errors.empty());
  EXPECT_FALSE(outcome.startsInTray);
}

TEST_F(Startup, ExistingFilesAreReadNotRewritten) {
  files.files[kConfig] = JoinLines({"TRUE", "FALSE", "TRUE", "FALSE", "NULL", "10", "$5A"});
  files.files[kStart] =
      "a.exe\r\nNULL\r\nNULL\r\nNULL\r\nNULL\r\nNULL\r\nNULL\r\n"
      "NULL\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0";
  Run();
  EXPECT_EQ(files.writes, 0);
  EXPECT_TRUE(model.StartScreenSaverOnIconClick);
  EXPECT_EQ(model.LaunchInterval, 10);
  EXPECT_EQ(model.ResourceLimit, 90);
  EXPECT_EQ(model.SlotList[0], "a.exe");
  EXPECT_EQ(model.SlotSizeCodes[0], 1);
}

TEST_F(Startup, ALaterGroupOfSevenLinesDecides) {
  files.files[kConfig] = JoinLines({"TRUE", "TRUE", "TRUE", "TRUE", "NULL", "1", "2",  //
                                    "FALSE", "FALSE", "FALSE", "TRUE", "", "3", "4"});
  Run();
  EXPECT_FALSE(model.StartScreenSaverOnIconClick);
  EXPECT_FALSE(model.LoadListAtStartup);
  EXPECT_EQ(model.DefaultDataFile, "");
  EXPECT_EQ(model.LaunchInterval, 3);
  EXPECT_EQ(model.ResourceLimit, 4);
}

TEST_F(Startup, WithoutLoadingAtStartTheSlotsAreUnsetAndNoFileIsCurrent) {
  files.files[kConfig] = JoinLines({"FALSE", "FALSE", "FALSE", "TRUE", "NULL", "NULL", "NULL"});
  Run();
  ASSERT_EQ(model.SlotList.size(), 16u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(model.SlotList[8 + i], "0");
  EXPECT_EQ(model.CurrentDataFile, "");
}

TEST_F(Startup, AMissingDefaultListLeavesTheListEmptyWithoutComplaint) {
  files.files[kConfig] =
      JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", kFolder + "gone.qvl", "5000", "35"});
  const StartupOutcome outcome = Run();
  EXPECT_TRUE(model.SlotList.empty());
  EXPECT_EQ(model.CurrentDataFile, "");
  EXPECT_TRUE(outcome.errors.empty());
}

TEST_F(Startup, ALauncherThatGoesIntoTheTrayAfterARunStartsThere) {
  files.files[kConfig] = JoinLines({"FALSE", "TRUE", "TRUE", "TRUE", "NULL", "NULL", "NULL"});
  EXPECT_TRUE(Run().startsInTray);
}

TEST_F(Startup, TheResourceDisplayIsOfferedOnlyOnTheWindows95Family) {
  for (const auto& [platformId, enabled] :
       {std::pair{0, false}, std::pair{1, true}, std::pair{2, false}, std::pair{3, false}}) {
    platform.platformId = platformId;
    EXPECT_EQ(Run().resShowEnabled, enabled) << "platform " << platformId;
  }
}

TEST_F(Startup, TheShortcutCountsAsRegisteredWhenItsFileExists) {
  Run();
  EXPECT_FALSE(model.StartupLinkRegistered);
  files.files[kLink] = "";
  Run();
  EXPECT_TRUE(model.StartupLinkRegistered);
  // Without a Startup folder there is no shortcut to find.
  platform.startupLinkPath.clear();
  Run();
  EXPECT_FALSE(model.StartupLinkRegistered);
}

TEST_F(Startup, AConfigurationThatFailsToReadIsReportedOnceAndTheRestTakeNewFileValues) {
  const std::string config = JoinLines({"TRUE", "TRUE", "FALSE", "FALSE", "NULL", "abc", "50"});
  files.files[kConfig] = config;
  const StartupOutcome outcome = Run();
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_EQ(outcome.errors[0], Error(NotAnInteger{"abc"}));
  // Lines 1 to 5 were read; lines 6 and 7 could not be.
  EXPECT_TRUE(model.StartScreenSaverOnIconClick);
  EXPECT_TRUE(model.TrayAfterRun);
  EXPECT_FALSE(model.LoadListAtStartup);
  EXPECT_EQ(model.DefaultDataFile, kStart);
  EXPECT_EQ(model.LaunchInterval, 5000);
  EXPECT_EQ(model.ResourceLimit, 35);
  // Start-up went on to its end; the file was left alone.
  EXPECT_TRUE(outcome.startsInTray);
  EXPECT_EQ(files.files[kConfig], config);
}

TEST_F(Startup, AnUnreadableConfigurationGivesTheValuesOfANewOne) {
  files.files[kConfig] = "whatever";
  files.readErrors[kConfig] = kAccessDenied;
  const StartupOutcome outcome = Run();
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_EQ(outcome.errors[0], Error(FileError{kAccessDenied}));
  EXPECT_TRUE(model.LoadListAtStartup);
  EXPECT_EQ(model.LaunchInterval, 5000);
  EXPECT_EQ(model.CurrentDataFile, kStart);  // the default list still loads
}

TEST_F(Startup, ADefaultListThatFailsToLoadLeavesTheSlotsUnsetAndStartUpGoesOn) {
  std::vector<std::string> eightPaths(8, "C:\\a.exe");
  files.files[kStart] = JoinLines(eightPaths);  // no size lines
  const StartupOutcome outcome = Run();
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_EQ(outcome.errors[0], Error(NotAnInteger{""}));
  EXPECT_TRUE(model.SlotList.empty());
  EXPECT_EQ(model.CurrentDataFile, "");
}

TEST_F(Startup, AFolderThatRefusesTheFirstFileIsSaidOnceAndStartUpGoesOn) {
  files.writeErrors[kConfig] = kAccessDenied;
  files.writeErrors[kStart] = kAccessDenied;
  const StartupOutcome outcome = Run();
  EXPECT_EQ(outcome.unwritableFolder, "C:\\\x83\x5C");
  EXPECT_TRUE(outcome.errors.empty()) << "the second file is not another box";
  EXPECT_EQ(model.LaunchInterval, 5000);
  EXPECT_EQ(model.ResourceLimit, 35);
  EXPECT_TRUE(model.SlotList.empty());
  // The configuration is there; the list is refused by a write-protected medium.
  files.files[kConfig] = JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", "NULL", "NULL", "NULL"});
  files.writeErrors[kStart] = kWriteProtected;
  EXPECT_EQ(Run().unwritableFolder, "C:\\\x83\x5C");
}

}  // namespace
}  // namespace qvn
