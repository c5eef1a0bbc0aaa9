#include "core/ansi_text.h"

#include <windows.h>

namespace qvn {
namespace {

// Documented in 'WideCharToMultiByte function (stringapiset.h)'
// (learn.microsoft.com): for the code pages 50220, 50221, 50222, 50225,
// 50227, 50229, 57002 to 57011, 65000 (UTF-7) and 42 (Symbol) dwFlags must
// be 0; for 54936 (GB18030) and 65001 (UTF-8) it must be 0 or
// WC_ERR_INVALID_CHARS; for UTF-7 and UTF-8 lpDefaultChar and
// lpUsedDefaultChar must be null. Any other value fails the call with
// ERROR_INVALID_PARAMETER.
bool TakesConversionFlags(unsigned codePage) {
  switch (codePage) {
    case 42:
    case 50220:
    case 50221:
    case 50222:
    case 50225:
    case 50227:
    case 50229:
    case 54936:
    case CP_UTF7:
    case CP_UTF8:
      return false;
    default:
      return codePage < 57002 || codePage > 57011;
  }
}

}  // namespace

ToCodePageCall ToCodePageCallFor(unsigned codePage) {
  if (!TakesConversionFlags(codePage)) return {};
  return {WC_NO_BEST_FIT_CHARS, true};
}

unsigned AnsiCodePage() {
  return GetACP();
}

std::wstring FromCodePage(unsigned codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::optional<std::string> ToCodePage(unsigned codePage, std::wstring_view text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  // A character the code page lacks must be noticed, not quietly replaced
  // by "?" or a look-alike.
  const ToCodePageCall call = ToCodePageCallFor(codePage);
  BOOL lossy = FALSE;
  BOOL* const usedDefault = call.asksUsedDefault ? &lossy : nullptr;
  const int length = WideCharToMultiByte(codePage, call.flags, text.data(), size, nullptr, 0,
                                         nullptr, usedDefault);
  if (length <= 0 || lossy) return std::nullopt;
  std::string bytes(length, '\0');
  if (WideCharToMultiByte(codePage, call.flags, text.data(), size, bytes.data(), length, nullptr,
                          usedDefault) != length) {
    return std::nullopt;
  }
  // Converting back gives the text again exactly when nothing was lost (an
  // unpaired surrogate becomes U+FFFD in UTF-8, for one).
  if (lossy || FromCodePage(codePage, bytes) != text) return std::nullopt;
  return bytes;
}

bool IsLeadByteOf(unsigned codePage, unsigned char byte) {
  // Documented in 'IsDBCSLeadByteEx function (winnls.h)': lead bytes are
  // known only in the code pages 932, 936, 949, 950 and 1361; in any other
  // (UTF-8 among them) no byte is one.
  return IsDBCSLeadByteEx(codePage, byte) != FALSE;
}

std::wstring FromAnsi(std::string_view text) {
  return FromCodePage(AnsiCodePage(), text);
}

std::optional<std::string> ToAnsi(std::wstring_view text) {
  return ToCodePage(AnsiCodePage(), text);
}

bool IsAnsiLeadByte(unsigned char byte) {
  return IsLeadByteOf(AnsiCodePage(), byte);
}

}  // namespace qvn
