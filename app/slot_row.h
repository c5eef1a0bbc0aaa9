// The row of slot icons in the main window's group: which icon, hint and name
// each of the eight images shows, brought in line with SlotList. The row is
// one Tab stop; Left, Right, Home and End move the focus over its slots.
#pragma once

#include <array>

#include "core/model.h"
#include "ui/controls.h"
#include "ui/handles.h"

namespace qvn {

class SlotRow {
 public:
  SlotRow(ui::GroupBox& group, const std::array<ui::Image*, kSlotCount>& images)
      : group_(group), images_(images) {}

  // ShowSlotIcons: each set slot's image shows its program's large icon,
  // fetched afresh from the shell; an unset slot's image shows none.
  void ShowIcons(const Model& model);
  // The images show these icons from now on (the settings dialog's Apply).
  void TakeIcons(const std::array<ui::SharedIcon, kSlotCount>& icons);
  // The icon an image shows, which the settings dialog shows too.
  ui::SharedIcon Icon(int index) const { return icons_[index]; }
  // ShowSlotHints: the group's hint, and each image's by whether its slot is
  // set; with them what a screen reader reads of each image: as its name
  // "No.n" and the program's file name, or that the slot is not set, and its
  // hint as its description.
  void ShowHints(const Model& model);
  // Lets the keyboard move over the slots; once the images exist.
  void TakeKeyboard();

  ui::Image& Image(int index) const { return *images_[index]; }

 private:
  bool MoveFocus(UINT virtualKey);

  ui::GroupBox& group_;
  std::array<ui::Image*, kSlotCount> images_;
  // SlotIcons: the icons the images show, shared with the settings dialog while it is
  // open; each lives until no image shows it any more.
  std::array<ui::SharedIcon, kSlotCount> icons_;
  int focused_ = 0;  // the slot Tab stops on
};

}  // namespace qvn
