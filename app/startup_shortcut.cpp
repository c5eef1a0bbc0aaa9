#include "app/startup_shortcut.h"

#include <objbase.h>
#include <shlobj.h>

#include "core/ansi_text.h"
#include "core/errors.h"
#include "core/win32_file_system.h"
#include "settings/setup_host.h"
#include "ui/handles.h"
#include "ui/message_box.h"
#include "ui/screen.h"
#include "ui/window.h"

namespace qvn {
namespace {

// The state, in the menu and in the messages (the settings dialog's button
// has its own caption).
constexpr wchar_t kRemoveFromStartupCaption[] = L"スタートアップから削除(&I)";
constexpr wchar_t kRegisterInStartupCaption[] = L"スタートアップに登録(&I)";
constexpr wchar_t kRemovedMessage[] = L"Quorvane をスタートアップから削除しました.";
constexpr wchar_t kRegisteredMessage[] = L"Quorvane をスタートアップに登録しました.";
constexpr wchar_t kNoStartupFolderMessage[] =
    L"スタートアップフォルダーの場所を取得できないため,スタートアップへの登録も削除もできません.";
constexpr wchar_t kShortcutNotCreatedError[] =
    L"スタートアップに登録できませんでした (エラー %08lX).\r\n"
    L"スタートアップフォルダーに書き込めるか確認してください.";
constexpr wchar_t kShortcutNotDeletedLead[] = L"スタートアップから削除できませんでした.\r\n";

// FOLDERID_Startup, the known folder of the user's Startup programs.
constexpr GUID kStartupFolderId = {
    0xB97D20BB, 0xF46A, 0x4C97, {0xBA, 0x10, 0x5E, 0x36, 0x08, 0x43, 0x08, 0x54}};

// The Startup folder in UTF-16; empty when the shell cannot give it.
std::wstring StartupFolderWide() {
  // SHGetKnownFolderPath came with Windows Vista; shell32 is loaded already,
  // and on an older system its CSIDL forerunner gives the same folder.
  using GetKnownFolderPath = HRESULT(WINAPI*)(const GUID&, DWORD, HANDLE, PWSTR*);
  const auto getKnownFolderPath = reinterpret_cast<GetKnownFolderPath>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"shell32.dll"), "SHGetKnownFolderPath")));
  if (getKnownFolderPath != nullptr) {
    ui::UniqueCoTaskMem<wchar_t> path;
    if (FAILED(getKnownFolderPath(kStartupFolderId, 0, nullptr, path.Receive()))) return {};
    return path.get();
  }
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, path)))
    return {};
  return path;
}

// The shortcut's path, in UTF-16 as the shell gives the folder; empty when
// there is no folder.
std::wstring StartupLinkPathWide() {
  const std::wstring folder = StartupFolderWide();
  return folder.empty() ? std::wstring() : folder + L"\\Quorvane.lnk";
}

// The folder of `path`, with its trailing backslash.
std::wstring FolderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L"\\/:") + 1);
}

}  // namespace

std::optional<std::string> GetStartupFolder() {
  return ToAnsi(StartupFolderWide());
}

std::optional<std::string> StartupLinkPath() {
  const auto folder = GetStartupFolder();
  if (!folder) return std::nullopt;
  return folder->empty() ? std::string() : *folder + "\\" + kStartupLinkName;
}

bool StartupLinkExists() {
  const std::wstring link = StartupLinkPathWide();
  return !link.empty() && GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HRESULT CreateShellLink(const std::wstring& linkPath, const std::wstring& target,
                        const std::wstring& workingFolder) {
  ui::ComPtr<IShellLinkW> link;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                    link.ReceiveVoid());
  if (FAILED(result)) return result;
  // A link that lacks its target or folder would start the wrong thing: each
  // setter must have worked before the link is saved.
  if (FAILED(result = link->SetPath(target.c_str()))) return result;
  if (FAILED(result = link->SetWorkingDirectory(workingFolder.c_str()))) return result;
  // Documented in 'IShellLinkW::SetShowCmd method' (learn.microsoft.com):
  // SW_SHOWNORMAL, SW_SHOWMAXIMIZED and SW_SHOWMINNOACTIVE are the values
  // a link takes.
  if (FAILED(result = link->SetShowCmd(SW_SHOWNORMAL))) return result;

  ui::ComPtr<IPersistFile> file;
  if (FAILED(result = link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()))) return result;
  return file->Save(linkPath.c_str(), FALSE);
}

StartupToggleCaller FromMenu(HWND mainWindow) {
  // From the main window's corner, which is the screen's on the usual desktop.
  return {mainWindow, ui::OffsetFrom(mainWindow, {347, 33}), nullptr};
}

StartupToggleCaller FromSettingsDialog(const ui::Form& dialog, ui::Control* btnStartup) {
  return {dialog.hwnd(), ui::OffsetFrom(dialog.hwnd(), {105, 105}), btnStartup};
}

const wchar_t* StartupMenuCaption(bool registered) {
  return registered ? kRemoveFromStartupCaption : kRegisterInStartupCaption;
}

void ToggleStartupShortcut(Model& model, ui::MenuItem& miStartup,
                           const StartupToggleCaller& caller) {
  const std::wstring link = StartupLinkPathWide();
  if (link.empty()) {
    // Without the folder there is nowhere to put the shortcut; the root of the
    // drive is no place for it.
    ui::ShowMessageAt(caller.owner, kNoStartupFolderMessage, caller.messageAt);
    return;
  }
  const bool registering = !model.StartupLinkRegistered;
  if (registering) {
    const std::wstring program = ui::ProgramPath();
    const HRESULT result = CreateShellLink(link, program, FolderOf(program));
    if (FAILED(result)) {
      wchar_t text[128];
      wsprintfW(text, kShortcutNotCreatedError, static_cast<unsigned long>(result));
      ui::ShowError(caller.owner, text);
      return;
    }
  } else if (!RetriedWhileFileInUse(link, [&] { return DeleteFileW(link.c_str()) != FALSE; }) &&
             GetLastError() != ERROR_FILE_NOT_FOUND) {
    // A shortcut that is already gone counts as removed; one that stays does not.
    ui::ShowError(
        caller.owner,
        kShortcutNotDeletedLead + ErrorText(FileError{FileErrorNumber(GetLastError())}, FromAnsi));
    return;
  }
  model.StartupLinkRegistered = registering;
  miStartup.caption = StartupMenuCaption(registering);
  if (caller.button != nullptr) {
    caller.button->SetText(StartupButtonCaption(registering));
  }
  ui::ShowMessageAt(caller.owner, registering ? kRegisteredMessage : kRemovedMessage,
                    caller.messageAt);
}

}  // namespace qvn
