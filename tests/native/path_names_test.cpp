#include "core/path_names.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

// "C:\ツール\表.exe" in Shift-JIS: ツ 0x83 0x63, ー 0x81 0x5B, ル 0x83 0x8B, 表 0x95 0x5C.
const std::string kToolPath = "C:\\\x83\x63\x81\x5B\x83\x8B\\\x95\x5C.exe";

TEST(PathNames, SplitAtTheLastBackslashOrColon) {
  EXPECT_EQ(FileNamePart("C:\\Tools\\edit.exe", IsShiftJisLeadByte), "edit.exe");
  EXPECT_EQ(FolderPart("C:\\Tools\\edit.exe", IsShiftJisLeadByte), "C:\\Tools\\");
  EXPECT_EQ(FileNamePart("C:edit.exe", IsShiftJisLeadByte), "edit.exe");
  EXPECT_EQ(FileNamePart("edit.exe", IsShiftJisLeadByte), "edit.exe");
  EXPECT_EQ(FolderPart("edit.exe", IsShiftJisLeadByte), "");
  EXPECT_EQ(FileNamePart("C:\\Tools\\", IsShiftJisLeadByte), "");
}

TEST(PathNames, ATrailByte0x5CIsPartOfItsCharacterNotASeparator) {
  EXPECT_EQ(FileNamePart(kToolPath, IsShiftJisLeadByte), "\x95\x5C.exe");
  EXPECT_EQ(FolderPart(kToolPath, IsShiftJisLeadByte), "C:\\\x83\x63\x81\x5B\x83\x8B\\");
  // ソ (0x83 0x5C) at the end of a folder name.
  EXPECT_EQ(FolderPart("C:\\\x83\x5C\\a.exe", IsShiftJisLeadByte), "C:\\\x83\x5C\\");
  EXPECT_EQ(FileNamePart("\x83\x5C", IsShiftJisLeadByte), "\x83\x5C");
}

TEST(PathNames, ExtensionIsCutAtTheLastDotOfTheFileName) {
  EXPECT_EQ(RemoveExtension(FileNamePart(kToolPath, IsShiftJisLeadByte), IsShiftJisLeadByte),
            "\x95\x5C");
  EXPECT_EQ(RemoveExtension("clock.new.exe", IsShiftJisLeadByte), "clock.new");
  EXPECT_EQ(RemoveExtension("report", IsShiftJisLeadByte), "report");
  EXPECT_EQ(RemoveExtension(".qvl", IsShiftJisLeadByte), "");
  // A dot in a folder name is no extension.
  EXPECT_EQ(RemoveExtension("C:\\v1.2\\tool", IsShiftJisLeadByte), "C:\\v1.2\\tool");
}

TEST(PathNames, TheExtensionIsTheTextFromTheLastDotOfTheFileName) {
  EXPECT_EQ(ExtensionPart("C:\\Apps\\app.tar.EXE", IsShiftJisLeadByte), ".EXE");
  EXPECT_EQ(ExtensionPart("C:\\Apps\\app.", IsShiftJisLeadByte), ".");
  EXPECT_EQ(ExtensionPart("C:app.exe", IsShiftJisLeadByte), ".exe");
  // Only the folder has a dot, or there is no file name at all.
  EXPECT_EQ(ExtensionPart("C:\\Tools.old\\run", IsShiftJisLeadByte), "");
  EXPECT_EQ(ExtensionPart("C:\\Apps\\", IsShiftJisLeadByte), "");
  // "C:\ソ.exe\ソ" has none: ソ's trail byte 0x5C does not end the folder.
  EXPECT_EQ(ExtensionPart("C:\\\x83\x5C.exe\\\x83\x5C", IsShiftJisLeadByte), "");
  EXPECT_EQ(ExtensionPart(kToolPath, IsShiftJisLeadByte), ".exe");
}

TEST(PathNames, NamesCompareInAnyLetterCaseButATrailByteIsNeverFolded) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase(".QvL", ".qvl", IsShiftJisLeadByte));
  EXPECT_FALSE(EqualsIgnoringAsciiCase(".qvl2", ".qvl", IsShiftJisLeadByte));
  EXPECT_FALSE(EqualsIgnoringAsciiCase(".q\x83\x5C", ".qvl", IsShiftJisLeadByte));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("C:\\Q\\Edit.QVL", "c:\\q\\edit.qvl", IsShiftJisLeadByte));
  // ア (0x83 0x41) and ヂ (0x83 0x61) differ only as "A" and "a" do.
  EXPECT_FALSE(EqualsIgnoringAsciiCase("\x83\x41.qvl", "\x83\x61.qvl", IsShiftJisLeadByte));
}

TEST(PathNames, ALeadByteAtTheVeryEndDoesNotReadPastTheText) {
  EXPECT_EQ(FileNamePart("a\\\x95", IsShiftJisLeadByte), "\x95");
  EXPECT_EQ(RemoveExtension("a.\x95", IsShiftJisLeadByte), "a");
}

}  // namespace
}  // namespace qvn
