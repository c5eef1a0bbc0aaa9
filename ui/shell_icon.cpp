#include "ui/shell_icon.h"

#include <shellapi.h>

namespace ui {

UniqueIcon LargeShellIcon(const std::string& path) {
  if (path.empty() || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
  // A fresh record each time: an answer without an icon must not leave the
  // icon of an earlier call in it.
  SHFILEINFOA info{};
  if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON) == 0) return {};
  return UniqueIcon(info.hIcon);
}

}  // namespace ui
