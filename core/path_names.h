// Splitting paths and file names into their parts.
//
// Paths are bytes of the ANSI code page. On a Japanese system that is
// Shift-JIS, where the second byte of a double-byte character may be 0x5C,
// the code of "\" (表 is 0x95 0x5C). The splits therefore walk the text
// character by character, with the code page's lead-byte rule passed in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qvn {

// True when the byte starts a double-byte character of the code page.
using LeadByteRule = bool (*)(unsigned char byte);

// Shift-JIS (code page 932): lead bytes 0x81 to 0x9F and 0xE0 to 0xFC.
bool IsShiftJisLeadByte(unsigned char byte);

// Calls visit(position, byte) for the first byte of every character.
template <typename Visit>
void ForEachCharacter(std::string_view text, LeadByteRule isLeadByte, Visit visit) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    visit(i, byte);
    if (isLeadByte(byte)) ++i;  // skip the trail byte, whatever its value
  }
}

// Where the file-name part starts: just after the last "\" or ":"; 0 when
// there is neither.
std::size_t FileNameStart(std::string_view path, LeadByteRule isLeadByte);

// The text after the last "\" or ":".
std::string FileNamePart(std::string_view path, LeadByteRule isLeadByte);

// The text up to and including the last "\" or ":"; empty when there is none.
std::string FolderPart(std::string_view path, LeadByteRule isLeadByte);

// The name cut before the last "." that follows the last "\" or ":"; the
// name itself when it has no such ".". A name whose only "." is its first
// character becomes empty.
std::string RemoveExtension(std::string_view name, LeadByteRule isLeadByte);

// The extension of a path: the text from the last "." after the last "\" or
// ":", the dot included; empty when the file name has no dot.
std::string ExtensionPart(std::string_view path, LeadByteRule isLeadByte);

// True when `a` and `b` hold the same characters, the single-byte letters A
// to Z taken as a to z: so names compare as Windows' file system compares
// them. The bytes of a double-byte character compare exactly: its second
// byte may have the code of a letter (ア is 0x83 0x41, ヂ 0x83 0x61), and
// those are different characters.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b, LeadByteRule isLeadByte);

}  // namespace qvn
