#include "settings/config_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/fake_file_system.h"
#include "tests/text_lines.h"

namespace qvn {
namespace {

using qvntest::FakeFileSystem;
using qvntest::JoinLines;

const std::string kFolder = "C:\\\x83\x5C\\";  // C:\ソ\ (0x5C as a second byte)
const std::string kConfig = kFolder + "Config.qvc";
const std::string kStart = kFolder + "Start.qvl";

// The seven settings, to compare them at once.
struct Settings {
  bool screenSaver, trayAfterRun, loadList, imeOn;
  std::string defaultDataFile;
  std::int32_t interval, limit;
  friend bool operator==(const Settings&, const Settings&) = default;
  friend void PrintTo(const Settings& s, std::ostream* out) {
    *out << s.screenSaver << s.trayAfterRun << s.loadList << s.imeOn << " '" << s.defaultDataFile
         << "' " << s.interval << " " << s.limit;
  }
};

Settings SettingsOf(const Model& model) {
  return {model.StartScreenSaverOnIconClick,
          model.TrayAfterRun,
          model.LoadListAtStartup,
          model.ImeOnPerProgram,
          model.DefaultDataFile,
          model.LaunchInterval,
          model.ResourceLimit};
}

class ConfigFile : public ::testing::Test {
 protected:
  ConfigFile() {
    model.ProgramFolder = kFolder;
    model.InitialDataFile = kStart;
    model.ConfigFile = kConfig;
  }

  std::optional<Error> Read(const std::string& content) {
    files.files[kConfig] = content;
    return ReadConfigFile(model, files);
  }

  // Settings other than those of a new file and those of start-up, to see
  // which ones a read changed.
  void SetOtherSettings() {
    model.StartScreenSaverOnIconClick = true;
    model.TrayAfterRun = true;
    model.LoadListAtStartup = false;
    model.ImeOnPerProgram = false;
    model.DefaultDataFile = "D:\\before.qvl";
    model.LaunchInterval = 1234;
    model.ResourceLimit = 56;
  }

