// The controls of the toolkit, one small class per kind. Forms describe their
// controls in a table of ControlDef rows and create them in one call.
#pragma once

#include <functional>
#include <string>

#include "ui/window.h"

namespace ui {

class Control;

// The window classes of the toolkit's own controls, named by what they are.
inline constexpr wchar_t kPanelClass[] = L"Panel";
// A label is the system's static text control (not renamed by the prefix):
// screen readers name an edit or combo box by the static text just before
// it, and they know a static by its class.
inline constexpr wchar_t kLabelClass[] = L"Static";
inline constexpr wchar_t kGroupBoxClass[] = L"GroupBox";
inline constexpr wchar_t kImageClass[] = L"Image";
inline constexpr wchar_t kTabSheetClass[] = L"TabSheet";

// One row of a form's control table. Places and sizes are at 96 DPI, in the
// parent's client area.
struct ControlDef {
  Control* control;
  Control* parent;  // nullptr: the form itself
  int left, top, width, height;
  const wchar_t* caption;
  const wchar_t* hint;
  int fontHeight = 0;  // 0: the parent's font
  bool bold = false;
};

// The place of a row in its parent's client area at `dpi`.
RECT ScaledBounds(int dpi, const ControlDef& def);

// Whether the user has turned a high-contrast theme on (SPI_GETHIGHCONTRAST).
bool HighContrast();
// `color`, or the system colour `highContrastIndex` (COLOR_WINDOW, say) while
// a high-contrast theme is on; CLR_INVALID stays as it is.
COLORREF ThemedColor(COLORREF color, int highContrastIndex);

class Control : public Window {
 public:
  // Creates the control's window inside `parent` as the row describes it.
  // False when the system made no window.
  bool Create(HWND parent, const ControlDef& def, HFONT font);
  HFONT font() const { return font_; }
  // Moves the control to `bounds` (parent's client coordinates), laying out
  // what it holds again: the form calls this at a new DPI, after the font.
  virtual void Place(const RECT& bounds);

  std::function<void()> onClick;
  std::function<void()> onDblClick;

 protected:
  virtual bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) = 0;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Fills the client area with the background colour; for WM_PAINT handlers.
  void FillBackground(HDC dc, const RECT& rect, COLORREF color) const;

  HFONT font_ = nullptr;  // owned by the form that made it
};

// A plain area with a lowered inner bevel; children are placed inside it.
class Panel : public Control {
 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Text on the form's face, or on a colour of its own; optionally sized to its text.
// A label without text may name the control after it for screen readers
// while it stays hidden (SetVisible(false)).
class Label : public Control {
 public:
  void Place(const RECT& bounds) override;
  // Under a high-contrast theme the system colour `highContrastIndex` instead.
  void SetColor(COLORREF color, int highContrastIndex = COLOR_WINDOW);
  // The colour of the text; CLR_INVALID: the system's button text colour.
  void SetTextColor(COLORREF color);
  // The label grows and shrinks with its text, left and top staying put.
  void SetAutoSize(bool autoSize);

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FitToText();
  COLORREF color_ = CLR_INVALID;  // CLR_INVALID: the button face
  int highContrastIndex_ = COLOR_WINDOW;
  COLORREF textColor_ = CLR_INVALID;
  bool autoSize_ = false;
};

// An etched frame with a caption; double clicks reach onDblClick.
class GroupBox : public Control {
 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Shows one icon at its top-left corner. The image never destroys the icon:
// the same handle may be shown elsewhere, and its owner releases it.
//
// An image with onKey takes the keyboard focus, drawn as the system's focus
// rectangle, and shows its hint in the hint line while it has it. Enter and
// Space that onKey leaves do what a double click does. Its window text is
// what a screen reader reads as its name.
class Image : public Control {
 public:
  void SetIcon(HICON icon);
  HICON icon() const { return icon_; }
  // Under a high-contrast theme the system colour `highContrastIndex` instead.
  void SetColor(COLORREF color, int highContrastIndex = COLOR_WINDOW);
  // Whether Tab stops on the image.
  void SetTabStop(bool tabStop);
  // What a screen reader reads after the image's name (its window text).
  void SetDescription(const std::wstring& description);

  // A key pressed while the image has the focus; true when it was taken.
  std::function<bool(UINT virtualKey)> onKey;

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void KeyDown(UINT virtualKey, LPARAM flags);
  void PaintFocus(HDC dc, const RECT& rect);

  HICON icon_ = nullptr;  // not owned: whoever set it keeps it alive
  COLORREF color_ = CLR_INVALID;
  int highContrastIndex_ = COLOR_WINDOW;
  bool described_ = false;  // the description is to be let go with the window
};

// A push button; `isDefault` makes it the one Enter presses. A click reaches
// onClick.
class Button : public Control {
 public:
  Button(int id = 0, bool isDefault = false) : id_(id), isDefault_(isDefault) {}

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
  bool HandleCommand(UINT notifyCode) override;

 private:
  int id_;
  bool isDefault_;
};

}  // namespace ui
