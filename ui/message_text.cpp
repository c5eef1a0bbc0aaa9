#include "ui/message_text.h"

namespace ui {

std::wstring WithClosingPeriod(std::wstring text) {
  // The rule compares character codes instead of guessing what counts as
  // punctuation, so the outcome is predictable for any text: letters, digits
  // and Japanese text get the period; ' ', '!', ')', ',', '-' and '.' itself
  // are all coded at or below '.' and leave the text as it is.
  if (!text.empty() && text.back() > L'.') {
    text.push_back(L'.');
  }
  return text;
}

}  // namespace ui
