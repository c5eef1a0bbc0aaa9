#include "ui/window.h"

#include <commctrl.h>

#include "ui/application.h"
#include "ui/handles.h"

namespace ui {
namespace {

// The property that ties a window handle to its object.
constexpr wchar_t kObjectProperty[] = L"ui.Window";

// A function of user32 that older Windows lacks (the per-monitor DPI calls
// came with Windows 10 1607): looked up once, nullptr where it is missing.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  FARPROC address = user32 != nullptr ? GetProcAddress(user32, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

int ScreenDpi() {
  const WindowDc screen(nullptr);
  const int value = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return value > 0 ? value : 96;
}

}  // namespace

bool LetMessageThrough(HWND hwnd, UINT message) {
  // Documented in 'ChangeWindowMessageFilterEx function' (learn.microsoft.com):
  // User Interface Privilege Isolation drops a message sent from a process
  // of lower integrity unless the window lets it through.
  using FilterExFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  using FilterFn = BOOL(WINAPI*)(UINT, DWORD);
  constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD for the older call
  static const auto filterEx = User32Function<FilterExFn>("ChangeWindowMessageFilterEx");
  static const auto filter = User32Function<FilterFn>("ChangeWindowMessageFilter");
  if (message == 0) return false;
  if (filterEx != nullptr) return filterEx(hwnd, message, kAllow, nullptr) != FALSE;
  if (filter != nullptr) return filter(message, kAllow) != FALSE;
  return true;
}

void ShowOnTaskbarWhileOwnerHidden(HWND hwnd) {
  // Documented in 'The Taskbar' (Managing Taskbar Buttons) and 'Extended
  // Window Styles' (learn.microsoft.com): an owned window has a button only
  // with WS_EX_APPWINDOW, a style to change while the window is hidden.
  HWND owner = GetWindow(hwnd, GW_OWNER);
  if (owner == nullptr) return;
  const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
  const LONG wanted =
      IsWindowVisible(owner) ? exStyle & ~WS_EX_APPWINDOW : exStyle | WS_EX_APPWINDOW;
  if (wanted != exStyle) SetWindowLongW(hwnd, GWL_EXSTYLE, wanted);
}

int Dpi(HWND hwnd) {
  if (hwnd == nullptr) return ScreenDpi();
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (const Window* form = Window::FromHandle(root != nullptr ? root : hwnd)) {
    if (form->LayoutDpi() > 0) return form->LayoutDpi();
  }
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(hwnd) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : ScreenDpi();
}

int Scale(HWND hwnd, int pixelsAt96Dpi) {
  return ScaleTo(Dpi(hwnd), pixelsAt96Dpi);
}

int ScaleTo(int dpi, int pixelsAt96Dpi) {
  return MulDiv(pixelsAt96Dpi, dpi, 96);
}

int SystemMetric(HWND hwnd, int index) {
  return SystemMetricAt(Dpi(hwnd), index);
}

int SystemMetricAt(int dpi, int index) {
  using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
  static const auto forDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  // Without the call the system is DPI-aware for the whole screen only, and
  // the plain metric is the window's.
  if (forDpi == nullptr) return GetSystemMetrics(index);
  return forDpi(index, static_cast<UINT>(dpi));
}

void AdjustFrame(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto forDpi = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  if (forDpi == nullptr || !forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
}

// The system's fonts and caption metrics at `dpi`. Built for Windows XP, the
// structure has no iPaddedBorderWidth, and this smaller size is the one every
// later Windows accepts as well.
NONCLIENTMETRICSW NonClientMetricsAt(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  // Documented in 'SystemParametersInfoForDpi function' (learn.microsoft.com,
  // Windows 10 1607): SPI_GETNONCLIENTMETRICS scaled for any DPI.
  using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
  static const auto forDpi = User32Function<ForDpiFn>("SystemParametersInfoForDpi");
  if (forDpi != nullptr &&
      forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
    return metrics;
  }
  // Before it, the system gives them at the screen's DPI.
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const int screenDpi = Dpi(nullptr);
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, screenDpi);
  metrics.lfCaptionFont.lfHeight = MulDiv(metrics.lfCaptionFont.lfHeight, dpi, screenDpi);
  metrics.iCaptionWidth = MulDiv(metrics.iCaptionWidth, dpi, screenDpi);
  return metrics;
}

HINSTANCE Instance() {
  return GetModuleHandleW(nullptr);
}

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: a longer path
  }
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

void Window::RegisterWindowClass(const wchar_t* className, UINT classStyle, HBRUSH background) {
  WNDCLASSEXW existing{sizeof existing};
  if (GetClassInfoExW(Instance(), className, &existing)) return;
  WNDCLASSEXW windowClass{sizeof windowClass};
  windowClass.style = classStyle;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = Instance();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  windowClass.hIcon = application::Icon();
  RegisterClassExW(&windowClass);
}

bool Window::CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                          int x, int y, int width, int height, HWND parent, HMENU menuOrId) {
  // WindowProc ties the handle to this object on WM_NCCREATE, so that even the
  // first messages reach HandleMessage.
  return CreateWindowExW(exStyle, className, text, style, x, y, width, height, parent, menuOrId,
                         Instance(), this) != nullptr;
}

bool Window::Subclass(HWND hwnd) {
  if (hwnd == nullptr) return false;
  Attach(hwnd);
  subclassed_ =
      SetWindowSubclass(hwnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
  if (!subclassed_) {
    Detach();
    DestroyWindow(hwnd);
  }
  return subclassed_;
}

void Window::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, kObjectProperty, this);
}

void Window::Detach() {
  if (subclassed_) {
    RemoveWindowSubclass(hwnd_, SubclassProc, 0);
    subclassed_ = false;
  }
  RemovePropW(hwnd_, kObjectProperty);
  hwnd_ = nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  if (subclassed_) return DefSubclassProc(hwnd_, message, wParam, lParam);
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Window::HandleCommand(UINT) {
  return false;
}

bool Window::HandleNotify(const NMHDR&, LRESULT&) {
  return false;
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && lParam != 0) {
    // From a control (a menu or an accelerator gives no window).
    Window* control = FromHandle(reinterpret_cast<HWND>(lParam));
    if (control != nullptr && control != this && control->HandleCommand(HIWORD(wParam))) return 0;
  } else if (message == WM_NOTIFY && lParam != 0) {
    const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
    Window* control = FromHandle(notice.hwndFrom);
    LRESULT result = 0;
    if (control != nullptr && control != this && control->HandleNotify(notice, result)) {
      return result;
    }
  }
  const LRESULT result = HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) Detach();
  return result;
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    if (auto* self = static_cast<Window*>(create->lpCreateParams)) self->Attach(hwnd);
  }
  Window* self = FromHandle(hwnd);
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self) {
  auto* window = reinterpret_cast<Window*>(self);
  if (window->hwnd_ != hwnd) return DefSubclassProc(hwnd, message, wParam, lParam);
  return window->Dispatch(message, wParam, lParam);
}

}  // namespace ui
