#include "ui/file_open_dialog.h"

#include <commdlg.h>

#include <algorithm>

#include "ui/message_box.h"
#include "ui/system_library.h"

namespace ui {
namespace {

// Only the browse buttons need the dialog: its DLL, and the printing and
// network libraries it brings along, are loaded on the first browse.
SystemLibrary commonDialogs{L"comdlg32.dll", L"ファイルを選択するダイアログを表示"};

constexpr wchar_t kDialogFailedMessage[] =
    L"ファイルを選択するダイアログを表示できませんでした (エラー %lu).\r\n"
    L"もう一度操作してください.";
// Long enough for any path the system's file functions take, and more.
constexpr DWORD kFileNameLength = 4096;

}  // namespace

bool FileOpenDialog::Execute(HWND owner) {
  const auto getOpenFileName =
      commonDialogs.Find<decltype(GetOpenFileNameW)>(owner, "GetOpenFileNameW");
  if (getOpenFileName == nullptr) return false;
  const auto extendedError =
      commonDialogs.Find<decltype(CommDlgExtendedError)>(owner, "CommDlgExtendedError");
  if (extendedError == nullptr) return false;

  std::wstring filter = filter_;
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  std::wstring file = fileName_;
  file.resize(kFileNameLength, L'\0');

  OPENFILENAMEW dialog{sizeof dialog};
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();  // ends in two zeros: its own and the string's
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kFileNameLength;
  // The dialog would otherwise make the chosen folder the current directory,
  // where the programs the launcher starts later would then run.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                 OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  dialog.FlagsEx = OFN_EX_NOPLACESBAR;
  if (!getOpenFileName(&dialog)) {
    // Cancelling gives no error; anything else means the dialog never showed.
    if (const DWORD error = extendedError(); error != 0) {
      wchar_t text[128];
      wsprintfW(text, kDialogFailedMessage, error);
      ShowError(owner, text);
    }
    return false;
  }
  fileName_ = file.c_str();
  return true;
}

}  // namespace ui
