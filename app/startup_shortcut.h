// The launcher's shortcut in the user's Startup folder, which makes Windows
// start it at logon.
#pragma once

#include <windows.h>

#include <string>

namespace qvn {

constexpr char kStartupLinkName[] = "Quorvane.lnk";

// The current user's Startup folder without a trailing backslash; empty when
// the shell cannot give it.
std::string GetStartupFolder(HWND owner);

// Writes a shell link at `linkPath` that starts `target` in `workingFolder`
// in a normal window. The paths are in the ANSI code page.
HRESULT CreateShellLink(const std::string& linkPath, const std::string& target,
                        const std::string& workingFolder);

}  // namespace qvn
