#include "ui/application.h"

#include <algorithm>

#include "ui/hint_line.h"
#include "ui/hint_text.h"
#include "ui/window.h"

namespace ui::application {
namespace {

struct State {
  std::wstring title;
  int iconId = 0;
  HintLine hintLine;
  std::function<void(const std::wstring&)> showHintLine;
};

State& Current() {
  static State state;
  return state;
}

bool IsProgramWindow(HWND hwnd) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  return hwnd != nullptr && process == GetCurrentProcessId();
}

// The long hint of a window, or of its nearest parent that has a hint.
std::wstring HintOf(HWND hwnd) {
  for (; hwnd != nullptr; hwnd = GetParent(hwnd)) {
    const Window* window = Window::FromHandle(hwnd);
    if (window != nullptr && !window->hint().empty()) return LongHint(window->hint());
  }
  return std::wstring();
}

// Asks for a leave notice for `hwnd`. False when the tracking did not take
// hold, as when the pointer is no longer over the window: Windows then posts
// the notice at once, Wine does not, and a mouse move the system made up when
// a window went away can name a window the pointer left long ago. The caller
// then looks at the pointer itself.
bool TrackLeaving(HWND hwnd, bool nonClient) {
  TRACKMOUSEEVENT track{sizeof track};
  track.dwFlags = TME_LEAVE | (nonClient ? TME_NONCLIENT : 0);
  track.hwndTrack = hwnd;
  TrackMouseEvent(&track);
  TRACKMOUSEEVENT tracking{sizeof tracking};
  tracking.dwFlags = TME_QUERY;
  return TrackMouseEvent(&tracking) && tracking.hwndTrack == hwnd &&
         (tracking.dwFlags & TME_LEAVE) != 0;
}

// Passes a change of the line's text on to the window that shows it.
void HintLineChanged(bool changed) {
  State& state = Current();
  if (changed && state.showHintLine) state.showHintLine(state.hintLine.Text());
}

}  // namespace

void SetTitle(std::wstring title) {
  Current().title = std::move(title);
}

const std::wstring& Title() {
  return Current().title;
}

void SetIcon(int resourceId) {
  Current().iconId = resourceId;
}

HICON Icon() {
  const int id = Current().iconId;
  return id != 0 ? LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)) : nullptr;
}

void SetHintLine(std::wstring awayText, std::function<void(const std::wstring&)> show) {
  State& state = Current();
  state.hintLine = HintLine();
  state.hintLine.SetAwayText(std::move(awayText));
  state.showHintLine = std::move(show);
}

void ShowItemHint(const std::wstring& hint) {
  HintLineChanged(Current().hintLine.MenuItemHighlighted(hint));
}

void ShowFocusHint(const std::wstring& hint) {
  HintLineChanged(Current().hintLine.FocusMoved(hint));
}

void CheckPointer() {
  HintLineChanged(Current().hintLine.IdleHintCheck(PointerOverProgram()));
}

bool PointerOverProgram() {
  POINT pointer;
  return GetCursorPos(&pointer) && IsProgramWindow(WindowFromPoint(pointer));
}

void ProcessMessage(MSG& message, HWND dialog) {
  switch (message.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      if (IsProgramWindow(message.hwnd)) {
        HintLineChanged(Current().hintLine.PointerOver(HintOf(message.hwnd)));
        if (!TrackLeaving(message.hwnd, message.message == WM_NCMOUSEMOVE)) CheckPointer();
      }
      break;
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
      // The notice may come late, or for a window the pointer has left for
      // another of ours (which brings its own mouse move): only where the
      // pointer is now counts.
      CheckPointer();
      break;
  }
  if (dialog == nullptr && message.hwnd != nullptr) {
    // A window of the toolkit (the main window, say) takes the keyboard as a
    // dialog does, so that Tab and the arrows reach its controls.
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (Window::FromHandle(root) != nullptr) dialog = root;
  }
  if (dialog != nullptr && IsDialogMessageW(dialog, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool WaitKeepingPainted(DWORD timeoutMs, HANDLE object) {
  // The system takes a window for hung when its thread has not looked at its
  // queue for five seconds; looking once a second is plenty.
  constexpr DWORD kLookAtQueueMs = 1000;
  const DWORD start = GetTickCount();
  for (;;) {
    // Sent messages are answered inside PeekMessage; paint requests are taken here.
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
      DispatchMessageW(&message);
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return false;
    const DWORD slice = std::min(timeoutMs - elapsed, kLookAtQueueMs);
    const DWORD woken = MsgWaitForMultipleObjects(object != nullptr ? 1 : 0, &object, FALSE, slice,
                                                  QS_PAINT | QS_SENDMESSAGE);
    if (object != nullptr && woken == WAIT_OBJECT_0) return true;
  }
}

void ProcessPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that runs us
      return;
    }
    ProcessMessage(message);
  }
}

bool NextMessage(MSG& message, int& exitCode) {
  const BOOL got = GetMessageW(&message, nullptr, 0, 0);
  if (got > 0) return true;
  if (got == 0) {
    exitCode = static_cast<int>(message.wParam);
    return false;
  }
  // Only a bad window filter makes GetMessageW fail, and the loops pass none;
  // should it happen anyway, the loop ends rather than spin on the error.
  wchar_t text[128];
  wsprintfW(text, L"内部エラーが発生したため,処理を中止しました (エラー %lu).", GetLastError());
  MessageBoxW(nullptr, text, Title().c_str(), MB_OK | MB_ICONSTOP);
  exitCode = -1;
  return false;
}

int Run() {
  MSG message;
  int exitCode = 0;
  while (NextMessage(message, exitCode)) ProcessMessage(message);
  return exitCode;
}

}  // namespace ui::application
