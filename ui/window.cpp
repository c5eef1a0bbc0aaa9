#include "ui/window.h"

namespace ui {
namespace {

// The property that ties a window handle to its object.
constexpr wchar_t kObjectProperty[] = L"Quorvane.Window";

}  // namespace

int Scale(int pixelsAt96Dpi) {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int value = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return MulDiv(pixelsAt96Dpi, dpi, 96);
}

HINSTANCE Instance() {
  return GetModuleHandleW(nullptr);
}

Window::~Window() {
  if (hwnd_ != nullptr) {
    HWND hwnd = hwnd_;
    Detach();
    DestroyWindow(hwnd);
  }
}

Window* Window::FromHandle(HWND hwnd) {
  return hwnd != nullptr ? static_cast<Window*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

std::wstring Window::Text() const {
  std::wstring text(GetWindowTextLengthW(hwnd_), L'\0');
  if (!text.empty()) {
    text.resize(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()) + 1));
  }
  return text;
}

void Window::SetText(const std::wstring& text) {
  SetWindowTextW(hwnd_, text.c_str());
}

void Window::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Window::IsVisible() const {
  return IsWindowVisible(hwnd_) != FALSE;
}

void Window::SetEnabled(bool enabled) {
  EnableWindow(hwnd_, enabled);
}

RECT Window::ScreenRect() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  return rect;
}

void Window::RegisterClass(const wchar_t* className, UINT classStyle, HBRUSH background) {
  WNDCLASSEXW existing{sizeof existing};
  if (GetClassInfoExW(Instance(), className, &existing)) return;
  WNDCLASSEXW windowClass{sizeof windowClass};
  windowClass.style = classStyle;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = Instance();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  windowClass.hIcon = LoadIconW(Instance(), MAKEINTRESOURCEW(1));
  RegisterClassExW(&windowClass);
}

bool Window::CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                          int x, int y, int width, int height, HWND parent, HMENU menuOrId) {
  // WindowProc ties the handle to this object on WM_NCCREATE, so that even the
  // first messages reach HandleMessage.
  return CreateWindowExW(exStyle, className, text, style, x, y, width, height, parent, menuOrId,
                         Instance(), this) != nullptr;
}

void Window::Subclass(HWND hwnd) {
  Attach(hwnd);
  baseProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
}

void Window::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, kObjectProperty, this);
}

void Window::Detach() {
  if (baseProc_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc_));
    baseProc_ = nullptr;
  }
  RemovePropW(hwnd_, kObjectProperty);
  hwnd_ = nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  if (baseProc_ != nullptr) return CallWindowProcW(baseProc_, hwnd_, message, wParam, lParam);
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    if (auto* self = static_cast<Window*>(create->lpCreateParams)) self->Attach(hwnd);
  }
  Window* self = FromHandle(hwnd);
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const LRESULT result = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) self->Detach();
  return result;
}

}  // namespace ui
