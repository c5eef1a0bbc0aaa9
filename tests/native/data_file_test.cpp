#include "datafile/data_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/native/fake_file_system.h"
#include "tests/text_lines.h"

namespace qvn {
namespace {

using qvntest::FakeFileSystem;
using qvntest::JoinLines;
using Lines = std::vector<std::string>;

const std::string kFolder = "C:\\Quorvane\\";
const std::string kFile = kFolder + "list.qvl";

// The 72 bytes of a list of eight empty slots in a normal window.
const std::string kEmptyList =
    "NULL\r\nNULL\r\nNULL\r\nNULL\r\nNULL\r\nNULL\r\nNULL\r\nNULL\r\n"
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

Model ModelInFolder() {
  Model model;
  model.ProgramFolder = kFolder;
  model.InitialDataFile = kFolder + "Start.qvl";
  model.ConfigFile = kFolder + "Config.qvc";
  return model;
}

// A model that already holds a list, to see whether a load replaced it.
Model ModelWithList() {
  Model model = ModelInFolder();
  model.SlotList = {"C:\\old.exe", "",  "",  "",  "",  "",  "",  "",
                    "1",           "0", "0", "0", "0", "0", "0", "2"};
  model.SlotSizeCodes = {1, 0, 0, 0, 0, 0, 0, 2};
  return model;
}

class DataFile : public ::testing::Test {
 protected:
  // Loads `content` from kFile into `model`.
  std::optional<Error> Load(const std::string& content) {
    files.files[kFile] = content;
    return LoadDataFile(model, files, kFile);
  }

