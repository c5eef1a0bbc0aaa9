#include "core/errors.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

// Stands in for the code-page conversion: bytes below 0x80 as they are, any
// other byte as "*" so that a test sees where the bytes went.
std::wstring Widen(std::string_view text) {
  std::wstring wide;
  for (const char c : text) {
    wide.push_back(static_cast<unsigned char>(c) < 0x80 ? static_cast<wchar_t>(c) : L'*');
  }
  return wide;
}

TEST(ErrorText, FileErrorsHaveTheirOwnTexts) {
  EXPECT_EQ(ErrorText(FileError{2}, Widen), L"ファイルが見つかりません");
  EXPECT_EQ(ErrorText(FileError{3}, Widen), L"ファイル名の指定が間違っています");
  EXPECT_EQ(ErrorText(FileError{4}, Widen), L"オープンしたファイルが多すぎます");
  EXPECT_EQ(ErrorText(FileError{5}, Widen), L"ファイルへのアクセスが拒否されました");
  EXPECT_EQ(ErrorText(FileError{100}, Widen), L"ファイルの末尾以降を読み込みました");
  EXPECT_EQ(ErrorText(FileError{101}, Widen), L"ディスクがいっぱいです");
  EXPECT_EQ(ErrorText(FileError{106}, Widen), L"入力値が数値ではありません");
}

TEST(ErrorText, OtherFileErrorsShowTheirNumber) {
  EXPECT_EQ(ErrorText(FileError{32}, Widen), L"I/O エラー (32)");
  EXPECT_EQ(ErrorText(FileError{1}, Widen), L"I/O エラー (1)");
  EXPECT_EQ(ErrorText(FileError{-5}, Widen), L"I/O エラー (-5)");
}

TEST(ErrorText, ANonIntegerShowsItsTextThroughTheConversion) {
  EXPECT_EQ(ErrorText(NotAnInteger{"abc"}, Widen), L"'abc' は整数ではありません");
  EXPECT_EQ(ErrorText(NotAnInteger{""}, Widen), L"'' は整数ではありません");
  EXPECT_EQ(ErrorText(NotAnInteger{"1\x82\xA0"}, Widen), L"'1**' は整数ではありません");
}

}  // namespace
}  // namespace qvn
