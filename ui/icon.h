// An icon handle with one owner, destroyed when the owner lets it go.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace ui {

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

}  // namespace ui
