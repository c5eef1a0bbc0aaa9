// A top-level window with its controls: the main window and every dialog.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/handles.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/window.h"

namespace ui {

struct FormDef {
  const wchar_t* className;
  const wchar_t* caption;
  int clientWidth, clientHeight;  // at 96 DPI
  DWORD style;
  DWORD exStyle;
  int borderWidth;  // an extra margin inside the frame, outside the client area
  const wchar_t* fontName;
  int fontHeight;  // pixels at 96 DPI
};

// The frame of a window that cannot be resized and has only a close box.
constexpr DWORD kFixedSingleStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// A form lays itself out at the DPI of the monitor it stands on, and again at
// the new DPI when it is moved to a monitor of another (WM_DPICHANGED).
class Form : public Window {
 public:
  ~Form() override;

  // Creates the (hidden) window with its top-left corner at `topLeft`, or as
  // near as keeps it inside the work area of its monitor; `owner` may be nullptr.
  bool CreateForm(const FormDef& def, HWND owner, POINT topLeft);
  // Creates the controls of a table, parents before children. False when one
  // of them could not be made; the rows after it are not made either.
  bool CreateControls(std::span<const ControlDef> table);
  // The order in which Tab moves the focus through the form's own controls
  // (those not inside another control).
  void SetTabOrder(std::initializer_list<const Window*> controls);

  // A font of the form's face at another height, owned by the form.
  HFONT Font(int heightAt96Dpi, bool bold = false);
  HFONT font() const { return font_; }
  int LayoutDpi() const override { return dpi_; }

  void Show();
  void Hide();
  // Asks the form to close, as the close box does.
  void Close();
  // Places the window's top-left corner, kept inside the work area of its
  // monitor; the size stays.
  void MoveTo(POINT topLeft);

  // Shows the form modally to its owner until EndModal; returns the result.
  int ShowModal();
  // The control that has the keyboard focus when the form is next activated.
  // Afterwards the form itself keeps track: coming back from a message box,
  // the focus returns to the control that had it.
  void SetActiveControl(const Window& control);
  void EndModal(int result);

  std::function<void()> onShow;     // before the window becomes visible
  std::function<void()> onClose;    // the window is closing
  std::function<void()> onDestroy;  // the window is going away
  std::function<void()> onEscape;   // Escape pressed (modal forms)
  // The form and its table's controls have been laid out at a new DPI; what
  // the form made itself from 96-DPI values is made again here.
  std::function<void()> onDpiChanged;

  // Opened by a right click anywhere on the form, or by Shift+F10 and the
  // menu key at the control with the focus.
  PopupMenu* popupMenu = nullptr;
  // Turned by Ctrl+Tab and Ctrl+PageDown (and back with Shift, or
  // Ctrl+PageUp) from anywhere in a modal form.
  PageControl* pageControl = nullptr;
  // The program ends when this form's window is destroyed.
  bool endsProgram = false;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PaintInnerBorder();
  // Where Shift+F10 or the menu key opens the pop-up menu (screen coordinates).
  POINT KeyboardMenuPoint() const;
  void RepaintInNewColors();
  bool InClientArea(POINT screenPoint) const;
  // The window's size around the client area at `dpi`.
  SIZE FrameSize(int dpi) const;
  // The window's rectangle at `dpi` with its corner at `topLeft`, on screen.
  RECT FrameAt(POINT topLeft, int dpi) const;
  // The messages of the frame and the inner border; false for the others.
  bool HandleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The focus given back on activation; false when the default is to run.
  bool RestoreFocus(WPARAM activation);
  void ClosingByCloseBox();
  bool OpenPopupMenu(LPARAM lParam);
  // Fonts, the inner border and every control of the tables at `dpi`; the
  // window then takes `frame` (screen coordinates).
  void LayOut(int dpi, const RECT& frame);

  FormDef def_{};
  int dpi_ = 0;                       // 0 until the window exists
  std::vector<ControlDef> controls_;  // every table's rows, to be laid out again
  int borderWidth_ = 0;
  HFONT font_ = nullptr;  // one of fonts_
  std::wstring fontName_;
  // Every font the form and its controls use, by height and weight.
  std::map<std::pair<int, bool>, UniqueFont> fonts_;
  HWND owner_ = nullptr;  // not owned: the window this one stands in front of
  HWND focus_ = nullptr;  // the control to focus on activation; not owned
  bool modal_ = false;
  int modalResult_ = 0;
};

}  // namespace ui
