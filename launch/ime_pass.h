// The input-method pass: right after a program has been started and has
// become ready for input, the input method of each of its visible, unowned
// top-level windows is switched open. An input method that is already open is
// left as it is; the pass never closes one. Windows of other programs, and the
// launcher's own, are left alone.
//
// The choices are made here; the windows and the input methods are reached
// through ImePlatform.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace qvn {

// A top-level window as the platform names it.
using WindowId = void*;

// The thread and the process a window belongs to.
struct WindowOwnerIds {
  std::uint32_t threadId = 0;
  std::uint32_t processId = 0;
};

class ImePlatform {
 public:
  virtual ~ImePlatform() = default;

  // --- The windows ---
  // Calls `visit` for every top-level window on the desktop.
  virtual void ForEachTopLevelWindow(const std::function<void(WindowId)>& visit) = 0;
  virtual bool IsDesktopWindow(WindowId window) = 0;
  virtual bool HasOwner(WindowId window) = 0;
  virtual bool IsVisible(WindowId window) = 0;
  virtual WindowOwnerIds OwnerIdsOf(WindowId window) = 0;
  // The launcher's own (GUI) thread.
  virtual std::uint32_t CurrentThreadId() = 0;

  // --- Input methods of the launcher's own thread: through the input context ---
  // The window's input context, released again by ReleaseContext; nullptr when
  // it has none.
  virtual void* GetContext(WindowId window) = 0;
  virtual bool IsContextOpen(void* context) = 0;
  virtual void OpenContext(void* context) = 0;
  virtual void ReleaseContext(WindowId window, void* context) = 0;

  // --- Input methods of other threads: through the default IME window ---
  // The window's default IME window; nullptr when it has none.
  virtual WindowId DefaultImeWindow(WindowId window) = 0;
  // The open status the IME window reports (0 closed); nothing when it gave
  // no answer in time.
  virtual std::optional<std::intptr_t> QueryImeWindowOpenStatus(WindowId imeWindow) = 0;
  // Asks the IME window to open its input method.
  virtual void OpenImeWindow(WindowId imeWindow) = 0;
};

// How the pass treats one top-level window.
enum class ImeRoute {
  kLeave,             // not a window of the started program
  kInputContext,      // a window of the launcher's own thread
  kDefaultImeWindow,  // a window of the started program's threads
};

// The route for a window that is visible and unowned, by the thread and
// process it belongs to. Only windows of the started process are visited.
ImeRoute ImeRouteFor(const WindowOwnerIds& ids, std::uint32_t startedProcessId,
                     std::uint32_t ownThreadId);

// The enumeration callback: opens the input method of `window` when it is a
// visible, unowned top-level window of process `processId`. Always answers
// true, so that the enumeration goes on.
bool EnableImeForWindow(ImePlatform& platform, WindowId window, std::uint32_t processId);

// Visits every top-level window with EnableImeForWindow.
void ImeActivationPass(ImePlatform& platform, std::uint32_t processId);

}  // namespace qvn
