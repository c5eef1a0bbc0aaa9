#include "app/help_contents.h"

#include <shellapi.h>

#include "app/help_choice.h"
#include "core/ansi_text.h"
#include "core/win32_file_system.h"
#include "ui/message_box.h"

namespace qvn {
namespace {

constexpr char kWinHelpFileName[] = "QVN.hlp";
constexpr char kHtmlHelpFileName[] = "Quorvane.html";

constexpr wchar_t kNoHelpFileMessage[] =
    L"ヘルプファイル (Quorvane.html) が見つかりません.\r\n"
    L"Quorvane.exe と同じフォルダーに Quorvane.html をコピーしてください.";
constexpr wchar_t kHtmlHelpNotOpenedMessage[] =
    L"ヘルプ (Quorvane.html) を開けませんでした.\r\n"
    L"HTML ファイルを開くソフトウェア (Web ブラウザー) が設定されているか確認してください.";

bool WindowsHelpInstalled(FileSystem& files) {
  char windowsFolder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(windowsFolder, MAX_PATH);
  return length > 0 && length < MAX_PATH &&
         files.Exists(std::string(windowsFolder) + "\\winhlp32.exe");
}

}  // namespace

void ShowHelpContents(HWND owner, const std::string& programFolder) {
  Win32FileSystem files;
  const std::string winHelpFile = programFolder + kWinHelpFileName;
  const std::string htmlHelpFile = programFolder + kHtmlHelpFileName;
  HelpAvailability help{WindowsHelpInstalled(files), files.Exists(winHelpFile),
                        files.Exists(htmlHelpFile)};
  HelpViewer viewer = ChooseHelpViewer(help);
  if (viewer == HelpViewer::kWindowsHelp) {
    if (WinHelpW(owner, FromAnsi(winHelpFile).c_str(), HELP_FINDER, 0)) return;
    // A Windows Help that cannot show QVN.hlp counts as none: the HTML help
    // may still be there.
    help.windowsHelpInstalled = false;
    viewer = ChooseHelpViewer(help);
  }
  switch (viewer) {
    case HelpViewer::kBrowser: {
      // Above 32 means the shell started the program that opens HTML files.
      const auto result = reinterpret_cast<INT_PTR>(
          ShellExecuteW(owner, L"open", FromAnsi(htmlHelpFile).c_str(), nullptr,
                        FromAnsi(programFolder).c_str(), SW_SHOWNORMAL));
      if (result <= 32) ui::ShowMessage(owner, kHtmlHelpNotOpenedMessage);
      return;
    }
    case HelpViewer::kWindowsHelp:  // not chosen again once WinHelpW has failed
    case HelpViewer::kNoHelpFile:
      break;
  }
  ui::ShowMessage(owner, kNoHelpFileMessage);
}

}  // namespace qvn
