// What the tray icon's events do: which of them count as the left click and
// which open the pop-up menu, and what a left click does.
#pragma once

#include <functional>

#include "core/model.h"

namespace qvn {

enum class TrayClick { kRestoreFromTray, kStartScreenSaver, kNothing };

// Without StartScreenSaverOnIconClick the main window comes back. With it the
// screen saver starts, unless the resource guard finds a free-resource
// percentage below ResourceLimit; `resourcesBelowLimit` is asked in that case
// only. The window stays in the tray either way.
TrayClick TrayLeftClick(const Model& model, const std::function<bool()>& resourcesBelowLimit);

// The events the shell reports about the icon (the low word of the callback
// message's lParam, version 4 of the tray): the Win32 values.
enum TrayEvent : unsigned {
  kTrayLeftButtonDown = 0x0201,   // WM_LBUTTONDOWN
  kTrayRightButtonDown = 0x0204,  // WM_RBUTTONDOWN
  kTrayContextMenu = 0x007B,      // WM_CONTEXTMENU: right button released, Shift+F10, menu key
  kTraySelect = 0x0400,           // NIN_SELECT: left button released, or Enter on a pointed icon
  kTrayKeySelect = 0x0401,        // NIN_KEYSELECT: Space or Enter on the icon chosen by keyboard
};

enum class TrayAction { kNone, kLeftClick, kPopupMenu };

// Turns the icon's events into actions. The shell reports one mouse click
// twice: a left click as WM_LBUTTONDOWN and then NIN_SELECT, a right click as
// WM_RBUTTONDOWN and then WM_CONTEXTMENU. The press acts at once, as a click
// always has, and the report that follows it is passed over; from the
// keyboard only the second kind comes, and it acts.
class TrayEvents {
 public:
  TrayAction Take(unsigned event);
  // The icon was added anew: no report of an earlier click is to come.
  void Reset() { selectFollows_ = contextMenuFollows_ = false; }

 private:
  bool selectFollows_ = false;
  bool contextMenuFollows_ = false;
};

}  // namespace qvn
