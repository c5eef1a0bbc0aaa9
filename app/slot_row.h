// The row of slot icons in the main window's group: which icon and which hint
// each of the eight images shows, brought in line with SlotList.
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
  // ShowSlotHints: the group's hint, and each image's by whether its slot is set.
  void ShowHints(const Model& model);

  ui::Image& Image(int index) const { return *images_[index]; }

 private:
  ui::GroupBox& group_;
  std::array<ui::Image*, kSlotCount> images_;
  // The icons the images show, owned here; they live until the next refresh
  // has replaced them on every image.
  std::array<ui::UniqueIcon, kSlotCount> icons_;
};

}  // namespace qvn
