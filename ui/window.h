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
  // Registers a window class of the toolkit (once) whose procedure is WindowProc.
  static void RegisterClass(const wchar_t* className, UINT classStyle, HBRUSH background);

  // Creates the window of a class registered by RegisterClass and ties it to this object.
  bool CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId);

  // Ties a window of a system class (a button, say) to this object, keeping its
  // own window procedure for everything HandleMessage does not take.
  void Subclass(HWND hwnd);

  // Everything the window receives. The default passes the message on.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND hwnd);
  void Detach();

  HWND hwnd_ = nullptr;
  WNDPROC baseProc_ = nullptr;  // the class's own procedure of a subclassed window
  std::wstring hint_;
};

}  // namespace ui
