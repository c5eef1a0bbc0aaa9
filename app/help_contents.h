// The help command "目次(&C)": the help beside the program, in Windows Help or
// in the user's browser, or a message when there is none to show.
#pragma once

#include <windows.h>

#include <string>

namespace qvn {

// `programFolder` (ANSI) ends with a backslash; `owner` owns the message boxes.
void ShowHelpContents(HWND owner, const std::string& programFolder);

}  // namespace qvn
