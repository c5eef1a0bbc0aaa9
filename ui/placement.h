// Where the program's windows stand on a desktop of one or more monitors.
// Plain rectangles in screen coordinates (the primary monitor's top-left is
// (0, 0); a monitor left of or above it has negative coordinates), so that
// the rules hold the same for every layout of monitors and taskbars.
#pragma once

#include <span>

namespace ui::placement {

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct Monitor {
  Rect bounds;  // the whole monitor
  Rect work;    // without the taskbar and the bars docked to its edges
  bool primary = false;
};

// The main window's top-left corner: that of the primary monitor's work area,
// so the window is on a monitor and never under a taskbar at the top or left.
// (0, 0) with no monitor.
Point MainWindowCorner(std::span<const Monitor> monitors);

// Where a window wants to stand (`wanted`, its whole rectangle), moved into
// the work area of its monitor: wholly, where it fits; with its top-left
// corner showing, where it is too big. Its monitor is the one it overlaps
// most, or else the nearest one. `wanted`'s corner with no monitor.
Point KeepInside(const Rect& wanted, std::span<const Monitor> monitors);

}  // namespace ui::placement
