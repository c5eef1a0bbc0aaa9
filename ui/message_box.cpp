#include "ui/message_box.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "ui/application.h"
#include "ui/handles.h"
#include "ui/message_text.h"
#include "ui/window.h"

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

// Everything the dialog procedure needs to build one box.
struct Box {
  std::wstring caption;
  std::wstring text;
  const wchar_t* icon;  // a system icon (IDI_QUESTION, IDI_HAND), or nullptr
  std::vector<Button> buttons;
  std::optional<POINT> topLeft;  // screen position; centred when empty
  HFONT font;                    // the system message font
};

NONCLIENTMETRICSW NonClientMetrics() {
  // Built for Windows XP, the structure has no iPaddedBorderWidth, and this
  // smaller size is the one every later Windows accepts as well.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return metrics;
}

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

HWND AddChild(HWND dialog, const wchar_t* className, const wchar_t* text, DWORD style, int id,
              const RECT& rect, HFONT font) {
  HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left,
                               rect.top, rect.right - rect.left, rect.bottom - rect.top, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  if (child && font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

// Moves `rect` (a window rectangle) so that it lies inside `area` where it
// fits, keeping the top-left corner visible where it does not.
void KeepInside(RECT& rect, const RECT& area) {
  LONG dx = 0;
  LONG dy = 0;
  if (rect.right > area.right) dx = area.right - rect.right;
  if (rect.left + dx < area.left) dx = area.left - rect.left;
  if (rect.bottom > area.bottom) dy = area.bottom - rect.bottom;
  if (rect.top + dy < area.top) dy = area.top - rect.top;
  OffsetRect(&rect, dx, dy);
}

// Creates the controls of the box and gives the dialog its size and place.
// Called from WM_INITDIALOG, before the dialog is first shown.
void BuildBox(HWND dialog, const Box& box) {
  const WindowDc screen(nullptr);
  const int margin = Scale(dialog, kMargin);

  // The monitor the box appears on: the owner's, or the primary one.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(GetWindow(dialog, GW_OWNER), MONITOR_DEFAULTTOPRIMARY),
                  &monitor);

  // Icon and text. Long text wraps at five eighths of the work area's width,
  // about where the system's message box wraps it.
  int textLeft = margin;
  int iconHeight = 0;
  // The system's icon at the size of the box's DPI; LR_SHARED: the system keeps it.
  const int iconWidth = SystemMetric(dialog, SM_CXICON);
  HICON icon = box.icon ? static_cast<HICON>(LoadImageW(nullptr, box.icon, IMAGE_ICON, iconWidth,
                                                        SystemMetric(dialog, SM_CYICON), LR_SHARED))
                        : nullptr;
  if (icon) {
    iconHeight = SystemMetric(dialog, SM_CYICON);
    const RECT iconRect{margin, margin, margin + iconWidth, margin + iconHeight};
    HWND iconControl = AddChild(dialog, L"STATIC", nullptr, SS_ICON, -1, iconRect, nullptr);
    SendMessageW(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    textLeft += iconWidth + Scale(dialog, kIconTextGap);
  }
  const int workWidth = monitor.rcWork.right - monitor.rcWork.left;
  const SIZE text = MeasureText(screen.get(), box.font, box.text, workWidth * 5 / 8 - textLeft);
  // A line or two of text sits level with the middle of the icon.
  const int textTop = margin + std::max(0, (iconHeight - static_cast<int>(text.cy)) / 2);
  const RECT textRect{textLeft, textTop, textLeft + text.cx, textTop + text.cy};
  // SS_NOPREFIX: an '&' in a message (a file name, say) is shown as it is.
  AddChild(dialog, L"STATIC", box.text.c_str(), SS_LEFT | SS_NOPREFIX, -1, textRect, box.font);
  const int contentBottom = std::max(margin + iconHeight, static_cast<int>(textRect.bottom));

  // The client area is wide enough for the content, the row of buttons and the
  // caption, which would otherwise be cut short on a box with little text.
  const int buttonWidth = Scale(dialog, kButtonWidth);
  const int buttonHeight = Scale(dialog, kButtonHeight);
  const int buttonGap = Scale(dialog, kButtonGap);
  const int buttonCount = static_cast<int>(box.buttons.size());
  const int rowWidth = buttonCount * buttonWidth + (buttonCount - 1) * buttonGap;
  const NONCLIENTMETRICSW metrics = NonClientMetrics();
  const UniqueFont captionFont(CreateFontIndirectW(&metrics.lfCaptionFont));
  const int captionWidth = TextWidth(screen.get(), captionFont.get(), box.caption.c_str()) +
                           metrics.iCaptionWidth + Scale(dialog, 2 * kMargin);
  const int clientWidth =
      std::max({static_cast<int>(textRect.right) + margin, rowWidth + 2 * margin, captionWidth});

  const int buttonTop = contentBottom + Scale(dialog, kContentButtonGap);
  int buttonLeft = (clientWidth - rowWidth) / 2;
  for (size_t i = 0; i < box.buttons.size(); ++i) {
    // The first button is the default one and starts the tab order.
    const DWORD style = WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON | WS_GROUP : BS_PUSHBUTTON);
    const RECT rect{buttonLeft, buttonTop, buttonLeft + buttonWidth, buttonTop + buttonHeight};
    AddChild(dialog, L"BUTTON", box.buttons[i].text, style, box.buttons[i].id, rect, box.font);
    buttonLeft += buttonWidth + buttonGap;
  }
  const int clientHeight = buttonTop + buttonHeight + margin;

  // The window around that client area, centred on the screen or at the
  // requested place.
  RECT window{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  POINT topLeft;
  if (box.topLeft) {
    topLeft = *box.topLeft;
  } else {
    const RECT& screenRect = monitor.rcMonitor;
    RECT centred{0, 0, width, height};
    OffsetRect(&centred, (screenRect.left + screenRect.right - width) / 2,
               (screenRect.top + screenRect.bottom - height) / 2);
    KeepInside(centred, monitor.rcWork);
    topLeft = POINT{centred.left, centred.top};
  }
  SetWindowPos(dialog, nullptr, topLeft.x, topLeft.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

  // Enter presses the default button, which also takes the focus.
  const int defaultId = box.buttons.front().id;
  SendMessageW(dialog, DM_SETDEFID, defaultId, 0);
  SetFocus(GetDlgItem(dialog, defaultId));
}

INT_PTR CALLBACK BoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      // A box shown while the program is in the tray (an error at start-up,
      // say) is found again on the taskbar.
      ShowOnTaskbarWhileOwnerHidden(dialog);
      BuildBox(dialog, *reinterpret_cast<const Box*>(lParam));
      return FALSE;  // the focus has been set

    case WM_COMMAND: {
      const auto* box = reinterpret_cast<const Box*>(GetWindowLongPtrW(dialog, DWLP_USER));
      const int id = LOWORD(wParam);
      if (id == IDCANCEL) {
        // Escape (or Ctrl+Break) sends IDCANCEL even though no button has it.
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      if (id == IDOK && box) {
        // IDOK is what the dialog manager sends for Enter when it knows no
        // default button; it means the default button here too.
        EndDialog(dialog, box->buttons.front().id);
        return TRUE;
      }
      if (box) {
        for (const Button& button : box->buttons) {
          if (button.id == id) {
            EndDialog(dialog, id);
            return TRUE;
          }
        }
      }
      return FALSE;
    }

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
int ShowBox(HWND owner, Box box, UINT sound) {
  owner = BoxOwner(owner);

  // The system gives its message font at the screen's DPI; the box shows it at
  // its owner's, which differs on a monitor of other scaling.
  NONCLIENTMETRICSW metrics = NonClientMetrics();
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, Dpi(owner), Dpi(nullptr));
  const UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));
  box.font = font.get();

  const std::vector<WORD> dialogTemplate = DialogTemplate(box.caption.c_str());
  MessageBeep(sound);
  const INT_PTR result = DialogBoxIndirectParamW(
      GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner,
      BoxProc, reinterpret_cast<LPARAM>(&box));
  application::CheckPointer();  // the box's own loop saw where the pointer went
  return static_cast<int>(result);
}

void ShowPlain(HWND owner, const std::wstring& text, std::optional<POINT> topLeft) {
  ShowBox(owner, Box{application::Title(), text, nullptr, {{IDOK, L"OK"}}, topLeft, nullptr},
          MB_OK);
}

Answer ShowConfirmation(HWND owner, const std::wstring& text, std::optional<POINT> topLeft) {
  const int result = ShowBox(owner,
                             Box{L"確認",
                                 text,
                                 IDI_QUESTION,
                                 {{IDYES, L"はい(&Y)"}, {IDNO, L"いいえ(&N)"}},
                                 topLeft,
                                 nullptr},
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
  ShowBox(owner,
          Box{application::Title(),
              WithClosingPeriod(text),
              IDI_HAND,
              {{IDOK, L"OK"}},
              std::nullopt,
              nullptr},
          MB_ICONHAND);
}

void ShowDialogNotCreated(HWND owner, const std::wstring& caption) {
  ShowError(owner, L"「" + caption + L"」ダイアログを作成できませんでした");
}

}  // namespace ui
