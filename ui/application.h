// The program-wide part of the toolkit: the message loop, and the hint of
// whatever the mouse points at.
//
// The hint follows the pointer without any polling: a mouse move over one of
// the program's windows sets the hint of that window (or of its nearest parent
// that has one), and the system's mouse-leave notice tells when the pointer
// has gone, after which the hint is empty unless another window of the program
// lies under the pointer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui::application {

// What the program tells the toolkit about itself, before its first window:
// the title of its message boxes and the resource id of the icon its windows
// carry. Without them the boxes have no caption and the windows the system's
// default icon.
void SetTitle(std::wstring title);
const std::wstring& Title();
void SetIcon(int resourceId);
// The program's icon, shared (LoadIcon): nobody destroys it. nullptr when
// none was given.
HICON Icon();

// Called whenever the current hint text changes, with its long part.
void SetHintHandler(std::function<void(const std::wstring&)> handler);
// Called after the pointer has moved over or left one of the program's windows.
void SetPointerHandler(std::function<void()> handler);

// The current hint text (the long part).
const std::wstring& Hint();
void SetHint(const std::wstring& hint);

// True when the window under the mouse pointer belongs to this program.
bool PointerOverProgram();

// Handles one message from the queue as the program's loops do.
void ProcessMessage(MSG& message, HWND dialog = nullptr);

// Blocks for up to `timeoutMs`, or until `object` (when given) is signalled,
// while still painting the program's windows and answering the system, so
// that they never turn white or get marked "Not Responding". Input waits in
// the queue until the caller is done. True when the object was signalled.
bool WaitKeepingPainted(DWORD timeoutMs, HANDLE object = nullptr);

// Handles every message that is waiting now, then returns.
void ProcessPendingMessages();

// Runs the message loop until WM_QUIT; returns its exit code.
int Run();

}  // namespace ui::application
