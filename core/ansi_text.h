// Conversion between the ANSI code page (the launcher's files and paths) and
// UTF-16 (its windows). Text is converted only where it is shown or where the
// user hands one in; the lossy direction is checked.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qvn {

// ANSI code page bytes to UTF-16, for display.
std::wstring FromAnsi(std::string_view text);

// UTF-16 to ANSI code page bytes; nothing when a character has no exact
// counterpart in the code page (it would otherwise become "?").
std::optional<std::string> ToAnsi(std::wstring_view text);

// The code page's lead-byte rule, for splitting paths into their parts.
bool IsAnsiLeadByte(unsigned char byte);

}  // namespace qvn
