// The program-wide part of the toolkit: the message loop, and the hint of
// whatever the mouse points at.
//
// The hint follows the pointer without any polling: a mouse move over one of
// the program's windows sets the hint of that window (or of its nearest parent
// that has one), and the system's mouse-leave notice asks for a look at where
// the pointer really is. Menus and modal boxes run loops of their own, which
// this program's pump never sees: the forms feed their menus' highlights to
// the same rule (HintLine), and the pointer is looked at again when such a
// loop ends.
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

// The program's hint line, started afresh: `show` is called with the line's
// text whenever it changes; `awayText` is what the line reads while the
// pointer is away from the program's windows. SetHintLine({}, nullptr) lets
// the line go.
void SetHintLine(std::wstring awayText, std::function<void(const std::wstring&)> show);

// A menu item (or anything else the keyboard highlights) shows its hint.
void ShowItemHint(const std::wstring& hint);
// The keyboard focus moved to a control with this hint.
void ShowFocusHint(const std::wstring& hint);
// Looks at where the pointer really is: when a menu or a modal loop ends, and
// after a leave notice.
void CheckPointer();

// True when the window under the mouse pointer belongs to this program.
bool PointerOverProgram();

// Handles one message from the queue as the program's loops do. The dialog
// keys (Tab, the arrows, Enter, Escape) are those of `dialog`; without one,
// those of the toolkit's window the message is for.
void ProcessMessage(MSG& message, HWND dialog = nullptr);

// Blocks for up to `timeoutMs`, or until `object` (when given) is signalled,
// while still painting the program's windows and answering the system, so
// that they never turn white or get marked "Not Responding". Input waits in
// the queue until the caller is done. True when the object was signalled.
bool WaitKeepingPainted(DWORD timeoutMs, HANDLE object = nullptr);

// Handles every message that is waiting now, then returns.
void ProcessPendingMessages();

// Takes the next message for a loop, as GetMessageW does: false for WM_QUIT,
// with its exit code, and for a failure of GetMessageW, which is reported to
// the user and gives the exit code -1.
bool NextMessage(MSG& message, int& exitCode);

// Runs the message loop until WM_QUIT; returns its exit code.
int Run();

}  // namespace ui::application
