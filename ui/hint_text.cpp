#include "ui/hint_text.h"

namespace ui {

std::wstring LongHint(std::wstring_view hint) {
  const auto bar = hint.find(L'|');
  return std::wstring(bar == std::wstring_view::npos ? hint : hint.substr(bar + 1));
}

}  // namespace ui
