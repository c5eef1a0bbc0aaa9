// The base of every window and control of the toolkit: one object per HWND,
// found again from the handle, with the hint the hint line shows for it.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Lengths in the program are given at 96 DPI. The program is aware of each
// monitor's DPI: a length is scaled by the DPI of the window it belongs to.
//
// The DPI of `hwnd`'s top-level window: the one a form of the toolkit has
// laid itself out for, else the system's answer for the window
// (GetDpiForWindow, from Windows 10 1607 on), else the screen's. nullptr
// gives the screen's.
int Dpi(HWND hwnd);
int Scale(HWND hwnd, int pixelsAt96Dpi);
// The same at a given DPI.
int ScaleTo(int dpi, int pixelsAt96Dpi);
// A system metric (SM_CXSMICON, say) at the DPI of `hwnd`, or at `dpi`.
int SystemMetric(HWND hwnd, int index);
int SystemMetricAt(int dpi, int index);
// Widens a client rectangle to the window rectangle at `dpi`.
void AdjustFrame(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// The system's fonts and caption metrics (SPI_GETNONCLIENTMETRICS) at `dpi`.
NONCLIENTMETRICSW NonClientMetricsAt(int dpi);

// The process's instance handle.
HINSTANCE Instance();
// The full path of the program's executable.
std::wstring ProgramPath();

// Lets `message` reach `hwnd` from processes of lower integrity than this one
// (this program run as administrator, the sender not): ChangeWindowMessageFilterEx
// from Windows 7 on, the process-wide ChangeWindowMessageFilter on Vista,
// nothing before, where no such filter exists. False when the system refused.
bool LetMessageThrough(HWND hwnd, UINT message);

// A window about to show gets a button on the taskbar of its own when its
// owner is hidden (the program lives in the task tray), or loses it when the
// owner shows; an unowned window always has one. Call while `hwnd` is
// hidden: the taskbar reads the style when the window is shown.
void ShowOnTaskbarWhileOwnerHidden(HWND hwnd);

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  // The window this object stands for; owned by the object, which destroys
  // it when it goes.
  HWND hwnd() const { return hwnd_; }

  // The object behind one of the toolkit's windows, or nullptr.
  static Window* FromHandle(HWND hwnd);

  // The hint, "short|long"; the hint line shows the long part.
  const std::wstring& hint() const { return hint_; }
  void SetHint(std::wstring hint) { hint_ = std::move(hint); }

  std::wstring Text() const;
  void SetText(const std::wstring& text);

  void SetVisible(bool visible);
  bool IsVisible() const;
  void SetEnabled(bool enabled);
  // The window's rectangle in screen coordinates.
  RECT ScreenRect() const;
  // The DPI a form has laid itself out for; 0 for everything else.
  virtual int LayoutDpi() const { return 0; }

 protected:
  // Registers a window class of the toolkit (once) whose procedure is
  // WindowProc. Its icon is the one the program gave (application::SetIcon).
  static void RegisterWindowClass(const wchar_t* className, UINT classStyle, HBRUSH background);

  // Creates the window of a class registered by RegisterWindowClass and ties
  // it to this object. False when the system made no window.
  bool CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId);

  // Ties a window of a system class (a button, say) to this object, keeping its
  // own window procedure for everything HandleMessage does not take. False
  // when `hwnd` is nullptr (its creation failed) or it cannot be subclassed.
  bool Subclass(HWND hwnd);

  // Everything the window receives. The default passes the message on.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  // A WM_COMMAND or WM_NOTIFY that this control sent its parent, handed back to
  // the control itself, whichever window of the toolkit its parent is (a form,
  // a panel, a group box). True when the control took it; the parent then
  // answers `result` (WM_NOTIFY) or 0 (WM_COMMAND).
  virtual bool HandleCommand(UINT notifyCode);
  virtual bool HandleNotify(const NMHDR& notice, LRESULT& result);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  // Hands a message to the object: a control's own command or notice goes to
  // that control first, everything else to HandleMessage.
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND hwnd);
  void Detach();

  HWND hwnd_ = nullptr;      // owned: destroyed with the object
  bool subclassed_ = false;  // a system-class window, passed on through DefSubclassProc
  std::wstring hint_;
};

}  // namespace ui
