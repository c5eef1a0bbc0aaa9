#include "ui/message_box.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "ui/application.h"
#include "ui/handles.h"
#include "ui/message_text.h"
#include "ui/screen.h"
#include "ui/shell_icon.h"
#include "ui/window.h"

// The per-monitor DPI message of Windows 8.1, missing from older headers.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace ui {
namespace {

// Layout of the box in pixels at 96 DPI, after the system's own message box:
// icon on the left, text to its right, a centred row of buttons below.
constexpr int kMargin = 12;            // between the client edge and the content
constexpr int kIconTextGap = 12;       // between the icon and the text
constexpr int kContentButtonGap = 16;  // between the text (or icon) and the buttons
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;  // between two buttons

// What the dialog ends with when the close box (or Alt+F4, or the system
// menu's Close) dismisses it. Escape arrives as IDCANCEL instead, which lets
// Confirm tell the two apart.
constexpr int kClosedByCloseBox = IDCLOSE;

// A button of the box. The first one is the default button.
struct Button {
  int id;
  const wchar_t* text;
};

// What one box shows.
struct Box {
  std::wstring caption;
  std::wstring text;
  const wchar_t* icon;  // a system icon (IDI_QUESTION, IDI_HAND), or nullptr
  std::vector<Button> buttons;
  std::optional<POINT> topLeft;  // screen position; centred when empty
};

// A box's window and what it made for its DPI.
struct BoxWindow {
  const Box& box;
  int dpi = 0;                 // what the box is laid out for
  UniqueFont font;             // the message font at `dpi`: the text's and the buttons'
  UniqueIcon icon;             // the icon at `dpi`, shown by iconControl
  HWND iconControl = nullptr;  // nullptr for a box without an icon
  HWND textControl = nullptr;
  std::vector<HWND> buttons;  // in the order of box.buttons
};

// Size of `text` in `font`, wrapped at `maxWidth` the way a static control
// wraps it (a static control with SS_LEFT draws with DT_WORDBREAK and
// DT_EXPANDTABS), so the control sized from it shows every line.
SIZE MeasureText(HDC dc, HFONT font, const std::wstring& text, int maxWidth) {
  const SelectedObject selected(dc, font);
  RECT rect{0, 0, maxWidth, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  // Even an empty message keeps the height of one line.
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return SIZE{rect.right - rect.left, std::max<LONG>(rect.bottom - rect.top, metrics.tmHeight)};
}

int TextWidth(HDC dc, HFONT font, const wchar_t* text) {
  const SelectedObject selected(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
  return size.cx;
}

HWND AddChild(HWND dialog, const wchar_t* className, const wchar_t* text, DWORD style, int id) {
  return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void Place(HWND child, const RECT& rect, HFONT font) {
  if (font != nullptr) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(child, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// The controls of the box, placed later by LayOutBox.
void CreateBoxControls(HWND dialog, BoxWindow& window) {
  const Box& box = window.box;
  if (box.icon != nullptr) window.iconControl = AddChild(dialog, L"STATIC", nullptr, SS_ICON, -1);
  // SS_NOPREFIX: an '&' in a message (a file name, say) is shown as it is.
  window.textControl = AddChild(dialog, L"STATIC", box.text.c_str(), SS_LEFT | SS_NOPREFIX, -1);
  for (size_t i = 0; i < box.buttons.size(); ++i) {
    // The first button is the default one and starts the tab order.
    const DWORD style = WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON | WS_GROUP : BS_PUSHBUTTON);
    window.buttons.push_back(
        AddChild(dialog, L"BUTTON", box.buttons[i].text, style, box.buttons[i].id));
  }
}

// Places the icon and the text at `dpi`; the bottom of the two.
int LayOutContent(BoxWindow& window, int dpi, int workWidth, RECT& textRect) {
  const int margin = ScaleTo(dpi, kMargin);
  int textLeft = margin;
  int iconHeight = 0;
  if (window.iconControl != nullptr) {
    const int iconSize = SystemMetricAt(dpi, SM_CXICON);
    window.icon = IconAtSize(nullptr, window.box.icon, iconSize);
    iconHeight = iconSize;
    Place(window.iconControl, RECT{margin, margin, margin + iconSize, margin + iconSize}, nullptr);
    SendMessageW(window.iconControl, STM_SETICON, reinterpret_cast<WPARAM>(window.icon.get()), 0);
    textLeft += iconSize + ScaleTo(dpi, kIconTextGap);
  }
  // Long text wraps at five eighths of the work area's width, about where the
  // system's message box wraps it.
  const WindowDc screen(nullptr);
  const SIZE text =
      MeasureText(screen.get(), window.font.get(), window.box.text, workWidth * 5 / 8 - textLeft);
  // A line or two of text sits level with the middle of the icon.
  const int textTop = margin + std::max(0, (iconHeight - static_cast<int>(text.cy)) / 2);
  textRect = RECT{textLeft, textTop, textLeft + text.cx, textTop + text.cy};
  Place(window.textControl, textRect, window.font.get());
  return std::max(margin + iconHeight, static_cast<int>(textRect.bottom));
}

// Places the row of buttons centred below `top`; the client area's size,
// wide enough for the content, the row and the caption (which would otherwise
// be cut short on a box with little text).
SIZE LayOutButtons(BoxWindow& window, int dpi, int top, int contentWidth, int captionWidth) {
  const int margin = ScaleTo(dpi, kMargin);
  const int width = ScaleTo(dpi, kButtonWidth);
  const int height = ScaleTo(dpi, kButtonHeight);
  const int gap = ScaleTo(dpi, kButtonGap);
  const int count = static_cast<int>(window.buttons.size());
  const int rowWidth = count * width + (count - 1) * gap;
  const int clientWidth =
      std::max({contentWidth + margin, rowWidth + 2 * margin, captionWidth + 2 * margin});
  int left = (clientWidth - rowWidth) / 2;
  for (HWND button : window.buttons) {
    Place(button, RECT{left, top, left + width, top + height}, window.font.get());
    left += width + gap;
  }
  return SIZE{clientWidth, top + height + margin};
}

// The top-left corner of a box of `size`: where it was asked for, or centred
// on the monitor of its owner; inside that monitor's work area either way.
POINT BoxPlace(HWND dialog, const std::optional<POINT>& wanted, SIZE size) {
  if (wanted) return KeepOnScreen(*wanted, size);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(GetWindow(dialog, GW_OWNER), MONITOR_DEFAULTTOPRIMARY),
                  &monitor);
  const RECT& screen = monitor.rcMonitor;
  return KeepOnScreen(
      {(screen.left + screen.right - size.cx) / 2, (screen.top + screen.bottom - size.cy) / 2},
      size);
}

// Lays the box out at `dpi` (fonts, icon, caption and frame all at that DPI)
// and gives the window its size, its top-left corner at `wanted` or centred.
void LayOutBox(HWND dialog, BoxWindow& window, int dpi, const std::optional<POINT>& wanted) {
  window.dpi = dpi;
  const NONCLIENTMETRICSW metrics = NonClientMetricsAt(dpi);
  window.font.reset(CreateFontIndirectW(&metrics.lfMessageFont));
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT textRect{};
  const int contentBottom =
      LayOutContent(window, dpi, monitor.rcWork.right - monitor.rcWork.left, textRect);

  const UniqueFont captionFont(CreateFontIndirectW(&metrics.lfCaptionFont));
  const WindowDc screen(nullptr);
  const int captionWidth = TextWidth(screen.get(), captionFont.get(), window.box.caption.c_str()) +
                           metrics.iCaptionWidth;
  const SIZE client = LayOutButtons(window, dpi, contentBottom + ScaleTo(dpi, kContentButtonGap),
                                    textRect.right, captionWidth);

  // Documented in 'AdjustWindowRectExForDpi function' (learn.microsoft.com):
  // the frame at the box's own DPI, not the system's.
  RECT frame{0, 0, client.cx, client.cy};
  AdjustFrame(frame, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)),
              static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)), dpi);
  const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  const POINT place = BoxPlace(dialog, wanted, size);
  SetWindowPos(dialog, nullptr, place.x, place.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Builds the box from WM_INITDIALOG, before it is first shown.
void BuildBox(HWND dialog, BoxWindow& window) {
  CreateBoxControls(dialog, window);
  LayOutBox(dialog, window, Dpi(dialog), window.box.topLeft);
  // Moved to its place, the box may stand on a monitor of another DPI than the
  // one it was made on: laid out again at the DPI the system gives it there.
  if (const int dpi = Dpi(dialog); dpi != window.dpi) {
    LayOutBox(dialog, window, dpi, window.box.topLeft);
  }
  // Enter presses the default button, which also takes the focus.
  const int defaultId = window.box.buttons.front().id;
  SendMessageW(dialog, DM_SETDEFID, defaultId, 0);
  SetFocus(GetDlgItem(dialog, defaultId));
}

// The answer to a command of the box: the id it ends with, or 0 for none.
int AnswerTo(const Box& box, int id) {
  // Escape (or Ctrl+Break) sends IDCANCEL even though no button has it.
  if (id == IDCANCEL) return IDCANCEL;
  // IDOK is what the dialog manager sends for Enter when it knows no default
  // button; it means the default button here too.
  if (id == IDOK) return box.buttons.front().id;
  for (const Button& button : box.buttons) {
    if (button.id == id) return id;
  }
  return 0;
}

INT_PTR CALLBACK BoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<BoxWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      // A box shown while the program is in the tray (an error at start-up,
      // say) is found again on the taskbar.
      ShowOnTaskbarWhileOwnerHidden(dialog);
      BuildBox(dialog, *reinterpret_cast<BoxWindow*>(lParam));
      return FALSE;  // the focus has been set

    case WM_DPICHANGED:
      // Documented in 'WM_DPICHANGED message' (learn.microsoft.com): moved to
      // a monitor of another DPI, laid out anew at the place suggested.
      if (window == nullptr) return FALSE;
      LayOutBox(dialog, *window, HIWORD(wParam),
                POINT{reinterpret_cast<const RECT*>(lParam)->left,
                      reinterpret_cast<const RECT*>(lParam)->top});
      return TRUE;

    case WM_COMMAND:
      if (const int answer = window != nullptr ? AnswerTo(window->box, LOWORD(wParam)) : 0) {
        EndDialog(dialog, answer);
        return TRUE;
      }
      return FALSE;

    case WM_CLOSE:
      // Left to DefDlgProc, the close box would turn into IDCANCEL, the same as
      // Escape; Confirm reports it as a separate answer.
      EndDialog(dialog, kClosedByCloseBox);
      return TRUE;
  }
  return FALSE;
}

