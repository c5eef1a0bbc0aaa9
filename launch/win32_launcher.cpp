#include "launch/win32_launcher.h"

#include <imm.h>

#include <vector>

#include "launch/launch_sequence.h"
#include "ui/application.h"
#include "ui/handles.h"

namespace qvn {
namespace {

// WM_IME_CONTROL requests that a default IME window answers for its thread.
constexpr WPARAM kImcGetOpenStatus = 0x0005;  // IMC_GETOPENSTATUS
constexpr WPARAM kImcSetOpenStatus = 0x0006;  // IMC_SETOPENSTATUS

// The launcher's current directory at this moment (it may have been changed
// by a file dialog since the launcher started); empty when it cannot be read.
std::string CurrentDirectory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  if (size == 0) return {};
  std::string directory(size, '\0');
  const DWORD length = GetCurrentDirectoryA(size, directory.data());
  if (length == 0 || length >= size) return {};
  directory.resize(length);
  return directory;
}

HWND AsWindow(WindowId window) {
  return static_cast<HWND>(window);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

namespace {

// Waits until the started program is ready for input, at most
// kInputIdleTimeoutMs. The wait is taken in short steps so that the
// launcher's windows keep painting meanwhile.
void WaitUntilReadyForInput(HANDLE process) {
  constexpr DWORD kStepMs = 250;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kInputIdleTimeoutMs) {
    if (WaitForInputIdle(process, kStepMs) != WAIT_TIMEOUT) return;  // ready, or no GUI to wait for
    ui::application::WaitKeepingPainted(0);
  }
}

}  // namespace

std::optional<std::uint32_t> StartProgram(const std::string& path, int showWindow) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  // Without the flag the system would ignore the window size whenever the
  // launcher itself was started without one.
  startup.dwFlags |= STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showWindow);
  // These belong to the launcher's own start: the first must be null for a
  // new process, and the other two carry the C runtime's table of handles the
  // launcher inherited, which the new process does not inherit.
  startup.lpReserved = nullptr;
  startup.cbReserved2 = 0;
  startup.lpReserved2 = nullptr;

  // Given the program's name, the system does not guess where an unquoted path
  // with blanks ends; the quotes give the program the same first argument.
  std::string commandLine = "\"" + path + "\"";
  const std::string directory = CurrentDirectory();

  PROCESS_INFORMATION started{};
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      NORMAL_PRIORITY_CLASS, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &started)) {
    return std::nullopt;
  }
  const ui::UniqueHandle process(started.hProcess);
  const ui::UniqueHandle thread(started.hThread);

  WaitUntilReadyForInput(process.get());
  return started.dwProcessId;
}

std::optional<std::uint32_t> StartSlotProcess(const Model& model, int index) {
  if (index < 0 || index >= kSlotCount) return std::nullopt;
  return StartProgram(SlotPath(model, index), ShowWindowForSizeCode(model.SlotSizeCodes[index]));
}

void RunImeActivationPass(std::uint32_t processId) {
  Win32ImePlatform platform;
  ImeActivationPass(platform, processId);
}

void PauseLaunch(std::int32_t milliseconds) {
  ui::application::WaitKeepingPainted(static_cast<DWORD>(LaunchIntervalPause(milliseconds)));
}

void BringLauncherToFront(HWND launcherWindow) {
  if (launcherWindow == nullptr) return;
  const HWND owner = GetWindow(launcherWindow, GW_OWNER);
  SetForegroundWindow(owner != nullptr ? owner : launcherWindow);
}

// --- Win32ImePlatform ----------------------------------------------------------

void Win32ImePlatform::ForEachTopLevelWindow(const std::function<void(WindowId)>& visit) {
  // The list is taken first and visited afterwards: a window that goes away in
  // between only receives requests that have no effect.
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) visit(window);
}

bool Win32ImePlatform::IsDesktopWindow(WindowId window) {
  return AsWindow(window) == GetDesktopWindow();
}

bool Win32ImePlatform::HasOwner(WindowId window) {
  return GetWindow(AsWindow(window), GW_OWNER) != nullptr;
}

bool Win32ImePlatform::IsVisible(WindowId window) {
  return IsWindowVisible(AsWindow(window)) != FALSE;
}

WindowOwnerIds Win32ImePlatform::OwnerIdsOf(WindowId window) {
  DWORD processId = 0;
  const DWORD threadId = GetWindowThreadProcessId(AsWindow(window), &processId);
  return {threadId, processId};
}

std::uint32_t Win32ImePlatform::CurrentThreadId() {
  return GetCurrentThreadId();
}

void* Win32ImePlatform::GetContext(WindowId window) {
  return ImmGetContext(AsWindow(window));
}

bool Win32ImePlatform::IsContextOpen(void* context) {
  return ImmGetOpenStatus(static_cast<HIMC>(context)) != FALSE;
}

void Win32ImePlatform::OpenContext(void* context) {
  ImmSetOpenStatus(static_cast<HIMC>(context), TRUE);
}

void Win32ImePlatform::ReleaseContext(WindowId window, void* context) {
  ImmReleaseContext(AsWindow(window), static_cast<HIMC>(context));
}

WindowId Win32ImePlatform::DefaultImeWindow(WindowId window) {
  return ImmGetDefaultIMEWnd(AsWindow(window));
}

std::optional<std::intptr_t> Win32ImePlatform::QueryImeWindowOpenStatus(WindowId imeWindow) {
  DWORD_PTR status = 0;
  if (!SendMessageTimeoutA(AsWindow(imeWindow), WM_IME_CONTROL, kImcGetOpenStatus, 0,
                           SMTO_ABORTIFHUNG, kImeRequestTimeoutMs, &status)) {
    return std::nullopt;
  }
  return static_cast<std::intptr_t>(status);
}

void Win32ImePlatform::OpenImeWindow(WindowId imeWindow) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(AsWindow(imeWindow), WM_IME_CONTROL, kImcSetOpenStatus, 1, SMTO_ABORTIFHUNG,
                      kImeRequestTimeoutMs, &ignored);
}

}  // namespace qvn
