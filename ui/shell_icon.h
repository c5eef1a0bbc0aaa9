// The icon the shell shows for a file.
#pragma once

#include <windows.h>

#include <string>

#include "ui/handles.h"

namespace ui {

// The shell's large icon of the file at `path` (in the ANSI code page), drawn
// for `size` x `size` pixels (32 at 96 DPI), owned by the caller; empty when
// the file is not there or the shell has no icon for it (some shells would
// give a generic one for a missing file; this gives none).
UniqueIcon LargeShellIcon(const std::string& path, int size);

}  // namespace ui
