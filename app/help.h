// The help command: the contents of the help file beside the program.
#pragma once

#include <windows.h>

#include <string>

namespace qvn {

// Opens the contents of "QVN.hlp" in `programFolder` (ANSI, with its trailing
// backslash) with Windows Help. Where the system has no Windows Help, says so
// in a message box owned by `owner`.
void ShowHelpContents(HWND owner, const std::string& programFolder);

}  // namespace qvn
