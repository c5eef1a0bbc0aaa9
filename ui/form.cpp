#include "ui/form.h"

#include <windowsx.h>

#include "ui/application.h"
#include "ui/hint_text.h"
#include "ui/screen.h"

// Per-monitor DPI messages of Windows 8.1 and 10, missing from older headers.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace ui {

Form::~Form() {
  // The handlers may reach into the derived form, which is gone by now.
  onShow = onClose = onDestroy = onEscape = onDpiChanged = nullptr;
  // A window that goes with its object ends nothing: closing ends the program.
  endsProgram = false;
  // The window goes before the fonts its controls still use.
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

bool Form::CreateForm(const FormDef& def, HWND owner, POINT topLeft) {
  RegisterWindowClass(def.className, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  def_ = def;
  fontName_ = def.fontName;
  owner_ = owner;
  // Made where it stays, so that it is born at the DPI of that monitor rather
  // than moved there hidden ("High DPI Desktop Application Development on
  // Windows", learn.microsoft.com: a window takes the DPI of the monitor it is
  // created on). Its size is first that at the screen's DPI.
  const int screenDpi = Dpi(nullptr);
  RECT frame = FrameAt(topLeft, screenDpi);
  if (!CreateHandle(def.exStyle, def.className, def.caption, def.style, frame.left, frame.top,
                    frame.right - frame.left, frame.bottom - frame.top, owner, nullptr)) {
    return false;
  }
  const int dpi = Dpi(hwnd());
  if (dpi != screenDpi) frame = FrameAt(topLeft, dpi);
  LayOut(dpi, frame);
  return true;
}

bool Form::CreateControls(std::span<const ControlDef> table) {
  for (const ControlDef& row : table) {
    HWND parent = row.parent != nullptr ? row.parent->hwnd() : hwnd();
    HFONT font = row.fontHeight != 0     ? Font(row.fontHeight, row.bold)
                 : row.parent != nullptr ? row.parent->font()
                                         : font_;
    if (!row.control->Create(parent, row, font)) return false;
    controls_.push_back(row);
  }
  return true;
}

SIZE Form::FrameSize(int dpi) const {
  const int border = ScaleTo(dpi, def_.borderWidth);
  RECT frame{0, 0, ScaleTo(dpi, def_.clientWidth) + 2 * border,
             ScaleTo(dpi, def_.clientHeight) + 2 * border};
  AdjustFrame(frame, def_.style, def_.exStyle, dpi);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

RECT Form::FrameAt(POINT topLeft, int dpi) const {
  const SIZE size = FrameSize(dpi);
  const POINT place = KeepOnScreen(topLeft, size);
  return RECT{place.x, place.y, place.x + size.cx, place.y + size.cy};
}

void Form::LayOut(int dpi, const RECT& frame) {
  // The controls keep the old fonts until they are given the new ones.
  const auto oldFonts = std::move(fonts_);
  fonts_.clear();
  dpi_ = dpi;
  font_ = Font(def_.fontHeight);
  borderWidth_ = ScaleTo(dpi, def_.borderWidth);
  SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  // Parents come before their children, so a child can take its parent's new font.
  for (const ControlDef& row : controls_) {
    HFONT font = row.fontHeight != 0     ? Font(row.fontHeight, row.bold)
                 : row.parent != nullptr ? row.parent->font()
                                         : font_;
    SendMessageW(row.control->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    row.control->Place(ScaledBounds(dpi, row));
  }
  if (onDpiChanged) onDpiChanged();
  // SWP_FRAMECHANGED: the inner border, part of the frame, has a new width too.
  SetWindowPos(hwnd(), nullptr, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::SetTabOrder(std::initializer_list<const Window*> controls) {
  // Tab follows the order of the child windows; each goes behind the one before.
  HWND previous = HWND_TOP;
  for (const Window* control : controls) {
    SetWindowPos(control->hwnd(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control->hwnd();
  }
}

HFONT Form::Font(int heightAt96Dpi, bool bold) {
  UniqueFont& font = fonts_[{heightAt96Dpi, bold}];
  if (!font) {
    LOGFONTW face{};
    face.lfHeight = -ScaleTo(dpi_, heightAt96Dpi);
    face.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    face.lfCharSet = SHIFTJIS_CHARSET;
    face.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(face.lfFaceName, fontName_.c_str(), LF_FACESIZE);
    // Without its own font a control draws in the system font: still legible.
    font.reset(CreateFontIndirectW(&face));
  }
  return font.get();
}

void Form::Show() {
  ShowWindow(hwnd(), SW_SHOW);
  // Documented in "WM_CHANGEUISTATE message" (learn.microsoft.com):
  // UIS_INITIALIZE sets the focus rectangles and access-key underlines from
  // the last input, as the system's dialogs do; opened from the keyboard the
  // form shows both even where they hide until Alt is pressed.
  SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
}

void Form::Hide() {
  ShowWindow(hwnd(), SW_HIDE);
}

void Form::Close() {
  SendMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void Form::MoveTo(POINT topLeft) {
  const RECT rect = ScreenRect();
  const POINT place = KeepOnScreen(topLeft, SIZE{rect.right - rect.left, rect.bottom - rect.top});
  SetWindowPos(hwnd(), nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ShowModal() {
  modal_ = true;
  modalResult_ = 0;
  if (owner_ != nullptr) EnableWindow(owner_, FALSE);
  // Opened from the tray, the form is the program's only window the user can
  // find again on the taskbar.
  ShowOnTaskbarWhileOwnerHidden(hwnd());
  Show();
  SetForegroundWindow(hwnd());
  MSG message;
  int exitCode = 0;
  while (modalResult_ == 0) {
    if (!application::NextMessage(message, exitCode)) {
      PostQuitMessage(exitCode);  // leave the outer loop too
      if (modalResult_ == 0) modalResult_ = IDCANCEL;
      break;
    }
    if (pageControl != nullptr && pageControl->TurnPageOnKey(message)) continue;
    application::ProcessMessage(message, hwnd());
  }
  // The owner is enabled before this window goes, so that the system gives it
  // the activation back rather than to another program's window.
  if (owner_ != nullptr) EnableWindow(owner_, TRUE);
  Hide();
  modal_ = false;
  application::CheckPointer();
  return modalResult_;
}

void Form::SetActiveControl(const Window& control) {
  focus_ = control.hwnd();
  if (GetActiveWindow() == hwnd()) SetFocus(focus_);
}

void Form::EndModal(int result) {
  modalResult_ = result;
  // The loop looks at the result only when GetMessageW returns, and a sent
  // message (a click relayed by another window, say) does not return it.
  PostMessageW(hwnd(), WM_NULL, 0, 0);
}

POINT Form::KeyboardMenuPoint() const {
  // Under the control with the focus, or at the client area's corner.
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(hwnd(), focus)) {
    RECT rect;
    GetWindowRect(focus, &rect);
    return POINT{rect.left, rect.bottom};
  }
  POINT corner{0, 0};
  ClientToScreen(hwnd(), &corner);
  return corner;
}

void Form::RepaintInNewColors() {
  // Only top-level windows are told; the controls that draw pictures of
  // their own make them again in the new colours.
  for (const ControlDef& row : controls_) {
    SendMessageW(row.control->hwnd(), WM_SYSCOLORCHANGE, 0, 0);
  }
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool Form::InClientArea(POINT screenPoint) const {
  RECT client;
  GetClientRect(hwnd(), &client);
  ScreenToClient(hwnd(), &screenPoint);
  return PtInRect(&client, screenPoint) != FALSE;
}

void Form::PaintInnerBorder() {
  if (borderWidth_ == 0) return;
  RECT window, client;
  GetWindowRect(hwnd(), &window);
  GetClientRect(hwnd(), &client);
  MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  RECT band = client;
  InflateRect(&band, borderWidth_, borderWidth_);
  const WindowDc dc(hwnd(), /*wholeWindow=*/true);
  if (dc.get() == nullptr) return;
  ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  FillRect(dc.get(), &band, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

bool Form::HandleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_NCCALCSIZE:
      if (borderWidth_ == 0) return false;
      // Both forms of the message start with the rectangle that becomes the client area.
      result = DefaultHandling(message, wParam, lParam);
      InflateRect(reinterpret_cast<RECT*>(lParam), -borderWidth_, -borderWidth_);
      return true;
    case WM_NCPAINT:
    case WM_NCACTIVATE:
      result = DefaultHandling(message, wParam, lParam);
      PaintInnerBorder();
      return true;
    case WM_GETDPISCALEDSIZE:
      // The size the form asks for at the new DPI, rather than its old size scaled.
      *reinterpret_cast<SIZE*>(lParam) = FrameSize(static_cast<int>(wParam));
      result = TRUE;
      return true;
    case WM_DPICHANGED:
      // Moved to a monitor of another DPI: laid out anew, at the place the system suggests.
      LayOut(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      result = 0;
      return true;
  }
  return false;
}

bool Form::RestoreFocus(WPARAM activation) {
  if (LOWORD(activation) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd(), focus)) focus_ = focus;
    return false;
  }
  if (focus_ == nullptr || !IsWindow(focus_)) return false;
  // Left to DefWindowProc, the focus would go to the form itself.
  SetFocus(focus_);
  return true;
}

void Form::ClosingByCloseBox() {
  if (modal_) {
    EndModal(IDCANCEL);
    return;
  }
  if (onClose) onClose();
  DestroyWindow(hwnd());
}

bool Form::OpenPopupMenu(LPARAM lParam) {
  if (popupMenu == nullptr) return false;
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  // Documented in "WM_CONTEXTMENU message" (learn.microsoft.com): x and y of
  // -1 mean Shift+F10 or the menu key; the menu then opens at the focused
  // control, not at the pointer.
  if (at.x == -1 && at.y == -1) {
    at = KeyboardMenuPoint();
  } else if (!InClientArea(at)) {
    return false;  // the title bar keeps the system menu, as on every window
  }
  popupMenu->Popup(hwnd(), at);
  return true;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result = 0; HandleFrameMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ACTIVATE:
      if (RestoreFocus(wParam)) return 0;
      break;
    case WM_SHOWWINDOW:
      // Sent before the window becomes visible, so onShow may still move it.
      if (wParam != FALSE && onShow) onShow();
      break;
    case WM_CLOSE:
      ClosingByCloseBox();
      return 0;
    case WM_DESTROY:
      if (onDestroy) onDestroy();
      if (endsProgram) PostQuitMessage(0);
      break;
    case WM_COMMAND:
      // A control's own commands have reached the control already (Window).
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        if (onEscape) onEscape();
        return 0;
      }
      break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // A high-contrast theme turned on or off, or other colours chosen.
      RepaintInNewColors();
      break;
    case WM_CONTEXTMENU:
      if (OpenPopupMenu(lParam)) return 0;
      break;
    case WM_MENUSELECT:
      if (popupMenu != nullptr) {
        if (const auto hint = popupMenu->HintFor(wParam, lParam)) {
          application::ShowItemHint(LongHint(*hint));
        }
      }
      break;
    // The loops of menus and of modal boxes dispatch the pointer's notices
    // past the program's pump: when a menu ends, and whenever a box's loop
    // waits, the pointer is looked at instead.
    case WM_EXITMENULOOP:
      application::CheckPointer();
      break;
    case WM_ENTERIDLE:
      if (wParam == MSGF_DIALOGBOX) application::CheckPointer();
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace ui
