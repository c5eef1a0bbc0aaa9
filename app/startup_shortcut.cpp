#include "app/startup_shortcut.h"

#include <objbase.h>
#include <shlobj.h>

#include "core/ansi_text.h"
#include "core/errors.h"
#include "core/win32_file_system.h"
#include "settings/setup_form.h"
#include "ui/handles.h"
#include "ui/message_box.h"

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
constexpr wchar_t kStartupFolderNotInCodePageMessage[] =
    L"スタートアップフォルダーのパスに,このシステムの文字コードで表せない文字が含まれているため,"
    L"スタートアップへの登録も削除もできません.";
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

}  // namespace

std::optional<std::string> GetStartupFolder() {
  return ToAnsi(StartupFolderWide());
}

std::optional<std::string> StartupLinkPath() {
  const auto folder = GetStartupFolder();
  if (!folder) return std::nullopt;
  return folder->empty() ? std::string() : *folder + "\\" + kStartupLinkName;
}

HRESULT CreateShellLink(const std::string& linkPath, const std::string& target,
                        const std::string& workingFolder) {
  ui::ComPtr<IShellLinkA> link;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    link.ReceiveVoid());
  if (FAILED(result)) return result;
  // A link that lacks its target or folder would start the wrong thing: each
  // setter must have worked before the link is saved.
  if (FAILED(result = link->SetPath(target.c_str()))) return result;
  if (FAILED(result = link->SetWorkingDirectory(workingFolder.c_str()))) return result;
  if (FAILED(result = link->SetShowCmd(SW_SHOW))) return result;

  ui::ComPtr<IPersistFile> file;
  if (FAILED(result = link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()))) return result;
  // IPersistFile takes the file name in UTF-16.
  wchar_t widePath[MAX_PATH] = {};
  if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) == 0) {
    return HRESULT_FROM_WIN32(GetLastError());
  }
  return file->Save(widePath, FALSE);
}

StartupToggleCaller FromMenu(HWND mainWindow) {
  return {mainWindow, {ui::Scale(mainWindow, 347), ui::Scale(mainWindow, 33)}, nullptr};
}

StartupToggleCaller FromSettingsDialog(const ui::Form& dialog, ui::Control* btnStartup) {
  const RECT place = dialog.ScreenRect();
  const int offset = ui::Scale(dialog.hwnd(), 105);
  return {dialog.hwnd(), {place.left + offset, place.top + offset}, btnStartup};
}

const wchar_t* StartupMenuCaption(bool registered) {
  return registered ? kRemoveFromStartupCaption : kRegisterInStartupCaption;
}

void ToggleStartupShortcut(Model& model, const std::string& executablePath, ui::MenuItem& miStartup,
                           const StartupToggleCaller& caller) {
  const auto linkPath = StartupLinkPath();
  if (!linkPath) {
    // The shortcut's path would name another file than the folder holds.
    ui::ShowMessageAt(caller.owner, kStartupFolderNotInCodePageMessage, caller.messageAt);
    return;
  }
  const std::string& link = *linkPath;
  if (link.empty()) {
    // Without the folder there is nowhere to put the shortcut; the root of the
    // drive is no place for it.
    ui::ShowMessageAt(caller.owner, kNoStartupFolderMessage, caller.messageAt);
    return;
  }
  const bool registering = !model.StartupLinkRegistered;
  if (registering) {
    const HRESULT result = CreateShellLink(link, executablePath, model.ProgramFolder);
    if (FAILED(result)) {
      wchar_t text[128];
      wsprintfW(text, kShortcutNotCreatedError, static_cast<unsigned long>(result));
      ui::ShowError(caller.owner, text);
      return;
    }
  } else if (!RetriedWhileFileInUse([&] { return DeleteFileA(link.c_str()) != FALSE; }) &&
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
