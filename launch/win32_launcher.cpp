#include "launch/win32_launcher.h"

#include <imm.h>
#include <shellapi.h>

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

// The id of a process from its handle. GetProcessId came with Windows XP
// SP1 ('GetProcessId function', learn.microsoft.com), so it is looked up when
// needed; without it the id stays unknown.
std::optional<std::uint32_t> ProcessIdOf(HANDLE process) {
  using GetProcessIdFunction = DWORD(WINAPI*)(HANDLE);
  const auto getProcessId = reinterpret_cast<GetProcessIdFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetProcessId")));
  if (getProcessId == nullptr) return std::nullopt;
  const DWORD processId = getProcessId(process);
  if (processId == 0) return std::nullopt;
  return processId;
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

StartResult StartProgram(const StartRequest& request) {
  // A record of its own, not the launcher's: started from a shortcut, the
  // launcher's record carries the shortcut's name (STARTF_TITLEISLINKNAME)
  // and hotkey (STARTF_USEHOTKEY), which belong to the launcher alone.
  // Documented in 'STARTUPINFOA structure' (learn.microsoft.com): wShowWindow
  // is used only with STARTF_USESHOWWINDOW set.
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(request.showWindow);

  // Given the program's name, the system does not guess where an unquoted path
  // with blanks ends; the quotes give the program the same first argument.
  std::string commandLine = "\"" + request.path + "\"";
  const std::string directory = request.folder.empty() ? CurrentDirectory() : request.folder;

  PROCESS_INFORMATION started{};
  if (!CreateProcessA(request.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      NORMAL_PRIORITY_CLASS, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &started)) {
    return {GetLastError(), std::nullopt};
  }
  const ui::UniqueHandle process(started.hProcess);
  const ui::UniqueHandle thread(started.hThread);

  WaitUntilReadyForInput(process.get());
  return {0, started.dwProcessId};
}

StartResult StartProgramThroughShell(const StartRequest& request, HWND owner) {
  // Documented in 'ShellExecuteExA function' (learn.microsoft.com): the
  // shell may hand the start to COM extensions, so COM must be initialised
  // on this thread (the program does so at start); on failure GetLastError
  // tells why, ERROR_CANCELLED when the user declined the prompt.
  // No verb: the program's default, which asks for consent when its manifest
  // requires elevation. SEE_MASK_FLAG_NO_UI keeps the shell's own error box
  // away: the launch reports the failure in its own words.
  SHELLEXECUTEINFOA execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  execute.hwnd = owner;
  execute.lpFile = request.path.c_str();
  execute.lpDirectory = request.folder.empty() ? nullptr : request.folder.c_str();
  execute.nShow = request.showWindow;
  if (!ShellExecuteExA(&execute)) {
    const DWORD error = GetLastError();
    // A failure must not read as a start, even without an extended error.
    return {error != 0 ? error : static_cast<DWORD>(ERROR_CAN_NOT_COMPLETE), std::nullopt};
  }
  // Documented in 'SHELLEXECUTEINFOA structure': no process handle comes
  // back when the start went another way (DDE, say); the program started.
  if (execute.hProcess == nullptr) return {0, std::nullopt};
  const ui::UniqueHandle process(execute.hProcess);
  WaitUntilReadyForInput(process.get());
  return {0, ProcessIdOf(process.get())};
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
