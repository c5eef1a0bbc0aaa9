// What the launch engine says to the user, in its exact words: the typed
// messages of launch/launch_sequence.h shown in the program's message boxes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "launch/launch_sequence.h"

namespace qvn {

// The text of a message or question, its lines joined by CR LF.
std::wstring LaunchMessageText(LaunchMessage message);

// Shows a message in the plain message box, centred on the screen. `owner`
// may be nullptr.
void ShowLaunchMessage(HWND owner, LaunchMessage message);

// Asks a question in the confirmation box, centred on the screen: はい(&Y) or
// Enter is kYes, いいえ(&N) or Escape kNo, the close box kCancel.
LaunchAnswer ConfirmLaunch(HWND owner, LaunchMessage question);

// The programs that did not start, in the default error box: for each its
// slot, its path and the system's reason in the user's language, and, when a
// path is not there, what to do. A single launch names its one program; a
// consecutive launch lists them under one heading.
std::wstring StartFailureText(const std::vector<StartFailure>& failures, bool consecutiveLaunch);
void ShowStartFailures(HWND owner, const std::vector<StartFailure>& failures,
                       bool consecutiveLaunch);

}  // namespace qvn
