// A list box of text entries. Each entry carries a number of the caller's
// (an index into its own data, say), so that what an entry stands for need
// not be read back from its displayed text.
#pragma once

#include <string>

#include "ui/controls.h"

namespace ui {

struct ListBoxOptions {
  // The entries stand in the order the system's sorted list box gives them:
  // ascending, without regard to letter case.
  bool sorted = false;
  // A horizontal scroll bar, for entries wider than the list (see
  // SetHorizontalExtent).
  bool horizontalScroll = false;
};

// A change of the selection by the user (mouse or keyboard) reaches onClick;
// Select does not.
class ListBox : public Control {
 public:
  explicit ListBox(ListBoxOptions options = {}) : options_(options) {}

  // Adds an entry; the index where it landed.
  int Add(const std::wstring& text, LPARAM data);
  void Remove(int index);
  int Count() const;
  std::wstring ItemText(int index) const;
  LPARAM ItemData(int index) const;
  // The selected entry's index; -1 when none is selected.
  int Selected() const;
  // Selects an entry; -1 selects none.
  void Select(int index);
  // How wide the entries may be, in pixels, before they are cut off; the
  // list then scrolls sideways that far.
  void SetHorizontalExtent(int pixels);
  int ClientWidth() const;

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
  bool HandleCommand(UINT notifyCode) override;

 private:
  ListBoxOptions options_;
};

}  // namespace ui
