#include "core/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvn {
namespace {

// Every line of `data`, read until the reader reports its end.
std::vector<std::string> AllLines(std::string_view data) {
  LineReader reader(data);
  std::vector<std::string> lines;
  while (!reader.AtEnd()) lines.push_back(reader.ReadLine());
  return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, ALineEndsAtLfOrCrLf) {
  EXPECT_EQ(AllLines("one\r\ntwo\nthree\r\n"), (Lines{"one", "two", "three"}));
}

TEST(LineReader, ALastLineWithoutBreakReadsTheSame) {
  EXPECT_EQ(AllLines("one\r\ntwo"), (Lines{"one", "two"}));
  EXPECT_EQ(AllLines("one\r\ntwo\r\n"), (Lines{"one", "two"}));
}

TEST(LineReader, ACrOnItsOwnIsDroppedFromTheText) {
  EXPECT_EQ(AllLines("a\rb\r\n"), (Lines{"ab"}));
  EXPECT_EQ(AllLines("a\r\r\nb"), (Lines{"a", "b"}));
  // A CR at the very end belongs to no break either.
  EXPECT_EQ(AllLines("a\r"), (Lines{"a"}));
  EXPECT_EQ(AllLines("\r\r\r\n"), (Lines{""}));
}

TEST(LineReader, EmptyLinesAreLines) {
  EXPECT_EQ(AllLines("\r\n\r\nx\r\n"), (Lines{"", "", "x"}));
  // One more break after the last line is one more, empty, line.
  EXPECT_EQ(AllLines("x\r\n\r\n"), (Lines{"x", ""}));
}

TEST(LineReader, Byte1AEndsTheDataAsIfTheFileEndedThere) {
  EXPECT_EQ(AllLines("one\r\ntw\x1Ao\r\nthree\r\n"), (Lines{"one", "tw"}));
  EXPECT_EQ(AllLines("one\r\n\x1A\r\nthree\r\n"), (Lines{"one"}));
  EXPECT_TRUE(LineReader("\x1A"
                         "anything")
                  .AtEnd());
}

TEST(LineReader, ReadingBeyondTheEndGivesEmptyLines) {
  LineReader reader("only\r\n");
  EXPECT_EQ(reader.ReadLine(), "only");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_TRUE(reader.AtEnd());
}

TEST(LineReader, AnEmptyFileIsAtItsEndAtOnce) {
  LineReader reader("");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "");
}

TEST(LineReader, ALineMayBeOfAnyLength) {
  const std::string longLine(100000, 'a');
  EXPECT_EQ(AllLines(longLine + "\r\nb"), (Lines{longLine, "b"}));
}

TEST(LineReader, BytesOfOtherCharactersPassUnchanged) {
  // Shift-JIS 表 (0x95 0x5C), a NUL and a tab stay in the text.
  const std::string text("\x95\x5C\0\t", 4);
  EXPECT_EQ(AllLines(text + "\r\n"), (Lines{text}));
}

}  // namespace
}  // namespace qvn
