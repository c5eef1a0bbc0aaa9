// The decisions behind the open and save dialogs: what may be deleted, which
// names may be saved under and when saving replaces a file, and what opening
// or saving a chosen file does to the model, the files and the main window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datafile/chosen_file.h"
#include "datafile/deletion.h"
#include "datafile/file_list.h"
#include "datafile/save_name.h"
#include "settings/config_file.h"
#include "tests/native/fake_file_system.h"
#include "tests/text_lines.h"

namespace qvn {
namespace {

using qvntest::JoinLines;

const std::string kFolder = "C:\\Quorvane\\";
const std::string kStart = kFolder + "Start.qvl";
const std::string kConfig = kFolder + "Config.qvc";

// A list with slot No.1 `first` and the rest empty, in a maximised window.
std::string ListOf(const std::string& first) {
  return JoinLines({first, "NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL",  //
                    "1", "0", "0", "0", "0", "0", "0", "0"});
}

// Records what the commands ask of the main window, in order; the
// configuration file of `model` is written as the launcher writes it.
class FakeHost : public DataFileHost, public SlotDisplay {
 public:
  explicit FakeHost(const Model& model) : model_(model) {}

  qvntest::FakeFileSystem files;
  std::vector<std::string> calls;
  std::vector<Error> errors;

  FileSystem& Files() override { return files; }
  LeadByteRule LeadBytes() override { return IsShiftJisLeadByte; }
  void ShowError(const Error& error) override {
    errors.push_back(error);
    calls.push_back("ShowError");
  }
  std::optional<Error> RewriteConfiguration() override { return WriteConfigFile(model_, files); }
  void ShowSlotIcons() override { calls.push_back("ShowSlotIcons"); }
  void ShowSlotHints() override { calls.push_back("ShowSlotHints"); }

 private:
  const Model& model_;
};

// A program folder with the initial list current and default, "other.qvl"
// beside it, and a configuration file.
class DataFileDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    model.ProgramFolder = kFolder;
    model.InitialDataFile = model.CurrentDataFile = kStart;
    model.ConfigFile = kConfig;
    SetNewConfigSettings(model);  // as the configuration file below holds them
    model.SlotList = {"C:\\old.exe", "",  "",  "",  "",  "",  "",  "",
                      "0",           "0", "0", "0", "0", "0", "0", "0"};
    host.files.files[kStart] = ListOf("NULL");
    host.files.files[kFolder + "other.qvl"] = ListOf("C:\\Tools\\other.exe");
    host.files.files[kConfig] = JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", kStart, "5000", "35"});
  }

  // Everything a failed or cancelled command must leave as it was.
  void ExpectNothingChanged(const Model& before, const std::map<std::string, std::string>& files) {
    EXPECT_EQ(model.SlotList, before.SlotList);
    EXPECT_EQ(model.CurrentDataFile, before.CurrentDataFile);
    EXPECT_EQ(model.DefaultDataFile, before.DefaultDataFile);
    EXPECT_EQ(host.files.files, files);
  }

  Model model;
  FakeHost host{model};
};

// --- Deleting from the open dialog ---------------------------------------------

TEST_F(DataFileDialogs, DeletionIsRefusedForTheFirstRoleTheFileHas) {
  host.files.files[kFolder + "a.qvl"] = ListOf("NULL");
  host.files.files[kFolder + "b.qvl"] = ListOf("NULL");
  model.CurrentDataFile = kFolder + "a.qvl";
  model.DefaultDataFile = kFolder + "a.qvl";
  const auto refusal = [&](const std::string& path) {
    return RefusalToDelete(model, host.files, path, IsShiftJisLeadByte);
  };
  EXPECT_EQ(refusal(kFolder + "a.qvl"), DeletionRefusal::kCurrentFile)
      << "current and default: the current file's message";

  model.DefaultDataFile = kStart;
  EXPECT_EQ(refusal(kStart), DeletionRefusal::kDefaultFile)
      << "default and initial: the default file's message";
  model.DefaultDataFile = kFolder + "b.qvl";
  EXPECT_EQ(refusal(kStart), DeletionRefusal::kInitialFile);
  EXPECT_EQ(refusal(kFolder + "other.qvl"), DeletionRefusal::kNone);

  host.files.files.erase(kFolder + "a.qvl");
  EXPECT_EQ(refusal(kFolder + "a.qvl"), DeletionRefusal::kMissing)
      << "a file that is gone, though current";
  EXPECT_EQ(refusal(kFolder + "A.qvl"), DeletionRefusal::kMissing);
  host.files.files[kFolder + "A.qvl"] = ListOf("NULL");
  EXPECT_EQ(refusal(kFolder + "A.qvl"), DeletionRefusal::kCurrentFile)
      << "the current file named in another letter case";
  model.CurrentDataFile = kStart;
  model.DefaultDataFile = kFolder + "a.QVL";
  EXPECT_EQ(refusal(kFolder + "A.qvl"), DeletionRefusal::kDefaultFile);
}

