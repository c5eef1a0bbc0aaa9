#include "ui/page_control.h"

#include <commctrl.h>

#include "ui/handles.h"

namespace ui {

bool TabSheet::CreateWindowFor(HWND parent, const ControlDef&, const RECT& r) {
  RegisterWindowClass(kTabSheetClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  // A control parent, so that Tab and the dialog keys reach the controls on it.
  return CreateHandle(WS_EX_CONTROLPARENT, kTabSheetClass, L"",
                      WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r.left, r.top, r.right - r.left,
                      r.bottom - r.top, parent, nullptr);
}

bool PageControl::CreateWindowFor(HWND parent, const ControlDef&, const RECT& r) {
  // The tab control belongs to the common controls beyond the standard ones.
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
  constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP;
  // Not a control parent: the dialog manager would walk into the tabs
  // instead of stopping on them. The pages become its siblings (AddPage).
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", kStyle, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, parent, nullptr, Instance(), nullptr);
  return Subclass(tabs);
}

void PageControl::AddPage(TabSheet& page) {
  std::wstring caption = page.Text();
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  const auto index =
      SendMessageW(hwnd(), TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));
  if (index < 0) return;
  // A sibling right after the tabs, as a property sheet's pages are: Tab
  // goes from the tabs to the page's controls and on to what follows.
  SetParent(page.hwnd(), GetParent(hwnd()));
  pages_.push_back(&page);
  // The tabs are known only now, and with them the area left for the pages.
  FitPages();
  if (pages_.size() == 1) ShowPage(0);
}

void PageControl::Place(const RECT& bounds) {
  Control::Place(bounds);
  FitPages();
}

void PageControl::FitPages() {
  RECT whole, area;
  GetClientRect(hwnd(), &whole);
  area = whole;
  SendMessageW(hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  // The pages lie below the tabs in z-order; the tabs leave out the area
  // where they show, so that the tabs' own background does not cover them.
  UniqueGdiObject<HRGN> frame(CreateRectRgnIndirect(&whole)), hole(CreateRectRgnIndirect(&area));
  if (frame && hole && CombineRgn(frame.get(), frame.get(), hole.get(), RGN_DIFF) != ERROR &&
      SetWindowRgn(hwnd(), frame.get(), TRUE)) {
    frame.release();  // the system owns the region it has taken
  }
  MapWindowPoints(hwnd(), GetParent(hwnd()), reinterpret_cast<POINT*>(&area), 2);
  for (TabSheet* each : pages_) {
    SetWindowPos(each->hwnd(), hwnd(), area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
  }
}

bool PageControl::TurnPageOnKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || pages_.empty() || GetKeyState(VK_CONTROL) >= 0) return false;
  if (GetAncestor(message.hwnd, GA_ROOT) != GetAncestor(hwnd(), GA_ROOT)) return false;
  int step = 0;
  if (message.wParam == VK_TAB) step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
  if (message.wParam == VK_NEXT) step = 1;
  if (message.wParam == VK_PRIOR) step = -1;
  if (step == 0) return false;
  const int count = static_cast<int>(pages_.size());
  const auto current = static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0));
  TabSheet& next = *pages_[((current < 0 ? 0 : current) + step + count) % count];
  SetActivePage(next);
  // The focus goes to the page's first control, as in a property sheet.
  HWND first = GetNextDlgTabItem(next.hwnd(), nullptr, FALSE);
  if (first != nullptr && IsChild(next.hwnd(), first)) SetFocus(first);
  return true;
}

void PageControl::SetActivePage(TabSheet& page) {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i] == &page) {
      SendMessageW(hwnd(), TCM_SETCURSEL, i, 0);
      ShowPage(static_cast<int>(i));
    }
  }
}

TabSheet* PageControl::ActivePage() const {
  const auto index = SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0);
  return index >= 0 && index < static_cast<LRESULT>(pages_.size()) ? pages_[index] : nullptr;
}

void PageControl::ShowPage(int index) {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i]->SetVisible(static_cast<int>(i) == index);
  }
}

bool PageControl::HandleNotify(const NMHDR& notice, LRESULT& result) {
  if (notice.code != TCN_SELCHANGE) return false;
  ShowPage(static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0)));
  result = 0;
  return true;
}

}  // namespace ui
