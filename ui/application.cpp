#include "ui/application.h"

#include <algorithm>

#include "ui/hint_text.h"
#include "ui/window.h"

namespace ui::application {
namespace {

struct State {
  std::wstring title;
  int iconId = 0;
  std::wstring hint;
  std::function<void(const std::wstring&)> onHint;
  std::function<void()> onPointer;
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

void TrackLeaving(HWND hwnd, bool nonClient) {
  TRACKMOUSEEVENT track{sizeof track};
  track.dwFlags = TME_LEAVE | (nonClient ? TME_NONCLIENT : 0);
  track.hwndTrack = hwnd;
  TrackMouseEvent(&track);
}

void NotifyPointer() {
  if (Current().onPointer) Current().onPointer();
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

void SetHintHandler(std::function<void(const std::wstring&)> handler) {
  Current().onHint = std::move(handler);
}

void SetPointerHandler(std::function<void()> handler) {
  Current().onPointer = std::move(handler);
}

const std::wstring& Hint() {
  return Current().hint;
}

void SetHint(const std::wstring& hint) {
  State& state = Current();
  if (hint == state.hint) return;
  state.hint = hint;
  if (state.onHint) state.onHint(state.hint);
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
        SetHint(HintOf(message.hwnd));
        TrackLeaving(message.hwnd, message.message == WM_NCMOUSEMOVE);
        NotifyPointer();
      }
      break;
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
      // Moving onto another of our windows brings its own mouse move next.
      if (!PointerOverProgram()) SetHint(std::wstring());
      NotifyPointer();
      break;
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

int Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) ProcessMessage(message);
  return static_cast<int>(message.wParam);
}

}  // namespace ui::application
