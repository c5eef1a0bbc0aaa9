// The main window's row of slot icons and their hints. Whoever replaces
// SlotList brings it up to date through this interface: start-up, the launch
// engine after a single launch, and the dialogs that load or apply a list.
// The main window implements it.
#pragma once

namespace qvn {

class SlotDisplay {
 public:
  virtual ~SlotDisplay() = default;

  // Loads the icon of every set slot afresh from its path; unset slots show none.
  virtual void ShowSlotIcons() = 0;
  // Gives the group and each slot icon the hint that fits whether the slot is set.
  virtual void ShowSlotHints() = 0;
};

}  // namespace qvn
