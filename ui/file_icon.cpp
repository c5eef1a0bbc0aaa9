#include "ui/file_icon.h"

#include <shellapi.h>

namespace ui {

UniqueIcon FileIcon(const std::string& path) {
  if (path.empty() || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    return UniqueIcon();
  // A fresh record each time, so that a path the shell cannot query never
  // gives the icon of the one before.
  SHFILEINFOA info{};
  if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON) == 0) return UniqueIcon();
  return UniqueIcon(info.hIcon);
}

}  // namespace ui
