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
    L"スタートアップフォルダーの場所がわからないため,ショートカットを作成も削除もできません.";
constexpr wchar_t kShortcutNotCreatedError[] = L"ショートカットを作成できませんでした (%08lX)";

}  // namespace

std::string GetStartupFolder(HWND owner) {
  // The item list comes from the shell's allocator, which is the COM task allocator.
  ui::UniqueCoTaskMem<ITEMIDLIST> items;
  if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_STARTUP, items.Receive()))) return {};
  char path[MAX_PATH] = {};
  if (!SHGetPathFromIDListA(items.get(), path)) return {};
  return path;
}

std::string StartupLinkPath(HWND owner) {
  const std::string folder = GetStartupFolder(owner);
  return folder.empty() ? std::string() : folder + "\\" + kStartupLinkName;
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
  const std::string link = StartupLinkPath(caller.owner);
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
  } else if (!DeleteFileA(link.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
    // A shortcut that is already gone counts as removed; one that stays does not.
    ui::ShowError(caller.owner, ErrorText(FileError{FileErrorNumber(GetLastError())}, FromAnsi));
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
