// Hint texts have the form: short part, "|", long part. A text without "|"
// is both parts at once. The main window shows no tooltips; only the long
// part is ever shown, in the hint line.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// The long part: the text after the first "|", or the whole text.
std::wstring LongHint(std::wstring_view hint);

}  // namespace ui
