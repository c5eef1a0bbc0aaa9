#include "settings/environment_page.h"

#include <gtest/gtest.h>

#include "tests/native/fake_file_system.h"

namespace qvn {
namespace {

const std::string kFolder = "C:\\\x83\x5C\\";  // C:\ソ\ (0x5C as a second byte)
const std::string kConfig = kFolder + "Config.qvc";

class EnvironmentPageSave : public ::testing::Test {
 protected:
  EnvironmentPageSave() {
    model.ProgramFolder = kFolder;
    model.InitialDataFile = kFolder + "Start.qvl";
    model.ConfigFile = kConfig;
    SetNewConfigSettings(model);
    files.files[kConfig] = "old";
    page = EnvironmentPageFor(model, IsShiftJisLeadByte);
  }

  // Saves the page with the two numbers typed as given.
  std::optional<EnvironmentSaveProblem> SaveTyped(std::wstring interval, std::wstring limit) {
    page.ComboBoxInterval = std::move(interval);
    page.ComboBoxResource = std::move(limit);
    return SaveEnvironmentPage(model, files, page);
  }

  Model model;
  qvntest::FakeFileSystem files;
  EnvironmentPage page;
};

TEST(EnvironmentPageOpening, ShowsTheSettingsWithTheDefaultFilesNameOnly) {
  Model model;
  model.StartScreenSaverOnIconClick = true;
  model.LoadListAtStartup = false;
  model.ImeOnPerProgram = true;
  model.DefaultDataFile =
      "C:\\\x95\x5C\\"
      "a\x95\x5C.qvl";        // C:\表\a表.qvl
  model.LaunchInterval = 10;  // neither value is offered; both are shown
  model.ResourceLimit = 90;
  EXPECT_EQ(EnvironmentPageFor(model, IsShiftJisLeadByte),
            (EnvironmentPage{true, false, false, true, "a\x95\x5C.qvl", L"10", L"90"}));

  model.DefaultDataFile.clear();
  EXPECT_EQ(EnvironmentPageFor(model, IsShiftJisLeadByte).EditSFName, "");
}

TEST_F(EnvironmentPageSave, TakesTheControlsAndRewritesTheConfigurationFile) {
  page = {true, true, false, false, "mail.qvl", L"600000", L"100"};  // no upper bound
  ASSERT_EQ(SaveEnvironmentPage(model, files, page), std::nullopt);
  EXPECT_EQ(files.files[kConfig],
            "TRUE\r\nTRUE\r\nFALSE\r\nFALSE\r\n" + kFolder + "mail.qvl\r\n600000\r\n100\r\n");

  // 初期化 brings back the initial list; an empty box names the folder itself.
  page.EditSFName = InitialDataFileName(model, IsShiftJisLeadByte);
  ASSERT_EQ(SaveEnvironmentPage(model, files, page), std::nullopt);
  EXPECT_EQ(model.DefaultDataFile, model.InitialDataFile);
  page.EditSFName.clear();
  ASSERT_EQ(SaveEnvironmentPage(model, files, page), std::nullopt);
  EXPECT_EQ(model.DefaultDataFile, kFolder);
}

TEST_F(EnvironmentPageSave, ChecksTheIntervalFirstAndChangesNothingWhenOneFails) {
  const Model before = model;
  EXPECT_EQ(SaveTyped(L"999", L"29"), EnvironmentSaveProblem(IntervalTooShort{}));
  EXPECT_EQ(SaveTyped(L"3000 ", L"x"), EnvironmentSaveProblem(TypedNotAnInteger{L"3000 "}));
  EXPECT_EQ(SaveTyped(L"5秒", L"35"), EnvironmentSaveProblem(TypedNotAnInteger{L"5秒"}));
  EXPECT_EQ(SaveTyped(L"１０００", L"35"), EnvironmentSaveProblem(TypedNotAnInteger{L"１０００"}));
  EXPECT_EQ(SaveTyped(L"1000", L"29"), EnvironmentSaveProblem(ResourceLimitTooLow{}));
  EXPECT_EQ(SaveTyped(L"1000", L""), EnvironmentSaveProblem(TypedNotAnInteger{L""}));
  EXPECT_EQ(model.LaunchInterval, before.LaunchInterval);
  EXPECT_EQ(model.ResourceLimit, before.ResourceLimit);
  EXPECT_EQ(files.files[kConfig], "old");
  EXPECT_EQ(files.writes, 0);
}

TEST_F(EnvironmentPageSave, TakesTheLowestValuesAndLeadingBlanks) {
  ASSERT_EQ(SaveTyped(L" 3000", L"30"), std::nullopt);
  EXPECT_EQ(model.LaunchInterval, 3000);
  EXPECT_EQ(model.ResourceLimit, 30);
  ASSERT_EQ(SaveTyped(L"1000", L"$64"), std::nullopt);
  EXPECT_EQ(model.LaunchInterval, 1000);
  EXPECT_EQ(model.ResourceLimit, 100);
}

TEST_F(EnvironmentPageSave, ADeletedConfigurationFileIsMadeAgain) {
  files.files.clear();
  ASSERT_EQ(SaveTyped(L"2000", L"40"), std::nullopt);
  EXPECT_EQ(model.LaunchInterval, 2000);
  EXPECT_TRUE(files.Exists(kConfig));
}

TEST_F(EnvironmentPageSave, AFileThatCannotBeWrittenIsReportedAfterTheSettingsChanged) {
  files.writeErrors[kConfig] = kAccessDenied;
  EXPECT_EQ(SaveTyped(L"2000", L"40"),
            EnvironmentSaveProblem(Error(NotSaved{kConfig, {kAccessDenied}})));
  EXPECT_EQ(model.LaunchInterval, 2000);
}

}  // namespace
}  // namespace qvn
