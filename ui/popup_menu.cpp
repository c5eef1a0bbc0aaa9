#include "ui/popup_menu.h"

#include <cstdlib>

#include "ui/application.h"

namespace ui {

PopupMenu::PopupMenu(std::span<const MenuItemDef> table) {
  MenuItem* submenuOwner = nullptr;
  for (const MenuItemDef& row : table) {
    auto item = std::make_unique<MenuItem>();
    item->name = row.name;
    item->caption = row.caption;
    item->hint = row.hint;
    // A submenu row with no item above it to hang from stays in the menu itself.
    if (row.level == 0 || submenuOwner == nullptr) {
      submenuOwner = item.get();
      items_.push_back(std::move(item));
    } else {
      submenuOwner->items.push_back(std::move(item));
    }
  }
}

MenuItem& PopupMenu::Item(const std::string& name) {
  for (auto& item : items_) {
    if (item->name == name) return *item;
    for (auto& subitem : item->items) {
      if (subitem->name == name) return *subitem;
    }
  }
  // The names come from the form's own table; a missing one is a programming error.
  std::abort();
}

HMENU PopupMenu::Handle() {
  menu_.reset();  // destroys the submenus with it
  commands_.clear();
  shownItems_.clear();
  menu_ = Build(items_);
  return menu_.get();
}

UniqueMenu PopupMenu::Build(const std::vector<std::unique_ptr<MenuItem>>& items) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  std::vector<MenuItem*> shown;
  for (const auto& item : items) {
    if (!item->visible) continue;
    shown.push_back(item.get());
    if (item->IsSeparator()) {
      AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT state = item->enabled ? MF_ENABLED : MF_GRAYED;
    if (!item->items.empty()) {
      // Once appended, the submenu belongs to the menu and goes with it.
      UniqueMenu submenu = Build(item->items);
      if (submenu &&
          AppendMenuW(menu.get(), MF_POPUP | MF_STRING | state,
                      reinterpret_cast<UINT_PTR>(submenu.get()), item->caption.c_str())) {
        submenu.release();
      }
    } else {
      commands_.push_back(item.get());
      AppendMenuW(menu.get(), MF_STRING | state, commands_.size(), item->caption.c_str());
    }
  }
  shownItems_.emplace_back(menu.get(), std::move(shown));
  return menu;
}

bool PopupMenu::Popup(HWND owner, POINT at) {
  HMENU menu = Handle();
  if (menu == nullptr) return false;
  // The owner must be the foreground window, or the menu does not close when
  // the user clicks elsewhere (this matters when opened from the tray icon).
  SetForegroundWindow(owner);
  const UINT command = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x,
                                      at.y, 0, owner, nullptr);
  // And a message must follow, so that a second opening of the menu works.
  PostMessageW(owner, WM_NULL, 0, 0);
  // The menu is gone now; whatever the pointer did while it was open reached
  // the menu's loop, not the program's.
  application::CheckPointer();
  if (const MenuItem* item = FindByCommand(command); item != nullptr && item->onClick) {
    const auto onClick = item->onClick;  // the handler may rebuild the menu
    onClick();
  }
  return command != 0;
}

void PopupMenu::Refresh(HMENU menu) {
  for (const auto& [handle, shown] : shownItems_) {
    if (handle != menu) continue;
    for (size_t position = 0; position < shown.size(); ++position) {
      if (shown[position]->IsSeparator()) continue;
      MENUITEMINFOW info{sizeof info};
      info.fMask = MIIM_STRING;
      info.dwTypeData = const_cast<wchar_t*>(shown[position]->caption.c_str());
      SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    }
  }
}

const MenuItem* PopupMenu::FindByCommand(UINT command) const {
  return command >= 1 && command <= commands_.size() ? commands_[command - 1] : nullptr;
}

std::optional<std::wstring> PopupMenu::HintFor(WPARAM wParam, LPARAM lParam) const {
  const UINT flags = HIWORD(wParam);
  const UINT idOrPosition = LOWORD(wParam);
  HMENU menu = reinterpret_cast<HMENU>(lParam);
  if (flags == 0xFFFF && menu == nullptr) return std::nullopt;  // the menu closed
  if ((flags & MF_SYSMENU) != 0) return std::nullopt;           // the window's own menu
  if ((flags & MF_POPUP) == 0) {
    if (const MenuItem* item = FindByCommand(idOrPosition)) return item->hint;
    return std::wstring();  // a separator
  }
  for (const auto& [handle, shown] : shownItems_) {
    if (handle == menu && idOrPosition < shown.size()) return shown[idOrPosition]->hint;
  }
  return std::nullopt;
}

}  // namespace ui
