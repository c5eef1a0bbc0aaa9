#include "launch/ime_pass.h"

namespace qvn {

ImeRoute ImeRouteFor(const WindowOwnerIds& ids, std::uint32_t startedProcessId,
                     std::uint32_t ownThreadId) {
  if (ids.processId != startedProcessId) return ImeRoute::kLeave;
  // A thread's input context can only be changed from that thread; every
  // other thread is asked through its default IME window.
  return ids.threadId == ownThreadId ? ImeRoute::kInputContext : ImeRoute::kDefaultImeWindow;
}

namespace {

void OpenThroughContext(ImePlatform& platform, WindowId window) {
  void* const context = platform.GetContext(window);
  if (context == nullptr) return;
  if (!platform.IsContextOpen(context)) platform.OpenContext(context);
  platform.ReleaseContext(window, context);
}

void OpenThroughImeWindow(ImePlatform& platform, WindowId window) {
  const WindowId imeWindow = platform.DefaultImeWindow(window);
  if (imeWindow == nullptr) return;
  // An IME window that does not answer, or answers "open", is not asked to open.
  const auto status = platform.QueryImeWindowOpenStatus(imeWindow);
  if (status && *status == 0) platform.OpenImeWindow(imeWindow);
}

}  // namespace

bool EnableImeForWindow(ImePlatform& platform, WindowId window, std::uint32_t processId) {
  if (platform.IsDesktopWindow(window)) return true;
  if (platform.HasOwner(window) || !platform.IsVisible(window)) return true;
  switch (ImeRouteFor(platform.OwnerIdsOf(window), processId, platform.CurrentThreadId())) {
    case ImeRoute::kInputContext:
      OpenThroughContext(platform, window);
      break;
    case ImeRoute::kDefaultImeWindow:
      OpenThroughImeWindow(platform, window);
      break;
    case ImeRoute::kLeave:
      break;
  }
  return true;
}

void ImeActivationPass(ImePlatform& platform, std::uint32_t processId) {
  platform.ForEachTopLevelWindow(
      [&](WindowId window) { EnableImeForWindow(platform, window, processId); });
}

}  // namespace qvn
