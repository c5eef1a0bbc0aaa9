#include "ui/row_keys.h"

namespace ui {

int FocusAfterRowKey(int current, int count, RowKey key) {
  switch (key) {
    case RowKey::kLeft:
      return current > 0 ? current - 1 : 0;
    case RowKey::kRight:
      return current + 1 < count ? current + 1 : count - 1;
    case RowKey::kHome:
      return 0;
    case RowKey::kEnd:
      return count - 1;
  }
  return current;
}

}  // namespace ui
