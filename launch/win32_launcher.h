// The start step of a launch on Windows: one process created from a slot, the
// wait until it is ready for input and the input-method pass over its windows;
// also the pause between the programs of a consecutive launch and the return
// of the launcher to the foreground.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/model.h"
#include "launch/ime_pass.h"
#include "launch/launch_sequence.h"

namespace qvn {

// How long the start step waits for a started program to become ready for
// input. A program that never gets there does not hold the launcher for
// longer; the launch goes on as if it were ready.
constexpr DWORD kInputIdleTimeoutMs = 60000;

// How long the input-method pass waits for a window of the started program to
// answer, so that a hung program cannot hold the launcher.
constexpr UINT kImeRequestTimeoutMs = 1000;

// Starts the program `request.path` (a full path in the ANSI code page):
// - a start-up information of its own: the show-window flag and
//   `request.showWindow`, nothing of the launcher's own start (a shortcut's
//   name or hotkey would otherwise pass on to every program);
// - the path as the program's name and, in quotes, as its whole command line,
//   so that "C:\Program Files\App\app.exe" never starts "C:\Program.exe";
// - normal priority, the launcher's environment, and `request.folder` as its
//   working folder (the launcher's current directory when empty);
// then waits until the program is ready for input (at most
// kInputIdleTimeoutMs). Holds no handle of the program afterwards.
StartResult StartProgram(const StartRequest& request);

// The same start through the shell, for a program that needs elevation: the
// shell asks for the user's consent (owned by `owner`, which may be nullptr).
StartResult StartProgramThroughShell(const StartRequest& request, HWND owner);
// The input-method pass over the real windows, for the process `processId`.
void RunImeActivationPass(std::uint32_t processId);

// Blocks the calling thread; the launcher's windows keep painting, but input
// waits until the launch is over.
void PauseLaunch(std::int32_t milliseconds);

// Makes the launcher's window, or the window that owns it, the foreground
// window.
void BringLauncherToFront(HWND launcherWindow);

// The real windows and input methods, for the input-method pass.
class Win32ImePlatform : public ImePlatform {
 public:
  void ForEachTopLevelWindow(const std::function<void(WindowId)>& visit) override;
  bool IsDesktopWindow(WindowId window) override;
  bool HasOwner(WindowId window) override;
  bool IsVisible(WindowId window) override;
  WindowOwnerIds OwnerIdsOf(WindowId window) override;
  std::uint32_t CurrentThreadId() override;
  void* GetContext(WindowId window) override;
  bool IsContextOpen(void* context) override;
  void OpenContext(void* context) override;
  void ReleaseContext(WindowId window, void* context) override;
  WindowId DefaultImeWindow(WindowId window) override;
  std::optional<std::intptr_t> QueryImeWindowOpenStatus(WindowId imeWindow) override;
  void OpenImeWindow(WindowId imeWindow) override;
};

}  // namespace qvn
