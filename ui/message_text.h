// Wording rules for the text of message boxes. Plain C++ so that it can be
// tested without Windows.
#pragma once

#include <string>

namespace ui {

// Ends an error message with a full stop. A period is added when the text is
// not empty and its last character has a code above that of '.' (U+002E);
// text ending in '.', or in punctuation or a space coded below it, is left as
// it is. So "abc" becomes "abc.", while "abc." and "abc-" stay unchanged.
std::wstring WithClosingPeriod(std::wstring text);

}  // namespace ui
