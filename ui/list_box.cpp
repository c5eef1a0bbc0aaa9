#include "ui/list_box.h"

namespace ui {

bool ListBox::CreateWindowFor(HWND parent, const ControlDef&, const RECT& r) {
  // LBS_NOINTEGRALHEIGHT: the list keeps the height it is given.
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY |
                LBS_NOINTEGRALHEIGHT;
  if (options_.sorted) style |= LBS_SORT;
  if (options_.horizontalScroll) style |= WS_HSCROLL;
  HWND list =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", style, r.left, r.top, r.right - r.left,
                      r.bottom - r.top, parent, nullptr, Instance(), nullptr);
  return Subclass(list);
}

bool ListBox::HandleCommand(UINT notifyCode) {
  if (notifyCode != LBN_SELCHANGE) return false;
  if (onClick) onClick();
  return true;
}

int ListBox::Add(const std::wstring& text, LPARAM data) {
  const auto index = static_cast<int>(
      SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  if (index >= 0) SendMessageW(hwnd(), LB_SETITEMDATA, index, data);
  return index;
}

void ListBox::Remove(int index) {
  SendMessageW(hwnd(), LB_DELETESTRING, index, 0);
}

int ListBox::Count() const {
  return static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0));
}

std::wstring ListBox::ItemText(int index) const {
  const auto length = SendMessageW(hwnd(), LB_GETTEXTLEN, index, 0);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(hwnd(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

LPARAM ListBox::ItemData(int index) const {
  return SendMessageW(hwnd(), LB_GETITEMDATA, index, 0);
}

int ListBox::Selected() const {
  return static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
}

void ListBox::Select(int index) {
  SendMessageW(hwnd(), LB_SETCURSEL, index, 0);
}

void ListBox::SetHorizontalExtent(int pixels) {
  SendMessageW(hwnd(), LB_SETHORIZONTALEXTENT, pixels, 0);
}

int ListBox::ClientWidth() const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  return client.right;
}

}  // namespace ui
