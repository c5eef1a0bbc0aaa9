// The launcher's shortcut in the user's Startup folder, which makes Windows
// start it at logon, and the command that puts it there or takes it away.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/model.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/popup_menu.h"

namespace qvn {

constexpr char kStartupLinkName[] = "Quorvane.lnk";

// The current user's Startup folder without a trailing backslash, in the
// ANSI code page; empty when the shell cannot give it, nothing when its name
// has a character the code page cannot hold.
std::optional<std::string> GetStartupFolder();

// The shortcut's path in that folder; empty when there is no folder, nothing
// when the folder's name cannot be written in the code page.
std::optional<std::string> StartupLinkPath();

// Whether the shortcut is in the Startup folder, whatever characters the
// folder's name has.
bool StartupLinkExists();

// Writes a shell link at `linkPath` that starts `target` in `workingFolder`
// in a normal window.
HRESULT CreateShellLink(const std::wstring& linkPath, const std::wstring& target,
                        const std::wstring& workingFolder);

// The caption of the menu item miStartup that shows the state.
const wchar_t* StartupMenuCaption(bool registered);

// Where the command was chosen: the main window's menu, or the settings
// dialog, whose button follows the state too.
struct StartupToggleCaller {
  HWND owner;           // the window the message box belongs to
  POINT messageAt;      // the message box's top-left corner on the screen
  ui::Control* button;  // btnStartup; nullptr from the menu
};
// From the main window's menu: the message stands at (347, 33).
StartupToggleCaller FromMenu(HWND mainWindow);
// From the settings dialog: the message stands 105 pixels right of and
// below the dialog's top-left corner.
StartupToggleCaller FromSettingsDialog(const ui::Form& dialog, ui::Control* btnStartup);

// ToggleStartupShortcut: creates the shortcut when StartupLinkRegistered is
// false and deletes it when it is true, then sets the flag, the captions of
// `miStartup` (and of the caller's button) and says so in a message box. A
// shortcut that cannot be made or removed, or a missing Startup folder, is
// reported instead, and nothing changes.
// The shortcut starts the running program in its own folder.
void ToggleStartupShortcut(Model& model, ui::MenuItem& miStartup,
                           const StartupToggleCaller& caller);

}  // namespace qvn
