// A pop-up menu described by a table of items, that reports the hint of the
// highlighted item. The Win32 menu is built afresh from the items each time it
// is shown, so hidden items are simply left out and captions are always current.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/handles.h"

namespace ui {

// One row of a menu table. A caption of "-" is a separator; `level` 1 puts the
// item into the submenu of the nearest level-0 item above it (a first row of
// level 1, having none, is taken as level 0).
struct MenuItemDef {
  const char* name;
  int level;
  const wchar_t* caption;
  const wchar_t* hint;
};

struct MenuItem {
  std::string name;
  std::wstring caption;
  std::wstring hint;
  bool enabled = true;
  bool visible = true;
  std::function<void()> onClick;
  std::vector<std::unique_ptr<MenuItem>> items;  // a submenu when not empty

  bool IsSeparator() const { return caption == L"-"; }
};

class PopupMenu {
 public:
  explicit PopupMenu(std::span<const MenuItemDef> table);
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  // The item of that name, at any depth. The name must exist.
  MenuItem& Item(const std::string& name);
  const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }

  // The Win32 menu as it would show now, owned by this object (the handle
  // stays valid until the next call); nullptr when the system made none.
  HMENU Handle();

  // Shows the menu at a screen position and runs the chosen item's onClick.
  // False when the menu was dismissed without a choice.
  bool Popup(HWND owner, POINT at);

  // Gives the items of `menu`, one of the shown menu's (as WM_INITMENUPOPUP
  // names it), the captions they have now: a caption changed while the menu
  // opens shows at once.
  void Refresh(HMENU menu);

  // The hint of the item that a WM_MENUSELECT names, when it is one of ours.
  std::optional<std::wstring> HintFor(WPARAM wParam, LPARAM lParam) const;

 private:
  UniqueMenu Build(const std::vector<std::unique_ptr<MenuItem>>& items);
  const MenuItem* FindByCommand(UINT command) const;

  std::vector<std::unique_ptr<MenuItem>> items_;
  UniqueMenu menu_;
  // What the last built menu holds: command id i + 1 is commands_[i]; each
  // submenu handle with its visible items in order.
  std::vector<MenuItem*> commands_;
  std::vector<std::pair<HMENU, std::vector<MenuItem*>>> shownItems_;
};

}  // namespace ui
