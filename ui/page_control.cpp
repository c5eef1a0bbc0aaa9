#include "ui/page_control.h"

#include <commctrl.h>

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
  HWND tabs =
      CreateWindowExW(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"", kStyle, r.left, r.top,
                      r.right - r.left, r.bottom - r.top, parent, nullptr, Instance(), nullptr);
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
  RECT area;
  GetClientRect(hwnd(), &area);
  SendMessageW(hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (TabSheet* each : pages_) {
    SetWindowPos(each->hwnd(), HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
  }
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
