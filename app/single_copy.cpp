#include "app/single_copy.h"

namespace qvn {
namespace {

// Named objects of the current session. The mutex closes the race of two
// copies started at once, which a search for the window alone cannot: neither
// has a window yet when both look.
constexpr wchar_t kMutexName[] = L"Quorvane.SingleCopy.5C1E7A43";
constexpr wchar_t kReadyEventName[] = L"Quorvane.MainWindowReady.5C1E7A43";

// How long a second copy waits for a first one that is still starting, and
// for one that is busy to answer.
constexpr DWORD kStartingCopyWaitMs = 10000;
constexpr DWORD kAnswerWaitMs = 5000;

}  // namespace

bool SingleCopy::Claim() {
  // The event is manual-reset: once set, every later copy finds it set.
  mainWindowReady_.reset(CreateEventW(nullptr, TRUE, FALSE, kReadyEventName));
  mutex_.reset(CreateMutexW(nullptr, FALSE, kMutexName));
  return mutex_ && GetLastError() != ERROR_ALREADY_EXISTS;
}

void SingleCopy::AnnounceMainWindow() {
  if (mainWindowReady_) SetEvent(mainWindowReady_.get());
}

void SingleCopy::BringRunningCopyToFront(const wchar_t* windowClass, const wchar_t* windowTitle) {
  if (mainWindowReady_) WaitForSingleObject(mainWindowReady_.get(), kStartingCopyWaitMs);
  HWND running = FindWindowW(windowClass, windowTitle);
  if (running == nullptr) return;

  // A window in the tray is hidden, and only its own copy knows how to bring
  // it back. This copy, just started by the user, may hand the foreground on.
  DWORD runningProcess = 0;
  GetWindowThreadProcessId(running, &runningProcess);
  AllowSetForegroundWindow(runningProcess);
  DWORD_PTR answer = 0;
  if (ComeBackMessage() != 0 &&
      SendMessageTimeoutW(running, ComeBackMessage(), 0, 0, SMTO_ABORTIFHUNG, kAnswerWaitMs,
                          &answer) != 0 &&
      answer == static_cast<DWORD_PTR>(kCameBack)) {
    return;
  }
  // A copy that is busy (a consecutive launch holds its thread) is brought
  // forward from here as far as that goes. Its main window has no owner: it
  // carries its own taskbar button.
  if (IsIconic(running)) OpenIcon(running);
  SetForegroundWindow(running);
}

UINT SingleCopy::ComeBackMessage() {
  static const UINT message = RegisterWindowMessageW(L"Quorvane.ComeBack.5C1E7A43");
  return message;
}

}  // namespace qvn
