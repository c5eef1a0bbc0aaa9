// The message boxes every window of the program uses.
//
// They are drawn by the program itself rather than by MessageBoxW, whose
// caption and button texts follow the language of Windows: these always show
// the program's own Japanese wording. In look and behaviour they follow the
// system's message box: the system message font and icons, the matching
// system sound, Enter for the default button and Escape to back out.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Plain message: caption the application's title (application::Title), no icon, one "OK" button.
// Enter, Escape and the close box all just close it. ShowMessage centres the box on the screen;
// ShowMessageAt puts its top-left corner at `topLeft` (screen coordinates). `owner`, the window
// that asks, may be nullptr. Every box belongs to the topmost enabled window of the program that
// shows at that moment (or to `owner` when none shows), which is disabled while the box shows.
void ShowMessage(HWND owner, const std::wstring& text);
void ShowMessageAt(HWND owner, const std::wstring& text, POINT topLeft);

// What the user answered to Confirm.
enum class Answer {
  Yes,     // "はい(&Y)", or Enter
  No,      // "いいえ(&N)", or Escape
  Cancel,  // the close box (or Alt+F4)
};

// Confirmation: caption "確認", question icon, buttons "はい(&Y)" (the
// default) and "いいえ(&N)". Most callers go on with a command unless the
// answer is Answer::No, so closing the box does not stop it; a question
// before destroying a file goes on only on Answer::Yes.
Answer Confirm(HWND owner, const std::wstring& text);
// The same with the box's top-left corner at `topLeft` (screen coordinates).
Answer ConfirmAt(HWND owner, const std::wstring& text, POINT topLeft);

// The default error box: stop icon, caption the application's title, one "OK"
// button, and `text` with a closing period added (see WithClosingPeriod).
// Centred on the screen.
void ShowError(HWND owner, const std::wstring& text);

// The error box for a dialog that could not be made: "「caption」ダイアログを
// 作成できませんでした." The command that wanted it then ends.
void ShowDialogNotCreated(HWND owner, const std::wstring& caption);

}  // namespace ui