TEST_F(DataFileDialogs, ASavedFileIsKnownByTheNameItHasOnDisk) {
  host.files.files[kFolder + "edit_mailer.qvl"] = ListOf("NULL");
  EXPECT_EQ(NameOnDisk(host.files, kFolder + "EDIT_MAILER.qvl", IsShiftJisLeadByte),
            kFolder + "edit_mailer.qvl");
  EXPECT_TRUE(IsEntryOf("edit_mailer.qvl", kFolder + "EDIT_MAILER.qvl", IsShiftJisLeadByte));
  EXPECT_EQ(NameOnDisk(host.files, kFolder + "new.qvl", IsShiftJisLeadByte), kFolder + "new.qvl");
}

// --- The open dialog's list and preview ----------------------------------------

TEST_F(DataFileDialogs, NoFileOrAMissingOnePreviewsEmptySlotsButAnUnreadableOneFails) {
  EXPECT_EQ(PreviewOf(host.files, kFolder + "other.qvl").value()[0], "C:\\Tools\\other.exe");
  EXPECT_EQ(PreviewOf(host.files, "").value(), SlotPaths{});
  EXPECT_EQ(PreviewOf(host.files, kFolder + "gone.qvl").value(), SlotPaths{});
  host.files.readErrors[kStart] = kAccessDenied;
  EXPECT_EQ(PreviewOf(host.files, kStart).error(), FileError{kAccessDenied});
}

// --- Saving under a typed name -------------------------------------------------

TEST_F(DataFileDialogs, NamesTheFileSystemCannotTakeAreRefusedWithTheirReason) {
  const auto check = [&](std::wstring_view typed, std::optional<std::string> name) {
    return CheckSaveName(model, typed, name, IsShiftJisLeadByte);
  };
  EXPECT_EQ(check(L"", ""), SaveNameProblem::kEmpty);
  EXPECT_EQ(check(L"\u00e9t\u00e9", std::nullopt), SaveNameProblem::kNotInCodePage);
  for (const char* name : {"a\\b", "a/b", "C:a", "a*", "a?", "a\"b", "a<b", "a>b", "a|b", "a\tb"}) {
    EXPECT_EQ(check(L"x", name), SaveNameProblem::kForbiddenCharacter) << name;
  }
  // ソ and 表 end in 0x5C, ポ in 0x7C: bytes of "\" and "|" that are no such characters.
  EXPECT_EQ(check(L"x", "\x83\x5C\x95\x5C\x83\x7C"), SaveNameProblem::kNone);
  for (const char* name : {"CON", "con.txt", "Nul .a", "aux.qvl", "COM1", "lpt9"}) {
    EXPECT_EQ(check(L"x", name), SaveNameProblem::kReservedName) << name;
  }
  for (const char* name : {"CONSOLE", "COM0", "COM10", "xCON", "edit_mailer", "Start.qvl", "a.b"}) {
    EXPECT_EQ(check(L"x", name), SaveNameProblem::kNone) << name;
  }
  // The folder's 12 characters, the name and ".qvl" make at most 259 characters,
  // counted as characters, not bytes.
  EXPECT_EQ(check(L"x", std::string(243, 'a')), SaveNameProblem::kNone);
  EXPECT_EQ(check(L"x", std::string(244, 'a')), SaveNameProblem::kTooLong);
  std::string wide;
  for (int i = 0; i < 243; ++i) wide += "\x95\x5C";
  EXPECT_EQ(check(L"x", wide), SaveNameProblem::kNone);
}

TEST_F(DataFileDialogs, SavingReplacesTheFileTheNameWrites) {
  const auto replaces = [&](std::string_view name) {
    return SaveReplacesFile(model, host.files, name, IsShiftJisLeadByte);
  };
  EXPECT_TRUE(replaces("other"));
  EXPECT_TRUE(replaces("other.qvl")) << "an entry taken from the list";
  EXPECT_TRUE(replaces("other.txt")) << "another extension writes other.qvl too";
  EXPECT_FALSE(replaces("other.qvl.txt"));
  EXPECT_FALSE(replaces("new"));
}

// --- Opening or saving the chosen file ----------------------------------------

