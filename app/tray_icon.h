// The launcher's icon in the task tray.
#pragma once

#include <windows.h>

namespace qvn {

// The message the tray icon sends the main window about the mouse on it; its
// lParam is the mouse message (WM_LBUTTONDOWN, WM_RBUTTONDOWN, ...).
constexpr UINT kTrayCallbackMessage = WM_APP + 1;
constexpr UINT kTrayIconId = 1;

}  // namespace qvn
