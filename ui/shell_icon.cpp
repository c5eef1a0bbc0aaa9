#include "ui/shell_icon.h"

#include <commctrl.h>
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

namespace {

// LoadIconWithScaleDown of comctl32 version 6 (Windows Vista), or null.
// Looked up in the comctl32 the program is bound to (version 6, by its
// manifest), found by the address of one of its functions: by name alone,
// a process that has loaded both versions may be given the older one.
using LoadIconWithScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
LoadIconWithScaleDownFn FindLoadIconWithScaleDown() {
  HMODULE comctl32 = nullptr;
  if (!GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(reinterpret_cast<void*>(&InitCommonControlsEx)), &comctl32)) {
    return nullptr;
  }
  return reinterpret_cast<LoadIconWithScaleDownFn>(
      reinterpret_cast<void*>(GetProcAddress(comctl32, "LoadIconWithScaleDown")));
}

}  // namespace

UniqueIcon IconAtSize(HMODULE module, const wchar_t* name, int size) {
  // Documented in 'LoadIconWithScaleDown function' (learn.microsoft.com): an
  // exact size first, else the next larger image scaled down, where LoadImage
  // scales the next smaller one up.
  static const LoadIconWithScaleDownFn scaleDown = FindLoadIconWithScaleDown();
  HICON icon = nullptr;
  if (scaleDown != nullptr && SUCCEEDED(scaleDown(module, name, size, size, &icon))) {
    return UniqueIcon(icon);
  }
  // Not LR_SHARED: a shared icon keeps the first size ever asked for.
  return UniqueIcon(static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, size, size, 0)));
}

}  // namespace ui
