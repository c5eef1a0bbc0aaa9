#include "app/help.h"

#include "core/ansi_text.h"
#include "core/win32_file_system.h"
#include "ui/message_box.h"

namespace qvn {
namespace {

constexpr wchar_t kHelpFileName[] = L"QVN.hlp";
constexpr wchar_t kNoHelpEngineMessage[] =
    L"このシステムには Windows ヘルプがないため,ヘルプを表示できません.";

}  // namespace

void ShowHelpContents(HWND owner, const std::string& programFolder) {
  const std::wstring helpFile = FromAnsi(programFolder) + kHelpFileName;
  // Windows Help is no longer part of newer systems; rather than let the
  // command do nothing, say so.
  char windowsFolder[MAX_PATH] = {};
  GetWindowsDirectoryA(windowsFolder, MAX_PATH);
  const bool hasHelpEngine =
      Win32FileSystem().Exists(std::string(windowsFolder) + "\\winhlp32.exe");
  if (!hasHelpEngine || !WinHelpW(owner, helpFile.c_str(), HELP_FINDER, 0)) {
    ui::ShowMessage(owner, kNoHelpEngineMessage);
  }
}

}  // namespace qvn
