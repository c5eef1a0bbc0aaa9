#include "core/path_names.h"

namespace qvn {
namespace {

// Position of the last "." after the last "\" or ":", or npos.
std::size_t ExtensionDot(std::string_view name, LeadByteRule isLeadByte) {
  std::size_t dot = std::string_view::npos;
  ForEachCharacter(name, isLeadByte, [&](std::size_t i, unsigned char byte) {
    if (byte == '\\' || byte == ':') {
      dot = std::string_view::npos;
    } else if (byte == '.') {
      dot = i;
    }
  });
  return dot;
}

// The one case fold of paths and names: the letters A to Z as a to z.
char FoldAsciiCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t FileNameStart(std::string_view path, LeadByteRule isLeadByte) {
  std::size_t start = 0;
  ForEachCharacter(path, isLeadByte, [&](std::size_t i, unsigned char byte) {
    if (byte == '\\' || byte == ':') start = i + 1;
  });
  return start;
}

std::string FileNamePart(std::string_view path, LeadByteRule isLeadByte) {
  return std::string(path.substr(FileNameStart(path, isLeadByte)));
}

std::string FolderPart(std::string_view path, LeadByteRule isLeadByte) {
  return std::string(path.substr(0, FileNameStart(path, isLeadByte)));
}

std::string RemoveExtension(std::string_view name, LeadByteRule isLeadByte) {
  return std::string(name.substr(0, ExtensionDot(name, isLeadByte)));
}

std::string ExtensionPart(std::string_view path, LeadByteRule isLeadByte) {
  const std::size_t dot = ExtensionDot(path, isLeadByte);
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b, LeadByteRule isLeadByte) {
  if (a.size() != b.size()) return false;
  bool equal = true;
  // Where `a` has a double-byte character, `b` has the same bytes or differs
  // at its lead byte already, so walking `a` alone is enough. The second
  // byte may be missing at the very end of the text.
  ForEachCharacter(a, isLeadByte, [&](std::size_t i, unsigned char byte) {
    if (isLeadByte(byte)) {
      equal = equal && a.substr(i, 2) == b.substr(i, 2);
    } else {
      equal = equal && FoldAsciiCase(a[i]) == FoldAsciiCase(b[i]);
    }
  });
  return equal;
}

}  // namespace qvn
