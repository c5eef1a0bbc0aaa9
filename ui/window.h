// The base of every window and control of the toolkit: one object per HWND,
// found again from the handle, with the hint the hint line shows for it.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Lengths in the program are given at 96 DPI; the program is system-DPI
// aware, so they are scaled to the screen's DPI when windows are made.
int Scale(int pixelsAt96Dpi);

// The process's instance handle.
HINSTANCE Instance();

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

  HWND hwnd_ = nullptr;
  bool subclassed_ = false;  // a system-class window, passed on through DefSubclassProc
  std::wstring hint_;
};

}  // namespace ui