TEST_F(DataFileDialogs, WithoutAChoiceNeitherOpeningNorSavingChangesAnything) {
  const Model before = model;
  const auto files = host.files.files;
  for (const int result : {kNotChosen, kCancelled}) {
    OpenChosenDataFile(model, host, host, result, "other.qvl");
    EXPECT_FALSE(SaveListAs(model, host, host, result, "edit", SlotPaths{"C:\\e.exe"}, {}));
  }
  ExpectNothingChanged(before, files);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(DataFileDialogs, OpeningLoadsTheEntryAndAsDefaultRewritesTheConfiguration) {
  const auto files = host.files.files;
  OpenChosenDataFile(model, host, host, kChosen, "other.qvl");
  EXPECT_EQ(model.CurrentDataFile, kFolder + "other.qvl");
  EXPECT_EQ(model.SlotList[0], "C:\\Tools\\other.exe");
  EXPECT_EQ(host.calls, (std::vector<std::string>{"ShowSlotIcons", "ShowSlotHints"}));
  EXPECT_EQ(host.files.files, files) << "the default stays, nothing is written";

  OpenChosenDataFile(model, host, host, kChosenAsDefault, "Start.qvl");
  EXPECT_EQ(model.DefaultDataFile, kStart);
  EXPECT_EQ(host.files.files[kConfig],
            JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", kStart, "5000", "35"}));
  host.files.files.erase(kConfig);
  OpenChosenDataFile(model, host, host, kChosenAsDefault, "other.qvl");
  EXPECT_EQ(model.DefaultDataFile, kFolder + "other.qvl") << "in memory";
  EXPECT_TRUE(host.files.Exists(kConfig)) << "a deleted configuration file is made again";
}

TEST_F(DataFileDialogs, SavingWritesTheListReadsItBackAndMakesItCurrent) {
  const SlotPaths paths{"C:\\Tools\\edit.exe", "", "D:\\Mail\\mailer.exe"};
  const SlotCodes codes{1, 0, 2};
  const std::string config = host.files.files[kConfig];
  EXPECT_TRUE(SaveListAs(model, host, host, kChosen, "edit_mailer", paths, codes));
  const std::string written = kFolder + "edit_mailer.qvl";
  EXPECT_EQ(model.CurrentDataFile, written);
  EXPECT_EQ(model.SlotList[2], "D:\\Mail\\mailer.exe") << "read back";
  EXPECT_EQ(model.SlotSizeCodes, codes);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"ShowSlotIcons", "ShowSlotHints"}));
  EXPECT_EQ(host.files.files[kConfig], config);

  EXPECT_TRUE(SaveListAs(model, host, host, kChosenAsDefault, "other.qvl", paths, codes));
  EXPECT_EQ(host.files.files[kFolder + "other.qvl"], host.files.files[written]) << "replaced";
  EXPECT_EQ(host.files.files[kConfig],
            JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", kFolder + "other.qvl", "5000", "35"}));
}

TEST_F(DataFileDialogs, AListThatCannotBeLoadedOrWrittenIsReportedAndChangesNothing) {
  host.files.files[kFolder + "bad.qvl"] = JoinLines({"C:\\a.exe", "", "", "", "", "", "", ""});
  host.files.writeErrors[kFolder + "edit.qvl"] = kDiskFull;
  const Model before = model;
  const auto files = host.files.files;
  OpenChosenDataFile(model, host, host, kChosenAsDefault, "bad.qvl");
  EXPECT_FALSE(SaveListAs(model, host, host, kChosenAsDefault, "edit", SlotPaths{"C:\\e.exe"}, {}));
  ExpectNothingChanged(before, files);
  EXPECT_EQ(host.errors,
            (std::vector<Error>{NotAnInteger{""}, NotSaved{kFolder + "edit.qvl", {kDiskFull}}}));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"ShowError", "ShowError"})) << "no refresh";
}

TEST_F(DataFileDialogs, TheDefaultFileCommandTakesTheCurrentFileIfThereIsOne) {
  const std::string other = kFolder + "other.qvl";
  const std::string config = JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", other, "5000", "35"});
  model.CurrentDataFile = other;
  MakeCurrentFileTheDefault(model, host);
  EXPECT_EQ(model.DefaultDataFile, other);
  EXPECT_EQ(host.files.files[kConfig], config);

  model.CurrentDataFile.clear();
  MakeCurrentFileTheDefault(model, host);
  EXPECT_EQ(model.DefaultDataFile, other) << "without a current file nothing changes";
  EXPECT_EQ(host.files.files[kConfig], config);
  EXPECT_EQ(host.calls, std::vector<std::string>{}) << "nothing shown";
}

}  // namespace
}  // namespace qvn
