// Conversion between the ANSI code page (the launcher's files and paths) and
// UTF-16 (its windows). Text is converted only where it is shown or where the
// user hands one in; the lossy direction is checked.
//
// The code page is a parameter: the system's ANSI code page may be a double-
// byte one (932, Shift-JIS) or UTF-8 (65001, Windows' "Unicode UTF-8" option),
// and each has its own flags and lead-byte rule.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qvn {

// The system's ANSI code page (GetACP): the one the files and paths are in.
unsigned AnsiCodePage();

// Bytes of `codePage` to UTF-16, for display.
std::wstring FromCodePage(unsigned codePage, std::string_view text);

// UTF-16 to bytes of `codePage`; nothing when a character has no exact
// counterpart in the code page (it would otherwise become "?" or a
// look-alike).
std::optional<std::string> ToCodePage(unsigned codePage, std::wstring_view text);

// How WideCharToMultiByte is called for a code page: with the flags that
// keep best-fit look-alikes out and a question whether a character was
// replaced, where the code page allows both; with neither where it does not
// (UTF-8 among those), and a replaced character is then found by converting
// back. Wine accepts either; Windows refuses the call that breaks the rule.
struct ToCodePageCall {
  unsigned long flags = 0;
  bool asksUsedDefault = false;
};
ToCodePageCall ToCodePageCallFor(unsigned codePage);

// The code page's lead-byte rule: true when `byte` starts a double-byte
// character. UTF-8 has no double-byte characters, so no lead bytes.
bool IsLeadByteOf(unsigned codePage, unsigned char byte);

// The same in the system's ANSI code page.
std::wstring FromAnsi(std::string_view text);
std::optional<std::string> ToAnsi(std::wstring_view text);
bool IsAnsiLeadByte(unsigned char byte);

}  // namespace qvn