  FakeFileSystem files;
  Model model;
};

const std::string kDefaultText =
    "FALSE\r\nFALSE\r\nTRUE\r\nTRUE\r\n" + kStart + "\r\n5000\r\n35\r\n";

// --- Creating ----------------------------------------------------------------

TEST_F(ConfigFile, ANewFileHoldsTheSevenDefaultLines) {
  ASSERT_EQ(CreateDefaultConfigFile(model, files), std::nullopt);
  EXPECT_EQ(files.files[kConfig], kDefaultText);
}

TEST_F(ConfigFile, CreatingLeavesAnExistingFileAndTheSettingsAlone) {
  files.files[kConfig] = "TRUE\r\n";
  SetOtherSettings();
  const Settings before = SettingsOf(model);
  ASSERT_EQ(CreateDefaultConfigFile(model, files), std::nullopt);
  EXPECT_EQ(files.files[kConfig], "TRUE\r\n");
  EXPECT_EQ(SettingsOf(model), before);
}

TEST_F(ConfigFile, AFileThatCannotBeCreatedReportsWhy) {
  files.writeErrors[kConfig] = kAccessDenied;
  EXPECT_EQ(CreateDefaultConfigFile(model, files), Error(NotSaved{kConfig, {kAccessDenied}}));
}

TEST_F(ConfigFile, ANewFileReadsAsTheDefaultSettings) {
  ASSERT_EQ(CreateDefaultConfigFile(model, files), std::nullopt);
  ASSERT_EQ(ReadConfigFile(model, files), std::nullopt);
  EXPECT_EQ(SettingsOf(model), (Settings{false, false, true, true, kStart, 5000, 35}));
}

// --- Reading ---------------------------------------------------------------

TEST_F(ConfigFile, AFlagIsOnOnlyWhenItsLineIsExactlyTrue) {
  ASSERT_EQ(Read(JoinLines({"TRUE", "true", "TRUE ", " TRUE", "x", "1", "2"})), std::nullopt);
  EXPECT_TRUE(model.StartScreenSaverOnIconClick);
  EXPECT_FALSE(model.TrayAfterRun);
  EXPECT_FALSE(model.LoadListAtStartup);
  EXPECT_FALSE(model.ImeOnPerProgram);

  SetOtherSettings();
  ASSERT_EQ(Read(JoinLines({"FALSE", "", "True", "TRUE", "x", "1", "2"})), std::nullopt);
  EXPECT_FALSE(model.StartScreenSaverOnIconClick);
  EXPECT_FALSE(model.TrayAfterRun);
  EXPECT_FALSE(model.LoadListAtStartup);
  EXPECT_TRUE(model.ImeOnPerProgram);
}

TEST_F(ConfigFile, NullStandsForTheInitialFileAndTheDefaultNumbers) {
  ASSERT_EQ(Read(JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", "NULL", "NULL", "NULL"})),
            std::nullopt);
  EXPECT_EQ(model.DefaultDataFile, kStart);
  EXPECT_EQ(model.LaunchInterval, 5000);
  EXPECT_EQ(model.ResourceLimit, 35);
}

TEST_F(ConfigFile, Line5IsTakenAsItStands) {
  SetOtherSettings();
  ASSERT_EQ(Read(JoinLines({"", "", "", "", "", "0", "0"})), std::nullopt);
  EXPECT_EQ(model.DefaultDataFile, "");  // no default file

  ASSERT_EQ(Read(JoinLines({"", "", "", "", " null ", "0", "0"})), std::nullopt);
  EXPECT_EQ(model.DefaultDataFile, " null ");

  const std::string longPath = kFolder + std::string(300, '\x95') + ".qvl";
  ASSERT_EQ(Read(JoinLines({"", "", "", "", longPath, "0", "0"})), std::nullopt);
  EXPECT_EQ(model.DefaultDataFile, longPath);
}

TEST_F(ConfigFile, NumbersFollowTheIntegerTextRuleWithoutARangeTest) {
  ASSERT_EQ(Read(JoinLines({"", "", "", "", "", " 10", "$5A"})), std::nullopt);
  EXPECT_EQ(model.LaunchInterval, 10);
  EXPECT_EQ(model.ResourceLimit, 90);
  ASSERT_EQ(Read(JoinLines({"", "", "", "", "", "-1", "0x7FFFFFFF"})), std::nullopt);
  EXPECT_EQ(model.LaunchInterval, -1);
  EXPECT_EQ(model.ResourceLimit, 2147483647);
}

TEST_F(ConfigFile, LettersOnLine6StopTheReadAfterLine5) {
  SetOtherSettings();
  EXPECT_EQ(Read(JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", "E:\\new.qvl", "abc", "40"})),
            Error(NotAnInteger{"abc"}));
  // Lines 1 to 5 are applied; line 7 is never reached.
  EXPECT_EQ(SettingsOf(model), (Settings{false, false, true, true, "E:\\new.qvl", 1234, 56}));
}

TEST_F(ConfigFile, ABadLine7KeepsLine6) {
  SetOtherSettings();
  EXPECT_EQ(Read(JoinLines({"", "", "", "", "", "300", "35 "})), Error(NotAnInteger{"35 "}));
  EXPECT_EQ(model.LaunchInterval, 300);
  EXPECT_EQ(model.ResourceLimit, 56);
}

TEST_F(ConfigFile, AnEmptyFileChangesNothing) {
  SetOtherSettings();
  const Settings before = SettingsOf(model);
  ASSERT_EQ(Read(""), std::nullopt);
  EXPECT_EQ(SettingsOf(model), before);
  // Nor does a file whose data ends at once with 0x1A.
  ASSERT_EQ(Read("\x1A" + kDefaultText), std::nullopt);
  EXPECT_EQ(SettingsOf(model), before);
}

TEST_F(ConfigFile, AFileOfThreeLinesReadsEmptyLinesAndFailsOnLine6) {
  SetOtherSettings();
  EXPECT_EQ(Read(JoinLines({"TRUE", "TRUE", "TRUE"})), Error(NotAnInteger{""}));
  EXPECT_EQ(SettingsOf(model), (Settings{true, true, true, false, "", 1234, 56}));
}

TEST_F(ConfigFile, OneEmptyLineAfterSevenStartsASecondGroupThatFails) {
  EXPECT_EQ(Read(kDefaultText + "\r\n"), Error(NotAnInteger{""}));
  EXPECT_EQ(SettingsOf(model), (Settings{false, false, false, false, "", 5000, 35}));
}

TEST_F(ConfigFile, InAFileOfFourteenLinesTheSecondGroupDecides) {
  ASSERT_EQ(Read(kDefaultText + JoinLines({"TRUE", "TRUE", "FALSE", "FALSE", "NULL", "60", "x1E"})),
            std::nullopt);
  EXPECT_EQ(SettingsOf(model), (Settings{true, true, false, false, kStart, 60, 30}));
}

TEST_F(ConfigFile, AFileWithoutTheLastBreakReadsTheSame) {
  std::string text = kDefaultText;
  text.resize(text.size() - 2);
  ASSERT_EQ(Read(text), std::nullopt);
  EXPECT_EQ(SettingsOf(model), (Settings{false, false, true, true, kStart, 5000, 35}));
}

TEST_F(ConfigFile, AMissingFileChangesNothing) {
  SetOtherSettings();
  const Settings before = SettingsOf(model);
  ASSERT_EQ(ReadConfigFile(model, files), std::nullopt);
  EXPECT_EQ(SettingsOf(model), before);
}

TEST_F(ConfigFile, AFileThatCannotBeReadReportsWhyAndChangesNothing) {
  SetOtherSettings();
  const Settings before = SettingsOf(model);
  files.files[kConfig] = kDefaultText;
  files.readErrors[kConfig] = kAccessDenied;
  EXPECT_EQ(ReadConfigFile(model, files), Error(FileError{kAccessDenied}));
  EXPECT_EQ(SettingsOf(model), before);
}

// --- Writing -----------------------------------------------------------------

TEST_F(ConfigFile, WritingRewritesAllSevenLinesFromMemory) {
  files.files[kConfig] = kDefaultText + "extra\r\n";
  SetOtherSettings();
  model.DefaultDataFile = kFolder + "\x95\x5C.qvl";
  model.ResourceLimit = -5;
  ASSERT_EQ(WriteConfigFile(model, files), std::nullopt);
  EXPECT_EQ(files.files[kConfig],
            JoinLines({"TRUE", "TRUE", "FALSE", "FALSE", kFolder + "\x95\x5C.qvl", "1234", "-5"}));
}

TEST_F(ConfigFile, AnEmptyDefaultIsWrittenAsAnEmptyLine) {
  files.files[kConfig] = kDefaultText;
  model.DefaultDataFile = "";
  ASSERT_EQ(WriteConfigFile(model, files), std::nullopt);
  EXPECT_EQ(files.files[kConfig], "FALSE\r\nFALSE\r\nFALSE\r\nFALSE\r\n\r\n0\r\n0\r\n");
}

TEST_F(ConfigFile, AWrittenFileReadsBackToTheSameSettings) {
  files.files[kConfig] = "";
  SetOtherSettings();
  const Settings written = SettingsOf(model);
  ASSERT_EQ(WriteConfigFile(model, files), std::nullopt);
  model = Model();
  model.InitialDataFile = kStart;
  model.ConfigFile = kConfig;
  ASSERT_EQ(ReadConfigFile(model, files), std::nullopt);
  EXPECT_EQ(SettingsOf(model), written);
}

TEST_F(ConfigFile, WritingWithoutAFileMakesItAgainOrReportsWhyNot) {
  SetOtherSettings();
  ASSERT_EQ(WriteConfigFile(model, files), std::nullopt);
  EXPECT_EQ(files.files[kConfig],
            JoinLines({"TRUE", "TRUE", "FALSE", "FALSE", "D:\\before.qvl", "1234", "56"}));
  files.files.clear();
  files.writeErrors[kConfig] = kAccessDenied;
  EXPECT_EQ(WriteConfigFile(model, files), Error(NotSaved{kConfig, {kAccessDenied}}));
}

// (That the old file then stays whole is the file system's part, tested on
// the real one: tests/win32/file_system_test.cpp.)
TEST_F(ConfigFile, AFailedWriteReportsTheFileSystemsErrorAndKeepsTheSettingsInMemory) {
  files.files[kConfig] = kDefaultText;
  files.writeErrors[kConfig] = kAccessDenied;
  SetOtherSettings();
  EXPECT_EQ(WriteConfigFile(model, files), Error(NotSaved{kConfig, {kAccessDenied}}));
  EXPECT_EQ(model.LaunchInterval, 1234);
}

}  // namespace
}  // namespace qvn
