// The icon the shell shows for a file.
#pragma once

#include <string>

#include "ui/handles.h"

namespace ui {

// The shell's large icon of the file at `path` (ANSI code page); none when
// the path is empty, names no existing file (some shells would still give
// the generic icon) or the shell gives no icon.
UniqueIcon FileIcon(const std::string& path);

}  // namespace ui
