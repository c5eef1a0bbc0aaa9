// The launcher's files on the real file system, in a temporary folder: what a
// failed write leaves behind, the error numbers the user sees, and which
// files a listing finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/ansi_text.h"
#include "core/path_names.h"
#include "core/win32_file_system.h"
#include "tests/win32/test_support.h"

namespace qvn {

void PrintTo(const FileError& error, std::ostream* out) {
  *out << "FileError{" << error.number << "}";
}

namespace {

using Names = std::vector<std::string>;

class FileSystemOnDisk : public ::testing::Test {
 protected:
  // The ANSI path of a file in the temporary folder.
  std::string Path(const std::string& name) const { return Ansi(folder.path()) + name; }
  std::wstring WidePath(const std::string& name) const { return FromAnsi(Path(name)); }

  static std::string Ansi(const std::wstring& text) {
    const auto ansi = ToAnsi(text);
    EXPECT_TRUE(ansi.has_value());
    return ansi.value_or("");
  }

  // Puts `bytes` into a file the way another program would.
  void Put(const std::string& name, const std::string& bytes, DWORD attributes = 0) {
    HANDLE file = CreateFileW(WidePath(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (attributes != 0) SetFileAttributesW(WidePath(name).c_str(), attributes);
  }

  std::string BytesOf(const std::string& name) const {
    return qvntest::ReadFileBytes(WidePath(name));
  }

  // Every file in the folder: a left-over temporary file shows here.
  Names FilesInFolder() const {
    Names names;
    for (const auto& name : folder.Files()) names.push_back(Ansi(name));
    return names;
  }

  qvntest::TempFolder folder;
  Win32FileSystem files;
};

const std::string kOld = "FALSE\r\nFALSE\r\nTRUE\r\nTRUE\r\nC:\\Start.qvl\r\n5000\r\n35\r\n";
const std::string kNew = "TRUE\r\nTRUE\r\nTRUE\r\nTRUE\r\n\r\n60\r\n30\r\n";

// --- Reading -----------------------------------------------------------------

TEST_F(FileSystemOnDisk, ReadsEveryByteOfAFile) {
  std::string bytes("a\r\nb\rc\nd\0e\x1A\x95\x5C", 13);
  bytes += std::string(200000, 'x');  // more than one read's worth
  Put("Config.qvc", bytes);
  const auto read = files.ReadAll(Path("Config.qvc"));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value(), bytes);
}

TEST_F(FileSystemOnDisk, ReadingAMissingFileFailsWithError2) {
  const auto read = files.ReadAll(Path("missing.qvl"));
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.error(), FileError{kFileNotFound});
}

TEST_F(FileSystemOnDisk, ReadingInAMissingFolderFailsWithError3) {
  const auto read = files.ReadAll(Path("no such folder\\list.qvl"));
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.error(), FileError{kBadFileName});
}

TEST_F(FileSystemOnDisk, OthersMayReadAlongButAWriterBlocksTheRead) {
  Put("list.qvl", kOld);
  HANDLE reader = CreateFileW(WidePath("list.qvl").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(files.ReadAll(Path("list.qvl")).ok());
  CloseHandle(reader);

  HANDLE writer =
      CreateFileW(WidePath("list.qvl").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  const auto read = files.ReadAll(Path("list.qvl"));
  CloseHandle(writer);
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.error(), FileError{kAccessDenied});
}

TEST_F(FileSystemOnDisk, AFolderIsNoFile) {
  ASSERT_TRUE(CreateDirectoryW(WidePath("sub.qvl").c_str(), nullptr));
  Put("Start.qvl", "");
  EXPECT_FALSE(files.Exists(Path("sub.qvl")));
  EXPECT_TRUE(files.Exists(Path("Start.qvl")));
  EXPECT_FALSE(files.Exists(Path("missing.qvl")));
  const auto read = files.ReadAll(Path("sub.qvl"));
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.error(), FileError{kAccessDenied});
  RemoveDirectoryW(WidePath("sub.qvl").c_str());
}

TEST_F(FileSystemOnDisk, APathWithANulByteNamesNoFile) {
  Put("a.qvl", kOld);
  const std::string path = Path("a.qvl") + std::string(1, '\0') + "junk";
  EXPECT_FALSE(files.Exists(path));
  EXPECT_FALSE(files.ReadAll(path).ok());
  EXPECT_EQ(files.ReplaceWith(path, kNew), FileError{kBadFileName});
  EXPECT_EQ(BytesOf("a.qvl"), kOld);
}

// --- Writing -----------------------------------------------------------------

TEST_F(FileSystemOnDisk, AWriteCreatesTheFileWithExactlyTheBytes) {
  ASSERT_EQ(files.ReplaceWith(Path("Start.qvl"), kNew), std::nullopt);
  EXPECT_EQ(BytesOf("Start.qvl"), kNew);
  EXPECT_EQ(FilesInFolder(), (Names{"Start.qvl"}));
}

TEST_F(FileSystemOnDisk, AWriteReplacesTheWholeOldContent) {
  Put("Config.qvc", kOld + kOld);
  ASSERT_EQ(files.ReplaceWith(Path("Config.qvc"), kNew), std::nullopt);
  EXPECT_EQ(BytesOf("Config.qvc"), kNew);
  ASSERT_EQ(files.ReplaceWith(Path("Config.qvc"), ""), std::nullopt);
  EXPECT_EQ(BytesOf("Config.qvc"), "");
  EXPECT_EQ(FilesInFolder(), (Names{"Config.qvc"}));
}

TEST_F(FileSystemOnDisk, AHiddenFileStaysHiddenAfterAWrite) {
  Put("list.qvl", kOld, FILE_ATTRIBUTE_HIDDEN);
  ASSERT_EQ(files.ReplaceWith(Path("list.qvl"), kNew), std::nullopt);
  EXPECT_EQ(BytesOf("list.qvl"), kNew);
  EXPECT_NE(GetFileAttributesW(WidePath("list.qvl").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST_F(FileSystemOnDisk, AReadOnlyFileRefusesTheWriteAndStaysAsItWas) {
  Put("Config.qvc", kOld, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(files.ReplaceWith(Path("Config.qvc"), kNew), FileError{kAccessDenied});
  EXPECT_EQ(BytesOf("Config.qvc"), kOld);
  EXPECT_EQ(FilesInFolder(), (Names{"Config.qvc"}));
}

TEST_F(FileSystemOnDisk, AFileHeldByAnotherProgramRefusesTheWriteAndStaysAsItWas) {
  Put("Config.qvc", kOld);
  // Held without sharing; held by a reader that lets nobody write; and held
  // by one that lets others delete the file but not write it, which a
  // rename alone would not be stopped by.
  for (const DWORD share :
       {DWORD{0}, DWORD{FILE_SHARE_READ}, DWORD{FILE_SHARE_READ | FILE_SHARE_DELETE}}) {
    HANDLE other = CreateFileW(WidePath("Config.qvc").c_str(), GENERIC_READ, share, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(files.ReplaceWith(Path("Config.qvc"), kNew), FileError{kAccessDenied}) << share;
    CloseHandle(other);
    EXPECT_EQ(BytesOf("Config.qvc"), kOld);
    EXPECT_EQ(FilesInFolder(), (Names{"Config.qvc"}));
  }
}

TEST_F(FileSystemOnDisk, AFileThatOthersMayWriteButNotReplaceFailsAtTheLastStep) {
  // Another program lets others write the file but not delete it: the new
  // content is written beside it, and only putting it in place fails. The
  // old file must be whole and the written copy gone.
  Put("Config.qvc", kOld);
  HANDLE other =
      CreateFileW(WidePath("Config.qvc").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files.ReplaceWith(Path("Config.qvc"), kNew), FileError{kAccessDenied});
  CloseHandle(other);
  EXPECT_EQ(BytesOf("Config.qvc"), kOld);
  EXPECT_EQ(FilesInFolder(), (Names{"Config.qvc"}));
}

TEST_F(FileSystemOnDisk, AFolderInTheWayRefusesTheWrite) {
  ASSERT_TRUE(CreateDirectoryW(WidePath("list.qvl").c_str(), nullptr));
  EXPECT_EQ(files.ReplaceWith(Path("list.qvl"), kNew), FileError{kAccessDenied});
  EXPECT_EQ(FilesInFolder(), Names{});
  RemoveDirectoryW(WidePath("list.qvl").c_str());
}

TEST_F(FileSystemOnDisk, WritingIntoAMissingFolderFailsWithError3) {
  EXPECT_EQ(files.ReplaceWith(Path("no such folder\\Config.qvc"), kNew), FileError{kBadFileName});
  EXPECT_EQ(FilesInFolder(), Names{});
}

TEST_F(FileSystemOnDisk, ANameTooLongForTheSystemFailsAndLeavesNothing) {
  const auto error = files.ReplaceWith(Path(std::string(300, 'a') + ".qvl"), kNew);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(FilesInFolder(), Names{});
}

// --- Removing ----------------------------------------------------------------

TEST_F(FileSystemOnDisk, RemovesAFile) {
  Put("old.qvl", kOld);
  EXPECT_EQ(files.Remove(Path("old.qvl")), std::nullopt);
  EXPECT_EQ(FilesInFolder(), Names{});
  EXPECT_EQ(files.Remove(Path("old.qvl")), FileError{kFileNotFound});
}

TEST_F(FileSystemOnDisk, AReadOnlyFileIsNotRemoved) {
  Put("kept.qvl", kOld, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(files.Remove(Path("kept.qvl")), FileError{kAccessDenied});
  EXPECT_EQ(BytesOf("kept.qvl"), kOld);
}

// --- Listing -----------------------------------------------------------------

TEST_F(FileSystemOnDisk, ListingFindsHiddenSystemAndReadOnlyFilesButNoFolders) {
  Put("Start.qvl", "");
  Put("hidden.qvl", "", FILE_ATTRIBUTE_HIDDEN);
  Put("system.qvl", "", FILE_ATTRIBUTE_SYSTEM);
  Put("readonly.qvl", "", FILE_ATTRIBUTE_READONLY);
  Put("UPPER.QVL", "");
  Put("Config.qvc", "");
  Put("notes.txt", "");
  ASSERT_TRUE(CreateDirectoryW(WidePath("folder.qvl").c_str(), nullptr));
  Names names = files.List(Ansi(folder.path()), "*.qvl");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (Names{"Start.qvl", "UPPER.QVL", "hidden.qvl", "readonly.qvl", "system.qvl"}));
  RemoveDirectoryW(WidePath("folder.qvl").c_str());
}

TEST_F(FileSystemOnDisk, AMissingFolderListsNothing) {
  EXPECT_EQ(files.List(Path("missing\\"), "*.qvl"), Names{});
}

TEST_F(FileSystemOnDisk, ShiftJisNamesPassAsTheirBytes) {
  if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese code page";
  // 表.qvl: 0x5C as the second byte of 表 must not be taken for a folder.
  const std::string name = "\x95\x5C.qvl";
  ASSERT_EQ(files.ReplaceWith(Path(name), kNew), std::nullopt);
  EXPECT_EQ(files.List(Ansi(folder.path()), "*.qvl"), (Names{name}));
  const auto read = files.ReadAll(Path(name));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value(), kNew);
  EXPECT_EQ(FilesInFolder(), (Names{name}));
}

// --- Error numbers -------------------------------------------------------------

TEST(FileSystemErrorNumbers, CommonCausesHaveTheirOwnNumbers) {
  EXPECT_EQ(FileErrorNumber(ERROR_FILE_NOT_FOUND), 2);
  EXPECT_EQ(FileErrorNumber(ERROR_PATH_NOT_FOUND), 3);
  EXPECT_EQ(FileErrorNumber(ERROR_INVALID_NAME), 3);
  EXPECT_EQ(FileErrorNumber(ERROR_TOO_MANY_OPEN_FILES), 4);
  EXPECT_EQ(FileErrorNumber(ERROR_ACCESS_DENIED), 5);
  EXPECT_EQ(FileErrorNumber(ERROR_SHARING_VIOLATION), 5);
  EXPECT_EQ(FileErrorNumber(ERROR_LOCK_VIOLATION), 5);
  EXPECT_EQ(FileErrorNumber(ERROR_DISK_FULL), 101);
  EXPECT_EQ(FileErrorNumber(ERROR_HANDLE_DISK_FULL), 101);
  EXPECT_EQ(FileErrorNumber(ERROR_WRITE_PROTECT), 19);
  EXPECT_EQ(FileErrorNumber(ERROR_NOT_READY), 21);
}

// Windows' UTF-8 option makes the ANSI code page 65001, whose flags Wine does
// not check and cannot switch to; a Japanese system has 932.
TEST(AnsiText, ConvertsAndSplitsInTheCodePageItIsGiven) {
  EXPECT_EQ(ToCodePageCallFor(65001).flags, 0u);
  EXPECT_FALSE(ToCodePageCallFor(65001).asksUsedDefault);
  const std::wstring path = L"C:\\ソ\\表.exe";
  const std::string sjis = "C:\\\x83\x5C\\\x95\x5C.exe",
                    utf8 = "C:\\\xE3\x82\xBD\\\xE8\xA1\xA8.exe";
  EXPECT_EQ(ToCodePage(932, path), sjis);
  EXPECT_EQ(ToCodePage(65001, path), utf8);
  // What the code page cannot hold is refused, not replaced by "?".
  EXPECT_EQ(ToCodePage(932, L"\U0001F600"), std::nullopt);
  EXPECT_EQ(ToCodePage(65001, L"a\xD800"), std::nullopt) << "a lone surrogate";
  // The 0x5C of ソ and 表 is a trail byte in 932; UTF-8 has no lead bytes.
  EXPECT_EQ(FileNamePart(sjis, [](unsigned char b) { return IsLeadByteOf(932, b); }),
            "\x95\x5C.exe");
  EXPECT_EQ(FileNamePart(utf8, [](unsigned char b) { return IsLeadByteOf(65001, b); }),
            "\xE8\xA1\xA8.exe");
}

}  // namespace
}  // namespace qvn