// The in-memory template of an empty dialog: the controls are created in
// WM_INITDIALOG, in pixels, so that the layout does not depend on dialog units.
std::vector<WORD> DialogTemplate(const wchar_t* caption) {
  DLGTEMPLATE header{};
  header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_SETFOREGROUND;
  // DLGTEMPLATE is WORD-packed, and is followed by three variable-length
  // arrays of WORDs: the menu, the window class and the caption.
  std::vector<WORD> words(sizeof header / sizeof(WORD));
  std::memcpy(words.data(), &header, sizeof header);
  words.push_back(0);  // no menu
  words.push_back(0);  // the predefined dialog class
  for (const wchar_t* c = caption; *c; ++c) words.push_back(static_cast<WORD>(*c));
  words.push_back(0);
  return words;
}

// The window a box belongs to, which is disabled while the box shows: the
// topmost of the program's windows that the user can reach now (the main
// window, a dialog, another box), whichever window asked for the box; so a
// dialog that stands above the asking window takes no input either. With
// none of them shown (the program in the tray), the window that asked.
HWND BoxOwner(HWND asking) {
  for (HWND window = GetTopWindow(nullptr); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) continue;
    if (!IsWindowVisible(window) || !IsWindowEnabled(window)) continue;
    // Menus and tooltips have no caption and own nothing.
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) continue;
    return window;
  }
  // The owner must be a top-level window: it is the one disabled while the box
  // shows, and disabling a child would leave the rest of its window usable.
  return asking != nullptr ? GetAncestor(asking, GA_ROOT) : nullptr;
}

