#include "app/help_contents.h"

#include <shellapi.h>

#include "app/help_choice.h"
#include "ui/message_box.h"

namespace qvn {
namespace {

constexpr wchar_t kWinHelpFileName[] = L"QVN.hlp";
constexpr wchar_t kHtmlHelpFileName[] = L"Quorvane.html";

constexpr wchar_t kNoHelpMessage[] =
    L"このシステムには Windows ヘルプがないため,ヘルプを表示できません.";
constexpr wchar_t kHtmlHelpNotOpenedMessage[] =
    L"ヘルプ (Quorvane.html) を開けませんでした.\r\n"
    L"HTML ファイルを開くソフトウェア (Web ブラウザー) が設定されているか確認してください.";

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WindowsHelpInstalled() {
  wchar_t windowsFolder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(windowsFolder, MAX_PATH);
  return length > 0 && length < MAX_PATH &&
         FileExists(std::wstring(windowsFolder) + L"\\winhlp32.exe");
}

}  // namespace

void ShowHelpContents(HWND owner, const std::wstring& programFolder) {
  const std::wstring winHelpFile = programFolder + kWinHelpFileName;
  const std::wstring htmlHelpFile = programFolder + kHtmlHelpFileName;
  switch (ChooseHelpViewer(
      {WindowsHelpInstalled(), FileExists(winHelpFile), FileExists(htmlHelpFile)})) {
    case HelpViewer::kWindowsHelp:
      if (WinHelpW(owner, winHelpFile.c_str(), HELP_FINDER, 0)) return;
      break;
    case HelpViewer::kBrowser: {
      // Above 32 means the shell started the program that opens HTML files.
      const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
          owner, L"open", htmlHelpFile.c_str(), nullptr, programFolder.c_str(), SW_SHOWNORMAL));
      if (result <= 32) ui::ShowMessage(owner, kHtmlHelpNotOpenedMessage);
      return;
    }
    case HelpViewer::kNone:
      break;
  }
  ui::ShowMessage(owner, kNoHelpMessage);
}

}  // namespace qvn
