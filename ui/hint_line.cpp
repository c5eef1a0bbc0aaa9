#include "ui/hint_line.h"

#include <utility>

namespace ui {

void HintLine::SetAwayText(std::wstring text) {
  awayText_ = std::move(text);
  if (!cursorOverProgram_) text_ = awayText_;
}

bool HintLine::PointerOver(std::wstring_view hint) {
  cursorOverProgram_ = true;
  showsItemHint_ = false;
  return ShowHint(hint);
}

bool HintLine::MenuItemHighlighted(std::wstring_view hint) {
  showsItemHint_ = true;
  return ShowHint(hint);
}

bool HintLine::FocusMoved(std::wstring_view hint) {
  showsItemHint_ = false;
  return ShowHint(hint);
}

bool HintLine::IdleHintCheck(bool pointerOverProgram) {
  const bool left = cursorOverProgram_ && !pointerOverProgram;
  cursorOverProgram_ = pointerOverProgram;
  // A menu item's hint outlives its menu only while the pointer is over the
  // program, wherever the pointer went while the menu was being opened.
  if (pointerOverProgram || !(left || showsItemHint_)) return false;
  // No window of the program under the pointer: no hint.
  showsItemHint_ = false;
  hint_.clear();
  if (text_ == awayText_) return false;
  text_ = awayText_;
  return true;
}

// The line follows the hint only when the hint changes: after the pointer
// left, a move over a window without a hint leaves the away text in place.
bool HintLine::ShowHint(std::wstring_view hint) {
  if (hint == hint_) return false;
  hint_ = hint;
  if (text_ == hint_) return false;
  text_ = hint_;
  return true;
}

}  // namespace ui
