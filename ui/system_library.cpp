#include "ui/system_library.h"

#include <string>

#include "ui/message_box.h"

namespace ui {
namespace {

constexpr wchar_t kLibraryMissingMessage[] = L"%ls を読み込めないため,%lsできません (エラー %lu).";
constexpr wchar_t kFunctionMissingMessage[] = L"%ls に %hs がないため,%lsできません";

// The full path in the system folder: a DLL of the same name in the current
// or the program's folder must not stand in for it.
std::wstring SystemPath(const wchar_t* fileName) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return fileName;
  return std::wstring(folder, length) + L"\\" + fileName;
}

}  // namespace

FARPROC SystemLibrary::Address(HWND owner, const char* name) {
  wchar_t text[512];
  if (module_ == nullptr) {
    module_ = LoadLibraryW(SystemPath(fileName_).c_str());
    if (module_ == nullptr) {
      wsprintfW(text, kLibraryMissingMessage, fileName_, action_, GetLastError());
      ShowError(owner, text);
      return nullptr;
    }
  }
  const FARPROC address = GetProcAddress(module_, name);
  if (address == nullptr) {
    wsprintfW(text, kFunctionMissingMessage, fileName_, name, action_);
    ShowError(owner, text);
  }
  return address;
}

}  // namespace ui
