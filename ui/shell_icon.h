// Icons drawn for the size they are shown at: the shell's icon of a file, and
// icons of the program's resources or of the system.
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

// The icon `name` of `module` (nullptr: a system icon such as IDI_HAND) at
// `size` x `size` pixels, owned by the caller; a larger image is scaled down
// rather than a smaller one up. Empty when there is no such icon.
UniqueIcon IconAtSize(HMODULE module, const wchar_t* name, int size);

}  // namespace ui
