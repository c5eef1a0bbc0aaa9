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

UniqueIcon IconAtSize(HMODULE module, const wchar_t* name, int size) {
  // Documented in 'LoadIconWithScaleDown function' (learn.microsoft.com): an
  // exact size first, else the next larger image scaled down, where LoadImage
  // scales the next smaller one up. Comctl32 has it from Vista on.
  using LoadIconWithScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
  HMODULE comctl32 = GetModuleHandleW(L"comctl32.dll");
  const auto scaleDown = reinterpret_cast<LoadIconWithScaleDownFn>(reinterpret_cast<void (*)()>(
      comctl32 != nullptr ? GetProcAddress(comctl32, "LoadIconWithScaleDown") : nullptr));
  HICON icon = nullptr;
  if (scaleDown != nullptr && SUCCEEDED(scaleDown(module, name, size, size, &icon))) {
    return UniqueIcon(icon);
  }
  // Not LR_SHARED: a shared icon keeps the first size ever asked for.
  return UniqueIcon(static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, size, size, 0)));
}

}  // namespace ui
