#include "ui/screen.h"

#include "ui/window.h"

namespace ui {
namespace {

placement::Rect FromRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, RECT*, LPARAM monitors) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  // A monitor that went away while the list was made is left out.
  if (GetMonitorInfoW(handle, &info)) {
    reinterpret_cast<std::vector<placement::Monitor>*>(monitors)->push_back(
        {FromRect(info.rcMonitor), FromRect(info.rcWork),
         (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  }
  return TRUE;
}

}  // namespace

std::vector<placement::Monitor> Monitors() {
  // Documented in 'MONITORINFO structure' (learn.microsoft.com): rcWork is the
  // monitor's rectangle less the taskbar and the application desktop toolbars,
  // in virtual-screen coordinates, where the primary monitor's corner is (0, 0).
  std::vector<placement::Monitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

POINT MainWindowCorner() {
  const placement::Point corner = placement::MainWindowCorner(Monitors());
  return POINT{corner.x, corner.y};
}

POINT KeepOnScreen(POINT topLeft, SIZE size) {
  const placement::Point place = placement::KeepInside(
      {topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy}, Monitors());
  return POINT{place.x, place.y};
}

POINT OffsetFrom(HWND window, POINT offsetAt96Dpi) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{rect.left + Scale(window, offsetAt96Dpi.x),
               rect.top + Scale(window, offsetAt96Dpi.y)};
}

POINT Beside(HWND window, int lowerAt96Dpi) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{rect.right, rect.top + Scale(window, lowerAt96Dpi)};
}

}  // namespace ui
