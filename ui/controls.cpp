#include "ui/controls.h"

#include "ui/accessible_description.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/hint_text.h"

namespace ui {
namespace {

HBRUSH FaceBrush() {
  return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

// Child windows clip their siblings and children so that overlapping controls
// (the icons lie on the white strip) do not paint over each other.
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

}  // namespace

RECT ScaledBounds(int dpi, const ControlDef& def) {
  return RECT{ScaleTo(dpi, def.left), ScaleTo(dpi, def.top), ScaleTo(dpi, def.left + def.width),
              ScaleTo(dpi, def.top + def.height)};
}

bool HighContrast() {
  HIGHCONTRASTW contrast{sizeof contrast};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF ThemedColor(COLORREF color, int highContrastIndex) {
  // Documented in "SystemParametersInfoW function" and "HIGHCONTRASTW
  // structure" (learn.microsoft.com): under a high-contrast theme a program
  // draws in the system colours the user chose, not in colours of its own.
  if (color == CLR_INVALID || !HighContrast()) return color;
  return GetSysColor(highContrastIndex);
}

bool Control::Create(HWND parent, const ControlDef& def, HFONT font) {
  font_ = font;
  const RECT bounds = ScaledBounds(Dpi(parent), def);
  if (!CreateWindowFor(parent, def, bounds)) return false;
  SetHint(def.hint != nullptr ? def.hint : L"");
  SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (def.caption != nullptr && *def.caption != L'\0') SetText(def.caption);
  return true;
}

void Control::Place(const RECT& bounds) {
  SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      break;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_LBUTTONDBLCLK:
      if (onDblClick) {
        onDblClick();
        return 0;
      }
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

void Control::FillBackground(HDC dc, const RECT& rect, COLORREF color) const {
  if (color == CLR_INVALID) {
    FillRect(dc, &rect, FaceBrush());
  } else {
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  }
}

// --- Panel -------------------------------------------------------------------

bool Panel::CreateWindowFor(HWND parent, const ControlDef&, const RECT& r) {
  RegisterWindowClass(kPanelClass, 0, FaceBrush());
  return CreateHandle(WS_EX_CONTROLPARENT, kPanelClass, L"", kChildStyle, r.left, r.top,
                      r.right - r.left, r.bottom - r.top, parent, nullptr);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    const PaintDc paint(hwnd());
    HDC dc = paint.get();
    RECT rect;
    GetClientRect(hwnd(), &rect);
    DrawEdge(dc, &rect, BDR_SUNKENINNER, BF_RECT);
    return 0;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

// --- Label -------------------------------------------------------------------

bool Label::CreateWindowFor(HWND parent, const ControlDef&, const RECT& r) {
  // Drawn by the label itself. SS_NOTIFY: the label is hit by the pointer,
  // so that its own hint shows, rather than being transparent to it.
  constexpr DWORD kStyle = kChildStyle | SS_LEFT | SS_NOPREFIX | SS_NOTIFY;
  HWND label = CreateWindowExW(0, kLabelClass, L"", kStyle, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent, nullptr, Instance(), nullptr);
  return Subclass(label);
}

void Label::Place(const RECT& bounds) {
  Control::Place(bounds);
  FitToText();
}

void Label::SetColor(COLORREF color, int highContrastIndex) {
  color_ = color;
  highContrastIndex_ = highContrastIndex;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Label::SetTextColor(COLORREF color) {
  textColor_ = color;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Label::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  FitToText();
}

void Label::FitToText() {
  if (!autoSize_ || hwnd() == nullptr) return;
  const std::wstring text = Text();
  RECT needed{0, 0, 0, 0};
  {
    const WindowDc dc(hwnd());
    const SelectedObject font(dc.get(), font_);
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | DT_LEFT);
  }
  SetWindowPos(hwnd(), nullptr, 0, 0, needed.right, needed.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole label
    case WM_PAINT: {
      const PaintDc paint(hwnd());
      HDC dc = paint.get();
      RECT rect;
      GetClientRect(hwnd(), &rect);
      FillBackground(dc, rect, ThemedColor(color_, highContrastIndex_));
      const std::wstring text = Text();
      const SelectedObject font(dc, font_);
      SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, textColor_ != CLR_INVALID ? textColor_ : GetSysColor(COLOR_BTNTEXT));
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_NOPREFIX | DT_LEFT);
      return 0;
    }
    case WM_SETTEXT: {
      const LRESULT result = Control::HandleMessage(message, wParam, lParam);
      FitToText();
      InvalidateRect(hwnd(), nullptr, TRUE);
      return result;
    }
  }
  return Control::HandleMessage(message, wParam, lParam);
}

// --- GroupBox ----------------------------------------------------------------

bool GroupBox::CreateWindowFor(HWND parent, const ControlDef&, const RECT& r) {
  RegisterWindowClass(kGroupBoxClass, CS_DBLCLKS, FaceBrush());
  return CreateHandle(WS_EX_CONTROLPARENT, kGroupBoxClass, L"", kChildStyle, r.left, r.top,
                      r.right - r.left, r.bottom - r.top, parent, nullptr);
}

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    const PaintDc paint(hwnd());
    HDC dc = paint.get();
    RECT rect;
    GetClientRect(hwnd(), &rect);
    const SelectedObject font(dc, font_);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    // The frame runs through the middle of the caption's line.
    RECT frame = rect;
    frame.top = metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = Text();
    if (!caption.empty()) {
      RECT text{Scale(hwnd(), 8), 0, rect.right - Scale(hwnd(), 8), metrics.tmHeight};
      DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      SetBkMode(dc, OPAQUE);
      DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_NOPREFIX | DT_SINGLELINE);
    }
    return 0;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

// --- Image -------------------------------------------------------------------

bool Image::CreateWindowFor(HWND parent, const ControlDef&, const RECT& r) {
  RegisterWindowClass(kImageClass, CS_DBLCLKS, nullptr);
  return CreateHandle(0, kImageClass, L"", kChildStyle, r.left, r.top, r.right - r.left,
                      r.bottom - r.top, parent, nullptr);
}

void Image::SetIcon(HICON icon) {
  icon_ = icon;  // the previous icon is let go, not destroyed
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Image::SetColor(COLORREF color, int highContrastIndex) {
  color_ = color;
  highContrastIndex_ = highContrastIndex;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Image::SetTabStop(bool tabStop) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
  SetWindowLongPtrW(hwnd(), GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

void Image::SetDescription(const std::wstring& description) {
  SetAccessibleDescription(hwnd(), description);
  described_ = true;
}

void Image::KeyDown(UINT virtualKey, LPARAM flags) {
  if (onKey && onKey(virtualKey)) return;
  // A held key repeats; a start is asked for once.
  const bool repeated = (flags & (1 << 30)) != 0;
  if ((virtualKey == VK_RETURN || virtualKey == VK_SPACE) && !repeated && onDblClick) {
    onDblClick();
  }
}

void Image::PaintFocus(HDC dc, const RECT& rect) {
  if (GetFocus() != hwnd()) return;
  // Documented in "WM_QUERYUISTATE message" (learn.microsoft.com): the focus
  // rectangle is hidden until the keyboard is used, where the user wants so.
  if ((SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0) return;
  // DrawFocusRect inverts: drawn on a fresh background, once.
  ::SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, ThemedColor(color_ != CLR_INVALID ? color_ : GetSysColor(COLOR_BTNFACE),
                             highContrastIndex_));
  DrawFocusRect(dc, &rect);
}

LRESULT Image::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case STM_GETICON:  // as a static icon control answers, for tools that read windows
      return reinterpret_cast<LRESULT>(icon_);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const PaintDc paint(hwnd());
      HDC dc = paint.get();
      RECT rect;
      GetClientRect(hwnd(), &rect);
      FillBackground(dc, rect, ThemedColor(color_, highContrastIndex_));
      // At the icon's own size: whoever loads it asks for the size the DPI needs,
      // which looks better than a smaller icon stretched.
      if (icon_ != nullptr) DrawIconEx(dc, 0, 0, icon_, 0, 0, 0, nullptr, DI_NORMAL);
      PaintFocus(dc, rect);
      return 0;
    }
    case WM_GETDLGCODE: {
      if (!onKey) break;
      // Documented in "WM_GETDLGCODE message" (learn.microsoft.com): lParam
      // is the message the dialog manager is about to handle, or NULL.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const bool enter = key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
      return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
      if (!onKey) break;
      KeyDown(static_cast<UINT>(wParam), lParam);
      return 0;
    case WM_SETFOCUS:
      application::ShowFocusHint(LongHint(hint()));
      InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    case WM_DESTROY:
      if (described_) ClearAccessibleDescription(hwnd());
      break;
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      InvalidateRect(hwnd(), nullptr, FALSE);
      break;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

// --- Button ------------------------------------------------------------------

bool Button::CreateWindowFor(HWND parent, const ControlDef& def, const RECT& r) {
  const DWORD style = kChildStyle | WS_TABSTOP | (isDefault_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  HWND button = CreateWindowExW(
      0, L"BUTTON", def.caption, style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), Instance(), nullptr);
  return Subclass(button);
}

bool Button::HandleCommand(UINT notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  if (onClick) onClick();
  return true;
}

}  // namespace ui
