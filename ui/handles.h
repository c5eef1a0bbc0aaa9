// One owner for every handle: each type below holds one handle of one kind
// and releases it the way that kind is released, once, when it goes out of
// scope or is reset. They move but do not copy.
//
//   UniqueIcon, UniqueFont, UniqueGdiObject<T>, UniqueMenu   user and GDI objects
//   SharedIcon                                               an icon several windows show
//   UniqueHandle (null when empty), UniqueFileHandle (INVALID_HANDLE_VALUE
//   when empty), UniqueFindHandle                            kernel objects
//   UniqueLocalMemory                                        memory a system call allocated
//   WindowDc, PaintDc, SelectedObject                        a DC and what is selected into it
//   ComPtr<T>, UniqueCoTaskMem<T>, ComApartment              COM
#pragma once

#include <windows.h>

#include <objbase.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace ui {

// The owner of one handle, released by Traits::Close. Traits names the
// handle type and its empty value.
template <typename Traits>
class UniqueOwner {
 public:
  using Handle = typename Traits::Handle;

  UniqueOwner() = default;
  explicit UniqueOwner(Handle handle) : handle_(handle) {}
  ~UniqueOwner() { reset(); }
  UniqueOwner(UniqueOwner&& other) noexcept : handle_(other.release()) {}
  UniqueOwner& operator=(UniqueOwner&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueOwner(const UniqueOwner&) = delete;
  UniqueOwner& operator=(const UniqueOwner&) = delete;

  Handle get() const { return handle_; }
  bool valid() const { return handle_ != Traits::Empty(); }
  explicit operator bool() const { return valid(); }

  // Releases the present handle and takes `handle`.
  void reset(Handle handle = Traits::Empty()) {
    if (valid()) Traits::Close(handle_);
    handle_ = handle;
  }
  // Gives the handle up without releasing it.
  Handle release() { return std::exchange(handle_, Traits::Empty()); }

 private:
  Handle handle_ = Traits::Empty();
};

struct IconTraits {
  using Handle = HICON;
  static HICON Empty() { return nullptr; }
  static void Close(HICON icon) { DestroyIcon(icon); }
};
struct MenuTraits {
  using Handle = HMENU;
  static HMENU Empty() { return nullptr; }
  // Destroys the submenus with it.
  static void Close(HMENU menu) { DestroyMenu(menu); }
};
template <typename GdiObject>
struct GdiTraits {
  using Handle = GdiObject;
  static GdiObject Empty() { return nullptr; }
  static void Close(GdiObject object) { DeleteObject(object); }
};
struct KernelTraits {
  using Handle = HANDLE;
  static HANDLE Empty() { return nullptr; }
  static void Close(HANDLE handle) { CloseHandle(handle); }
};
// CreateFile says "no file" with INVALID_HANDLE_VALUE rather than null.
struct FileTraits {
  using Handle = HANDLE;
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { CloseHandle(handle); }
};
struct FindTraits {
  using Handle = HANDLE;
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE search) { FindClose(search); }
};

// Memory that a system function allocated for its caller with LocalAlloc
// (FormatMessage with FORMAT_MESSAGE_ALLOCATE_BUFFER).
struct LocalMemoryTraits {
  using Handle = HLOCAL;
  static HLOCAL Empty() { return nullptr; }
  static void Close(HLOCAL memory) { LocalFree(memory); }
};

using UniqueIcon = UniqueOwner<IconTraits>;
using UniqueMenu = UniqueOwner<MenuTraits>;
// An icon that more than one window shows at a time (a slot's icon in the
// main window and in the settings dialog), destroyed when the last of its
// holders lets it go. Share turns a sole owner into the first holder.
using SharedIcon = std::shared_ptr<std::remove_pointer_t<HICON>>;
inline SharedIcon Share(UniqueIcon icon) {
  if (!icon) return nullptr;
  return SharedIcon(icon.release(), IconTraits::Close);
}

template <typename GdiObject>
using UniqueGdiObject = UniqueOwner<GdiTraits<GdiObject>>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueHandle = UniqueOwner<KernelTraits>;
using UniqueFileHandle = UniqueOwner<FileTraits>;
using UniqueFindHandle = UniqueOwner<FindTraits>;
using UniqueLocalMemory = UniqueOwner<LocalMemoryTraits>;

// The DC of a window's client area (of the screen when `hwnd` is nullptr),
// or of the whole window with its frame, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd, bool wholeWindow = false)
      : hwnd_(hwnd), dc_(wholeWindow ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// The DC of a WM_PAINT, from BeginPaint, ended with EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
  ~PaintDc() { EndPaint(hwnd_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a DC and selects the previous one back when it goes.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A COM interface pointer, released when it goes.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  void reset() {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }
  // For the out parameter of CoCreateInstance and QueryInterface; releases
  // what the pointer held before.
  void** ReceiveVoid() {
    reset();
    return reinterpret_cast<void**>(&pointer_);
  }

 private:
  Interface* pointer_ = nullptr;
};

// Memory from the COM task allocator (which the shell also uses for its item
// lists), freed with CoTaskMemFree.
template <typename T>
class UniqueCoTaskMem {
 public:
  UniqueCoTaskMem() = default;
  ~UniqueCoTaskMem() { CoTaskMemFree(pointer_); }
  UniqueCoTaskMem(const UniqueCoTaskMem&) = delete;
  UniqueCoTaskMem& operator=(const UniqueCoTaskMem&) = delete;

  T* get() const { return pointer_; }
  T** Receive() {
    CoTaskMemFree(std::exchange(pointer_, nullptr));
    return &pointer_;
  }

 private:
  T* pointer_ = nullptr;
};

// COM for the calling thread, as a single-threaded apartment, for as long as
// the object lives; uninitialised again only when the initialisation worked.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  HRESULT result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace ui
