#include "ui/placement.h"

#include <algorithm>
#include <cstdint>

namespace ui::placement {
namespace {

int64_t OverlapArea(const Rect& a, const Rect& b) {
  const int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

// How far apart two rectangles are, squared; 0 when they touch or overlap.
int64_t DistanceSquared(const Rect& a, const Rect& b) {
  const int64_t dx = std::max({0, b.left - a.right, a.left - b.right});
  const int64_t dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
  return dx * dx + dy * dy;
}

// The monitor of a window at `rect`, by the rule MonitorFromRect documents
// ("MonitorFromRect function", learn.microsoft.com): the largest area of
// intersection, else (MONITOR_DEFAULTTONEAREST) the nearest monitor.
const Monitor* MonitorOf(const Rect& rect, std::span<const Monitor> monitors) {
  const Monitor* best = nullptr;
  int64_t bestArea = 0;
  int64_t bestDistance = 0;
  for (const Monitor& monitor : monitors) {
    const int64_t area = OverlapArea(rect, monitor.bounds);
    const int64_t distance = DistanceSquared(rect, monitor.bounds);
    if (best == nullptr || area > bestArea || (bestArea == 0 && distance < bestDistance)) {
      best = &monitor;
      bestArea = area;
      bestDistance = distance;
    }
  }
  return best;
}

// `start` moved the least so that `length` fits between `low` and `high`;
// `low` where it does not fit at all.
int Clamp(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

Point MainWindowCorner(std::span<const Monitor> monitors) {
  for (const Monitor& monitor : monitors) {
    if (monitor.primary) return {monitor.work.left, monitor.work.top};
  }
  return {};
}

Point KeepInside(const Rect& wanted, std::span<const Monitor> monitors) {
  const Monitor* monitor = MonitorOf(wanted, monitors);
  if (monitor == nullptr) return {wanted.left, wanted.top};
  const Rect& work = monitor->work;
  return {Clamp(wanted.left, wanted.Width(), work.left, work.right),
          Clamp(wanted.top, wanted.Height(), work.top, work.bottom)};
}

}  // namespace ui::placement
