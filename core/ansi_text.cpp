#include "core/ansi_text.h"

#include <windows.h>

namespace qvn {

std::wstring FromAnsi(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::optional<std::string> ToAnsi(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  BOOL lossy = FALSE;
  // No best-fit mapping: a character the code page lacks must be noticed,
  // not quietly replaced by a look-alike.
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr,
                                         0, nullptr, &lossy);
  if (length <= 0 || lossy) return std::nullopt;
  std::string ansi(length, '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, ansi.data(), length, nullptr,
                      &lossy);
  if (lossy || FromAnsi(ansi) != text) return std::nullopt;
  return ansi;
}

bool IsAnsiLeadByte(unsigned char byte) {
  return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace qvn