// Shows `box` modally and returns the id it ended with, or -1 if it could not
// be shown. `sound` is the MessageBeep type the system plays for such a box.
int ShowBox(HWND owner, const Box& box, UINT sound) {
  owner = BoxOwner(owner);
  BoxWindow window{box};
  const std::vector<WORD> dialogTemplate = DialogTemplate(box.caption.c_str());
  MessageBeep(sound);
  const INT_PTR result = DialogBoxIndirectParamW(
      GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner,
      BoxProc, reinterpret_cast<LPARAM>(&window));
  application::CheckPointer();  // the box's own loop saw where the pointer went
  return static_cast<int>(result);
}

void ShowPlain(HWND owner, const std::wstring& text, std::optional<POINT> topLeft) {
  ShowBox(owner, Box{application::Title(), text, nullptr, {{IDOK, L"OK"}}, topLeft}, MB_OK);
}

Answer ShowConfirmation(HWND owner, const std::wstring& text, std::optional<POINT> topLeft) {
  const int result = ShowBox(
      owner,
      Box{L"確認", text, IDI_QUESTION, {{IDYES, L"はい(&Y)"}, {IDNO, L"いいえ(&N)"}}, topLeft},
      MB_ICONQUESTION);
  switch (result) {
    case IDYES:
      return Answer::Yes;
    case kClosedByCloseBox:
      return Answer::Cancel;
    default:
      // "いいえ", Escape, and a box that could not be shown at all: a
      // question nobody saw must not be taken as agreement.
      return Answer::No;
  }
}

}  // namespace

void ShowMessage(HWND owner, const std::wstring& text) {
  ShowPlain(owner, text, std::nullopt);
}

void ShowMessageAt(HWND owner, const std::wstring& text, POINT topLeft) {
  ShowPlain(owner, text, topLeft);
}

Answer Confirm(HWND owner, const std::wstring& text) {
  return ShowConfirmation(owner, text, std::nullopt);
}

Answer ConfirmAt(HWND owner, const std::wstring& text, POINT topLeft) {
  return ShowConfirmation(owner, text, topLeft);
}

void ShowError(HWND owner, const std::wstring& text) {
  ShowBox(
      owner,
      Box{application::Title(), WithClosingPeriod(text), IDI_HAND, {{IDOK, L"OK"}}, std::nullopt},
      MB_ICONHAND);
}

void ShowDialogNotCreated(HWND owner, const std::wstring& caption) {
  ShowError(owner, L"「" + caption + L"」ダイアログを作成できませんでした");
}

}  // namespace ui
