#include "app/tray_click.h"

#include <utility>

namespace qvn {

TrayClick TrayLeftClick(const Model& model, const std::function<bool()>& resourcesBelowLimit) {
  if (!model.StartScreenSaverOnIconClick) return TrayClick::kRestoreFromTray;
  return resourcesBelowLimit() ? TrayClick::kNothing : TrayClick::kStartScreenSaver;
}

TrayAction TrayEvents::Take(unsigned event) {
  switch (event) {
    case kTrayLeftButtonDown:
      selectFollows_ = true;
      return TrayAction::kLeftClick;
    case kTraySelect:
      if (std::exchange(selectFollows_, false)) return TrayAction::kNone;
      return TrayAction::kLeftClick;
    case kTrayKeySelect:
      return TrayAction::kLeftClick;
    case kTrayRightButtonDown:
      contextMenuFollows_ = true;
      return TrayAction::kPopupMenu;
    case kTrayContextMenu:
      if (std::exchange(contextMenuFollows_, false)) return TrayAction::kNone;
      return TrayAction::kPopupMenu;
    default:
      // Moves, other releases, double clicks: nothing.
      return TrayAction::kNone;
  }
}

}  // namespace qvn
