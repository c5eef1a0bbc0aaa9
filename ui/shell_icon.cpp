#include "ui/shell_icon.h"

#include <shellapi.h>
#include <shlobj.h>

namespace ui {

UniqueIcon LargeShellIcon(const std::string& path, int size) {
  if (path.empty() || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
  // Where the icon lives, taken out at the size asked for: the shell's own
  // icon is 32 x 32 whatever the DPI, and would be stretched.
  SHFILEINFOA where{};
  if (SHGetFileInfoA(path.c_str(), 0, &where, sizeof where, SHGFI_ICONLOCATION) != 0 &&
      where.szDisplayName[0] != '\0') {
    HICON large = nullptr;
    if (SHDefExtractIconA(where.szDisplayName, where.iIcon, 0, &large, nullptr,
                          MAKELONG(size, size)) == S_OK &&
        large != nullptr) {
      return UniqueIcon(large);
    }
  }
  // An icon the shell gives only by itself (a handler draws it): its own size.
  // A fresh record each time: an answer without an icon must not leave the
  // icon of an earlier call in it.
  SHFILEINFOA info{};
  if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON) == 0) return {};
  return UniqueIcon(info.hIcon);
}

}  // namespace ui
