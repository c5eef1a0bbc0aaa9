// What the tray icon's events do: which of them count as the left click and
// which open the pop-up menu, where the menu opens, what a left click does,
// and which size of the shell's record the running shell understands.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "core/model.h"

namespace qvn {

enum class TrayClick { kRestoreFromTray, kStartScreenSaver, kNothing };

// Without StartScreenSaverOnIconClick the main window comes back. With it the
// screen saver starts, unless the resource guard finds a free-resource
// percentage below ResourceLimit; `resourcesBelowLimit` is asked in that case
// only. The window stays in the tray either way.
TrayClick TrayLeftClick(const Model& model, const std::function<bool()>& resourcesBelowLimit);

// The events the shell reports about the icon (the low word of the callback
// message's lParam in version 4 of the tray, the whole lParam before it): the
// Win32 values.
enum TrayEvent : unsigned {
  kTrayLeftButtonDown = 0x0201,   // WM_LBUTTONDOWN
  kTrayRightButtonDown = 0x0204,  // WM_RBUTTONDOWN
  kTrayContextMenu = 0x007B,      // WM_CONTEXTMENU: right button released, Shift+F10, menu key
  kTraySelect = 0x0400,           // NIN_SELECT: left button released, or Enter on a pointed icon
  kTrayKeySelect = 0x0401,        // NIN_KEYSELECT: Space or Enter on the icon chosen by keyboard
};

enum class TrayAction { kNone, kLeftClick, kPopupMenu };

// What an event does. A shell that took version 4 reports each click once,
// on its release, as NIN_SELECT or WM_CONTEXTMENU, and the keyboard's
// requests the same way: only those act, and the presses before them do not.
// A shell that refused version 4 sends the mouse messages alone: the presses
// act then.
TrayAction TrayEventAction(unsigned event, bool versionFour);

// Where the pop-up menu asked for by WM_CONTEXTMENU opens. In version 4 the
// shell gives the point in the message's wParam (x in its low word, y in its
// high word, both signed: a monitor left of or above the primary one has
// negative coordinates). Nothing means the pointer's position: a shell
// without version 4, or one that gave (0, 0), names no point.
struct ScreenPoint {
  int x;
  int y;
  bool operator==(const ScreenPoint&) const = default;
};
std::optional<ScreenPoint> TrayMenuAnchor(bool versionFour, std::uintptr_t wParam);

// The version of shell32 (DllGetVersion), and which form of the
// notification-icon record it understands: the older forms are prefixes of
// the newest, and a shell handed a size it does not know may refuse the icon
// or ignore the newer flags.
struct ShellVersion {
  unsigned major;
  unsigned minor;
  unsigned build;
};
enum class TrayRecordSize {
  kV1,    // before 5.0: a 64-character tip
  kV2,    // 5.0, Windows 2000: a 128-character tip, versions of the tray
  kV3,    // 6.0, Windows XP: guidItem
  kFull,  // 6.0.6000 on, Windows Vista and later: NIF_SHOWTIP, hBalloonIcon
};
TrayRecordSize TrayRecordSizeFor(const ShellVersion& shell);

}  // namespace qvn
