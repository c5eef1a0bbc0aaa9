// The keys that move the focus along a row of like items that is one Tab
// stop (the slot icons, say): Left and Right move by one and stop at the
// ends, Home and End go to the ends.
#pragma once

namespace ui {

enum class RowKey { kLeft, kRight, kHome, kEnd };

// The item of a row of `count` that has the focus after `key` was pressed on
// item `current`.
int FocusAfterRowKey(int current, int count, RowKey key);

}  // namespace ui
