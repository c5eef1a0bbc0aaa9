#include "core/integer_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace qvn {
namespace {

constexpr std::optional<std::int32_t> kNone = std::nullopt;

TEST(IntegerText, ReadsDecimalWithLeadingSpacesAndASign) {
  EXPECT_EQ(ParseIntegerText("7"), 7);
  EXPECT_EQ(ParseIntegerText("0"), 0);
  EXPECT_EQ(ParseIntegerText(" 1"), 1);
  EXPECT_EQ(ParseIntegerText("   5000"), 5000);
  EXPECT_EQ(ParseIntegerText("+35"), 35);
  EXPECT_EQ(ParseIntegerText("-12"), -12);
  EXPECT_EQ(ParseIntegerText("  -12"), -12);
  EXPECT_EQ(ParseIntegerText("007"), 7);
}

TEST(IntegerText, ReadsHexadecimalAfterEachPrefixInEitherCase) {
  EXPECT_EQ(ParseIntegerText("$A"), 10);
  EXPECT_EQ(ParseIntegerText("$a"), 10);
  EXPECT_EQ(ParseIntegerText("0x10"), 16);
  EXPECT_EQ(ParseIntegerText("0X10"), 16);
  EXPECT_EQ(ParseIntegerText("x10"), 16);
  EXPECT_EQ(ParseIntegerText("X1f"), 31);
  EXPECT_EQ(ParseIntegerText(" $ff"), 255);
  EXPECT_EQ(ParseIntegerText("$0010"), 16);
}

TEST(IntegerText, TheSignStandsBeforeTheHexadecimalPrefix) {
  EXPECT_EQ(ParseIntegerText("-$10"), -16);
  EXPECT_EQ(ParseIntegerText("+0x10"), 16);
  EXPECT_EQ(ParseIntegerText("-x1"), -1);
  EXPECT_EQ(ParseIntegerText("$-10"), kNone);
  EXPECT_EQ(ParseIntegerText("0x+1"), kNone);
}

TEST(IntegerText, TheWholeTextMustBeTheNumber) {
  EXPECT_EQ(ParseIntegerText("1 "), kNone);  // a trailing blank is left over
  EXPECT_EQ(ParseIntegerText("12abc"), kNone);
  EXPECT_EQ(ParseIntegerText("abc"), kNone);
  EXPECT_EQ(ParseIntegerText("1.0"), kNone);
  EXPECT_EQ(ParseIntegerText("1,000"), kNone);
  EXPECT_EQ(ParseIntegerText("$G"), kNone);
  EXPECT_EQ(ParseIntegerText("10h"), kNone);
  EXPECT_EQ(ParseIntegerText("- 1"), kNone);
  EXPECT_EQ(ParseIntegerText("--1"), kNone);
  EXPECT_EQ(ParseIntegerText("$ 1"), kNone);
  EXPECT_EQ(ParseIntegerText("0x0x1"), kNone);
  EXPECT_EQ(ParseIntegerText(std::string_view("1\0", 2)), kNone);
}

TEST(IntegerText, NothingButASignOrAPrefixIsNoNumber) {
  EXPECT_EQ(ParseIntegerText(""), kNone);
  EXPECT_EQ(ParseIntegerText("   "), kNone);
  EXPECT_EQ(ParseIntegerText("+"), kNone);
  EXPECT_EQ(ParseIntegerText("-"), kNone);
  EXPECT_EQ(ParseIntegerText("$"), kNone);
  EXPECT_EQ(ParseIntegerText("x"), kNone);
  EXPECT_EQ(ParseIntegerText("0x"), kNone);
  EXPECT_EQ(ParseIntegerText("-0x"), kNone);
}

TEST(IntegerText, OnlySpacesCountAsLeadingBlanks) {
  EXPECT_EQ(ParseIntegerText("\t1"), kNone);
  EXPECT_EQ(ParseIntegerText("\r1"), kNone);
  EXPECT_EQ(ParseIntegerText("\x81\x40"
                             "1"),
            kNone);  // the double-byte space of Shift-JIS
  // Full-width digits are no digits.
  EXPECT_EQ(ParseIntegerText("\x82\x50"), kNone);
}

TEST(IntegerText, TheValueMustFitInASigned32BitInteger) {
  EXPECT_EQ(ParseIntegerText("2147483647"), 2147483647);
  EXPECT_EQ(ParseIntegerText("2147483648"), kNone);
  EXPECT_EQ(ParseIntegerText("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseIntegerText("-2147483649"), kNone);
  EXPECT_EQ(ParseIntegerText("99999999999999999999"), kNone);
  EXPECT_EQ(ParseIntegerText("00000000000000000000000000042"), 42);
}

TEST(IntegerText, HexadecimalTextHasTheSameRange) {
  EXPECT_EQ(ParseIntegerText("$7FFFFFFF"), INT32_MAX);
  EXPECT_EQ(ParseIntegerText("-$80000000"), INT32_MIN);
  EXPECT_EQ(ParseIntegerText("$80000000"), kNone);
  EXPECT_EQ(ParseIntegerText("$FFFFFFFF"), kNone);  // not a way of writing -1
  EXPECT_EQ(ParseIntegerText("0x100000000"), kNone);
  EXPECT_EQ(ParseIntegerText("-$80000001"), kNone);
}

}  // namespace
}  // namespace qvn
