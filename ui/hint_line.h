// The rule of the hint line: what it reads, from what the user's pointer and
// keyboard do. It is plain logic so that it does not depend on which message
// loop happens to dispatch a notice: the toolkit's own pump, a menu's loop or
// the loop of a modal box all feed the same rule.
//
// The line shows the long hint of the window under the pointer, of the
// menu item the keyboard or the pointer highlights, or of the control the
// keyboard moved the focus to. When the pointer leaves
// the program's windows the line shows the program's away text. Whether the
// pointer is over the program changes only when a look at its real position
// says so, so that a leave notice that arrives late, or one for a window the
// pointer has since come back to, changes nothing by itself.
#pragma once

#include <string>
#include <string_view>

namespace ui {

class HintLine {
 public:
  // What the line reads while the pointer is away from the program's windows.
  void SetAwayText(std::wstring text);

  // Each of these answers whether the line's text changed.
  //
  // The pointer moved over a window of the program whose hint is `hint`.
  bool PointerOver(std::wstring_view hint);
  // An item of a menu is highlighted.
  bool MenuItemHighlighted(std::wstring_view hint);
  // The keyboard focus moved to a control whose hint is `hint`. The line
  // keeps it wherever the pointer is, until the pointer moves over the
  // program or leaves it.
  bool FocusMoved(std::wstring_view hint);
  // The pointer's real position was looked at: after a leave notice, and
  // when a menu or a modal loop ends. A highlighted item's hint stays after
  // its menu closes only while the pointer is still over the program.
  bool IdleHintCheck(bool pointerOverProgram);

  const std::wstring& Text() const { return text_; }
  // The current hint: the long part of the last window's or item's hint.
  const std::wstring& Hint() const { return hint_; }
  bool CursorOverProgram() const { return cursorOverProgram_; }

 private:
  bool ShowHint(std::wstring_view hint);

  std::wstring awayText_;
  std::wstring hint_;
  std::wstring text_;
  bool cursorOverProgram_ = false;
  bool showsItemHint_ = false;  // the text is a menu item's hint
};

}  // namespace ui