  FakeFileSystem files;
  Model model = ModelInFolder();
};

// --- Loading a whole list ---------------------------------------------------

TEST_F(DataFile, TheInitialListLoadsAsEightEmptySlotsInANormalWindow) {
  ASSERT_EQ(Load(kEmptyList), std::nullopt);
  EXPECT_EQ(model.SlotList,
            (Lines{"", "", "", "", "", "", "", "", "0", "0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(model.SlotSizeCodes, (SlotCodes{0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(DataFile, PathsAndCodesGoToTheirSlotsInOrder) {
  ASSERT_EQ(Load(JoinLines({"C:\\a.exe", "C:\\b.exe", "NULL", "C:\\d.exe", "NULL", "NULL", "NULL",
                            "C:\\h.exe", "1", "2", "0", "1", "0", "0", "0", "2"})),
            std::nullopt);
  EXPECT_EQ(model.SlotList, (Lines{"C:\\a.exe", "C:\\b.exe", "", "C:\\d.exe", "", "", "",
                                   "C:\\h.exe", "1", "2", "0", "1", "0", "0", "0", "2"}));
  EXPECT_EQ(model.SlotSizeCodes, (SlotCodes{1, 2, 0, 1, 0, 0, 0, 2}));
}

TEST_F(DataFile, OnlyNullInCapitalsIsAnEmptySlot) {
  ASSERT_EQ(Load(JoinLines({"null", "", "NULL ", " NULL", "Null", "NULL", "x", "y", "0", "0", "0",
                            "0", "0", "0", "0", "0"})),
            std::nullopt);
  // "null" is a program called null; an empty line is an empty slot; no
  // trimming.
  EXPECT_EQ(Lines(model.SlotList.begin(), model.SlotList.begin() + 8),
            (Lines{"null", "", "NULL ", " NULL", "Null", "", "x", "y"}));
}

TEST_F(DataFile, SizeLinesKeepTheirTextAndGiveTheirValue) {
  ASSERT_EQ(Load(JoinLines({"a", "b", "c", "d", "e", "f", "g", "h", "7", " 1", "$A", "0x10", "-1",
                            "+2", "x1F", "007"})),
            std::nullopt);
  EXPECT_EQ(Lines(model.SlotList.begin() + 8, model.SlotList.end()),
            (Lines{"7", " 1", "$A", "0x10", "-1", "+2", "x1F", "007"}));
  // No range test: 7 and -1 are loaded as they are.
  EXPECT_EQ(model.SlotSizeCodes, (SlotCodes{7, 1, 10, 16, -1, 2, 31, 7}));
}

TEST_F(DataFile, ALastLineWithoutBreakAndLfOnlyBreaksReadTheSame) {
  const Lines lines = {"C:\\a.exe", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL",
                       "1",         "0",    "0",    "0",    "0",    "0",    "0",    "2"};
  ASSERT_EQ(Load(JoinLines(lines)), std::nullopt);
  const auto withBreak = model.SlotList;

  std::string withoutLastBreak = JoinLines(lines);
  withoutLastBreak.resize(withoutLastBreak.size() - 2);
  model = ModelInFolder();
  ASSERT_EQ(Load(withoutLastBreak), std::nullopt);
  EXPECT_EQ(model.SlotList, withBreak);

  model = ModelInFolder();
  ASSERT_EQ(Load(JoinLines(lines, "\n")), std::nullopt);
  EXPECT_EQ(model.SlotList, withBreak);
}

TEST_F(DataFile, LinesAfterTheSixteenthAreIgnored) {
  ASSERT_EQ(Load(kEmptyList + "garbage\r\nmore\r\n"), std::nullopt);
  EXPECT_EQ(model.SlotList.size(), 16u);
}

TEST_F(DataFile, ALongPathIsReadWhole) {
  const std::string longPath = "C:\\" + std::string(300, 'a') + "\\tool.exe";
  ASSERT_EQ(Load(longPath + "\r\n" + kEmptyList.substr(6)), std::nullopt);
  EXPECT_EQ(model.SlotList[0], longPath);
}

TEST_F(DataFile, ShiftJisPathsPassByteForByte) {
  // C:\ツール\表.exe, with 0x5C as the second byte of 表.
  const std::string path = "C:\\\x83\x63\x81\x5B\x83\x8B\\\x95\x5C.exe";
  ASSERT_EQ(Load(path + "\r\n" + kEmptyList.substr(6)), std::nullopt);
  EXPECT_EQ(model.SlotList[0], path);
}

TEST_F(DataFile, Byte1AEndsTheListEarly) {
  std::string content = kEmptyList;
  content[content.size() - 3] = '\x1A';  // the last size line
  EXPECT_EQ(Load(content), Error(NotAnInteger{""}));
}

// --- A list that fails to load ----------------------------------------------

TEST_F(DataFile, ASizeLineThatIsNoIntegerFailsWithItsText) {
  for (const std::string bad : {"abc", "1 ", "1.0", "$", "2147483648"}) {
    model = ModelInFolder();
    EXPECT_EQ(Load(JoinLines({"a", "b", "c", "d", "e", "f", "g", "h", "0", "0", "0", bad, "0", "0",
                              "0", "0"})),
              Error(NotAnInteger{bad}))
        << bad;
  }
}

TEST_F(DataFile, AFileOfOnlyThePathLinesFailsWithAnEmptyText) {
  EXPECT_EQ(Load(JoinLines({"a", "b", "c", "d", "e", "f", "g", "h"})), Error(NotAnInteger{""}));
}

TEST_F(DataFile, AFailedLoadLeavesTheModelAsItWas) {
  model = ModelWithList();
  const Model before = model;
  EXPECT_NE(Load(JoinLines({"a", "b", "c", "d", "e", "f", "g", "h", "0", "0", "0", "0", "0", "0",
                            "0", "oops"})),
            std::nullopt);
  EXPECT_EQ(model.SlotList, before.SlotList);
  EXPECT_EQ(model.SlotSizeCodes, before.SlotSizeCodes);
}

TEST_F(DataFile, AFileThatCannotBeReadFailsWithItsErrorAndChangesNothing) {
  model = ModelWithList();
  const Model before = model;
  EXPECT_EQ(LoadDataFile(model, files, kFolder + "missing.qvl"), Error(FileError{kFileNotFound}));
  files.files[kFile] = kEmptyList;
  files.readErrors[kFile] = kAccessDenied;
  EXPECT_EQ(LoadDataFile(model, files, kFile), Error(FileError{kAccessDenied}));
  EXPECT_EQ(model.SlotList, before.SlotList);
  EXPECT_EQ(model.SlotSizeCodes, before.SlotSizeCodes);
}

// --- Previews ---------------------------------------------------------------

TEST_F(DataFile, APreviewReadsOnlyTheEightPaths) {
  files.files[kFile] = JoinLines({"C:\\a.exe", "NULL", "null", "", "e", "f", "g", "h"});
  const auto paths = ReadDataFilePaths(files, kFile);
  ASSERT_TRUE(paths.ok());
  EXPECT_EQ(paths.value(), (SlotPaths{"C:\\a.exe", "", "null", "", "e", "f", "g", "h"}));
}

TEST_F(DataFile, APreviewOfAShortFileGivesEmptySlots) {
  files.files[kFile] = "C:\\a.exe\r\n";
  const auto paths = ReadDataFilePaths(files, kFile);
  ASSERT_TRUE(paths.ok());
  EXPECT_EQ(paths.value(), (SlotPaths{"C:\\a.exe", "", "", "", "", "", "", ""}));
}

TEST_F(DataFile, APreviewIgnoresBadSizeLines) {
  files.files[kFile] = JoinLines({"a", "b", "c", "d", "e", "f", "g", "h", "abc"});
  EXPECT_TRUE(ReadDataFilePaths(files, kFile).ok());
}

TEST_F(DataFile, APreviewOfAMissingFileFails) {
  const auto paths = ReadDataFilePaths(files, kFolder + "gone.qvl");
  ASSERT_FALSE(paths.ok());
  EXPECT_EQ(paths.error(), FileError{kFileNotFound});
}

// --- Writing ------------------------------------------------------------------

TEST_F(DataFile, WritesSixteenLinesEachEndingWithCrLf) {
  const SlotPaths paths = {"C:\\a.exe", "", "null", "", "", "", "", "D:\\\x95\x5C.exe"};
  const SlotCodes codes = {1, 0, 2, 0, 0, 0, -3, 12};
  ASSERT_EQ(WriteDataFile(files, kFile, paths, codes), std::nullopt);
  EXPECT_EQ(files.files[kFile],
            JoinLines({"C:\\a.exe", "NULL", "null", "NULL", "NULL", "NULL", "NULL",
                       "D:\\\x95\x5C.exe", "1", "0", "2", "0", "0", "0", "-3", "12"}));
}

TEST_F(DataFile, AWrittenListLoadsBackTheSame) {
  const SlotPaths paths = {"C:\\a.exe", "", "C:\\Program Files\\c.exe", "", "", "", "", "h"};
  const SlotCodes codes = {1, 0, 2, 0, 0, 0, 0, 7};
  ASSERT_EQ(WriteDataFile(files, kFile, paths, codes), std::nullopt);
  ASSERT_EQ(LoadDataFile(model, files, kFile), std::nullopt);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    EXPECT_EQ(model.SlotList[slot], paths[slot]);
    EXPECT_EQ(model.SlotSizeCodes[slot], codes[slot]);
  }
}

TEST_F(DataFile, APathThatReadsNullIsWrittenAsItIsAndReadsBackEmpty) {
  SlotPaths paths;
  paths[0] = "NULL";
  ASSERT_EQ(WriteDataFile(files, kFile, paths, SlotCodes{}), std::nullopt);
  ASSERT_EQ(LoadDataFile(model, files, kFile), std::nullopt);
  EXPECT_EQ(model.SlotList[0], "");
}

// (That the old file then stays whole is the file system's part, tested on
// the real one: tests/win32/file_system_test.cpp.)
TEST_F(DataFile, AFailedWriteReportsTheFileSystemsError) {
  files.files[kFile] = kEmptyList;
  files.writeErrors[kFile] = kDiskFull;
  EXPECT_EQ(WriteDataFile(files, kFile, SlotPaths{"C:\\a.exe"}, SlotCodes{}),
            Error(NotSaved{kFile, {kDiskFull}}));
}

TEST_F(DataFile, TheInitialFileIsCreatedOnlyWhenMissing) {
  ASSERT_EQ(CreateInitialDataFile(model, files), std::nullopt);
  EXPECT_EQ(files.files[kFolder + "Start.qvl"], kEmptyList);
  EXPECT_EQ(kEmptyList.size(), 72u);

  files.files[kFolder + "Start.qvl"] = "mine";
  ASSERT_EQ(CreateInitialDataFile(model, files), std::nullopt);
  EXPECT_EQ(files.files[kFolder + "Start.qvl"], "mine");
}

TEST_F(DataFile, AnInitialFileThatCannotBeCreatedReportsWhy) {
  files.writeErrors[kFolder + "Start.qvl"] = kAccessDenied;
  EXPECT_EQ(CreateInitialDataFile(model, files),
            Error(NotSaved{kFolder + "Start.qvl", {kAccessDenied}}));
}

// --- Names ------------------------------------------------------------------

TEST(DataFileNames, APathIsTheNameInTheProgramFolderWithItsExtensionMadeQvl) {
  const Model model = ModelInFolder();
  EXPECT_EQ(DataFilePath(model, "Start.qvl", IsShiftJisLeadByte), kFolder + "Start.qvl");
  EXPECT_EQ(DataFilePath(model, "report", IsShiftJisLeadByte), kFolder + "report.qvl");
  EXPECT_EQ(DataFilePath(model, "report.qvl", IsShiftJisLeadByte), kFolder + "report.qvl");
  EXPECT_EQ(DataFilePath(model, "a.b", IsShiftJisLeadByte), kFolder + "a.qvl");
  EXPECT_EQ(DataFilePath(model, "LIST.QVL", IsShiftJisLeadByte), kFolder + "LIST.qvl");
  EXPECT_EQ(DataFilePath(model, "x.y.txt", IsShiftJisLeadByte), kFolder + "x.y.qvl");
  EXPECT_EQ(DataFilePath(model, ".qvl", IsShiftJisLeadByte), kFolder + ".qvl");
}

TEST(DataFileNames, APathKeepsAShiftJisNameWhoseSecondByteIsABackslash) {
  const Model model = ModelInFolder();
  // ソ.qvl and 表 with no extension.
  EXPECT_EQ(DataFilePath(model, "\x83\x5C.qvl", IsShiftJisLeadByte), kFolder + "\x83\x5C.qvl");
  EXPECT_EQ(DataFilePath(model, "\x95\x5C", IsShiftJisLeadByte), kFolder + "\x95\x5C.qvl");
  // Read byte by byte, 0x5C would start a new name and hide the "." before it.
  EXPECT_EQ(DataFilePath(model,
                         "a.\x95\x5C"
                         "b",
                         IsShiftJisLeadByte),
            kFolder + "a.qvl");
}

TEST(DataFileNames, ASuggestedNameJoinsTheSetSlotsProgramNames) {
  SlotPaths paths;
  paths[0] = "C:\\Tools\\edit.exe";
  EXPECT_EQ(SuggestDataFileName(paths, IsShiftJisLeadByte), "edit");
  paths[2] = "D:\\Mail\\mailer.exe";
  paths[3] = "C:\\Util\\clock.new.exe";
  EXPECT_EQ(SuggestDataFileName(paths, IsShiftJisLeadByte), "edit_mailer_clock.new");
  paths = SlotPaths{};
  paths[0] = "C:\\Tools\\edit.exe";
  paths[7] = "C:\\Last\\last.exe";
  EXPECT_EQ(SuggestDataFileName(paths, IsShiftJisLeadByte), "edit_last");
}

TEST(DataFileNames, ASuggestedNameSplitsShiftJisNamesByCharacter) {
  SlotPaths paths;
  paths[0] = "C:\\\x83\x63\x81\x5B\x83\x8B\\\x95\x5C.exe";  // C:\ツール\表.exe
  paths[1] = "C:\\\x83\x5C";                                // C:\ソ
  EXPECT_EQ(SuggestDataFileName(paths, IsShiftJisLeadByte), "\x95\x5C_\x83\x5C");
}

TEST(DataFileNames, WithoutSlotNo1TheSuggestedNameStartsWithTheSeparator) {
  SlotPaths paths;
  EXPECT_EQ(SuggestDataFileName(paths, IsShiftJisLeadByte), "");
  paths[1] = "C:\\b.exe";
  EXPECT_EQ(SuggestDataFileName(paths, IsShiftJisLeadByte), "_b");
}

TEST(DataFileNames, TheListHoldsEveryQvlFileOfTheProgramFolderInAnyCase) {
  FakeFileSystem files;
  files.files[kFolder + "Start.qvl"] = "";
  files.files[kFolder + "Work.QVL"] = "";
  files.files[kFolder + "work.qvl"] = "";
  files.files[kFolder + "\x95\x5C.qvl"] = "";
  files.files[kFolder + "Config.qvc"] = "";
  files.files[kFolder + "notes.txt"] = "";
  files.files["C:\\Other\\other.qvl"] = "";
  Lines names = ListDataFiles(ModelInFolder(), files, IsShiftJisLeadByte);
  std::sort(names.begin(), names.end());
  // Names that differ only in letter case are two files.
  EXPECT_EQ(names, (Lines{"Start.qvl", "Work.QVL", "work.qvl", "\x95\x5C.qvl"}));
}

TEST(DataFileNames, TheListLeavesOutNamesThatOnlyAShortNameMatched) {
  // What the platform may return for "*.qvl" through the 8.3 names.
  class ShortNameMatches : public FakeFileSystem {
    std::vector<std::string> List(const std::string&, const std::string&) override {
      return {"a.qvl", "list.qvl2", "LONGNAME.QVLX"};
    }
  } files;
  EXPECT_EQ(ListDataFiles(ModelInFolder(), files, IsShiftJisLeadByte), (Lines{"a.qvl"}));
}

}  // namespace
}  // namespace qvn
