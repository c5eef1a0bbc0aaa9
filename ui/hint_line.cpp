#include "ui/hint_line.h"

#include <utility>

namespace ui {

void HintLine::SetAwayText(std::wstring text) {
  awayText_ = std::move(text);
  if (!cursorOverProgram_) text_ = awayText_;
}

bool HintLine::PointerOver(std::wstring_view hint) {
  cursorOverProgram_ = true;
  return ShowHint(hint);
}

bool HintLine::MenuItemHighlighted(std::wstring_view hint) {
  return ShowHint(hint);
}

bool HintLine::IdleHintCheck(bool pointerOverProgram) {
  if (pointerOverProgram == cursorOverProgram_) return false;
  cursorOverProgram_ = pointerOverProgram;
  if (pointerOverProgram) return false;  // the next move over a window gives its hint
  // No window of the program under the pointer: no hint.
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
