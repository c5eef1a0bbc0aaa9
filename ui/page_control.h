// A tab control with one page per tab (PageControl), and the pages
// themselves (TabSheet): plain areas that hold controls. A page's caption is
// its tab's text; a click on a tab, or the arrow keys on the tabs, show
// that tab's page and hide the others. The tabs are one Tab stop; Ctrl+Tab
// and Ctrl+PageDown turn to the next page from anywhere in the window,
// Ctrl+Shift+Tab and Ctrl+PageUp to the one before.
#pragma once

#include <vector>

#include "ui/controls.h"

namespace ui {

class TabSheet : public Control {
 public:
  // The page control places its pages.
  void Place(const RECT&) override {}

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
};

class PageControl : public Control {
 public:
  // Adds a tab for a page made as a child of this control, with the page's
  // caption, and fits the page into the area below the tabs. The first page
  // added is the one shown.
  void AddPage(TabSheet& page);
  void SetActivePage(TabSheet& page);
  TabSheet* ActivePage() const;
  void Place(const RECT& bounds) override;
  // Turns the page for a Ctrl key of the tabs' window, and puts the focus
  // on the new page's first control; false for any other message.
  bool TurnPageOnKey(const MSG& message);

 protected:
  bool CreateWindowFor(HWND parent, const ControlDef& def, const RECT& bounds) override;
  bool HandleNotify(const NMHDR& notice, LRESULT& result) override;

 private:
  void ShowPage(int index);
  // Fits every page into the area below the tabs.
  void FitPages();

  std::vector<TabSheet*> pages_;
};

}  // namespace ui
