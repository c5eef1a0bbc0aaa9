// The one rule for integers written as text: the window-size codes of a data
// file, lines 6 and 7 of the configuration file and the two number boxes of
// the settings dialog all go through it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvn {

// The value of `text` when the whole text is one signed 32-bit integer:
//
//   - leading spaces are skipped (only the space itself: a tab or another
//     control character is a character like any other and fails);
//   - then an optional sign "+" or "-";
//   - then decimal digits, or hexadecimal digits (either case) after "$",
//     "0x" or a bare "x" (prefixes in either case: "0X", "X"). The sign
//     stands before the prefix: "-$10" is -16, "$-10" is no integer.
//
// Empty text, a sign or prefix without digits, any character left over (a
// trailing space included) and a value outside -2147483648 to 2147483647
// give nothing. The range holds for hexadecimal text too: "$7FFFFFFF" is the
// largest value and "-$80000000" the smallest, while "$FFFFFFFF" is
// 4294967295, too large, rather than a way of writing -1. Leading zeros are
// allowed in both bases.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// The same rule for text a user typed into a window. Every character the rule
// accepts is ASCII, so any other character (a full-width digit, an
// ideographic space) makes the text no integer.
std::optional<std::int32_t> ParseIntegerText(std::wstring_view text);

// `value` in decimal, for a window or a message. Unlike std::to_wstring it
// does not go through the C library's formatted output, which the Windows
// program would otherwise carry for this alone.
std::wstring IntegerWideText(std::int32_t value);

}  // namespace qvn
