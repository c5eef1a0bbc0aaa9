// What the launch engine says to the user, in its exact words: the typed
// messages of launch/launch_sequence.h shown in the program's message boxes.
#pragma once

#include <windows.h>

#include <string>

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

}  // namespace qvn
