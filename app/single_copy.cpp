#include "app/single_copy.h"

#include "app/main_form.h"

namespace qvn {
namespace {

// Named objects of the current session. The mutex closes the race of two
// copies started at once, which a search for the window alone cannot: neither
// has a window yet when both look.
constexpr wchar_t kMutexName[] = L"Quorvane.SingleCopy.5C1E7A43";
constexpr wchar_t kReadyEventName[] = L"Quorvane.MainWindowReady.5C1E7A43";

// How long a second copy waits for a first one that is still starting.
constexpr DWORD kStartingCopyWaitMs = 10000;

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

void SingleCopy::BringRunningCopyToFront() {
  if (mainWindowReady_) WaitForSingleObject(mainWindowReady_.get(), kStartingCopyWaitMs);
  HWND running = FindWindowW(kMainWindowClass, kMainWindowTitle);
  if (running == nullptr) return;
  // A window that carries the taskbar entry for it, if any, is the one to restore.
  HWND owner = GetWindow(running, GW_OWNER);
  HWND target = owner != nullptr ? owner : running;
  if (IsIconic(target)) OpenIcon(target);
  SetForegroundWindow(target);
}

}  // namespace qvn
