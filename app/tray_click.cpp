#include "app/tray_click.h"

namespace qvn {

TrayClick TrayLeftClick(const Model& model, const std::function<bool()>& resourcesBelowLimit) {
  if (!model.StartScreenSaverOnIconClick) return TrayClick::kRestoreFromTray;
  return resourcesBelowLimit() ? TrayClick::kNothing : TrayClick::kStartScreenSaver;
}

}  // namespace qvn
