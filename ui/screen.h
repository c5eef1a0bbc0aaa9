// The desktop's monitors as the system has them now, and the places of the
// program's windows on them (the rules are in ui/placement.h).
#pragma once

#include <windows.h>

#include <vector>

#include "ui/placement.h"

namespace ui {

std::vector<placement::Monitor> Monitors();

// The main window's top-left corner: that of the primary monitor's work area.
POINT MainWindowCorner();
// Where a window of `size` wanted at `topLeft` stands: inside the work area
// of its monitor.
POINT KeepOnScreen(POINT topLeft, SIZE size);

// Points taken from another window, in screen coordinates: its top-left
// corner moved by an offset given at 96 DPI (scaled by that window's DPI), and
// the point beside its right edge, `lowerAt96Dpi` below its top.
POINT OffsetFrom(HWND window, POINT offsetAt96Dpi);
POINT Beside(HWND window, int lowerAt96Dpi = 0);

}  // namespace ui
