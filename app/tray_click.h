// What a press of the left button on the tray icon does.
#pragma once

#include <functional>

#include "core/model.h"

namespace qvn {

enum class TrayClick { kRestoreFromTray, kStartScreenSaver, kNothing };

// Without StartScreenSaverOnIconClick the main window comes back. With it the
// screen saver starts, unless the resource guard finds a free-resource
// percentage below ResourceLimit; `resourcesBelowLimit` is asked in that case
// only. The window stays in the tray either way.
TrayClick TrayLeftClick(const Model& model, const std::function<bool()>& resourcesBelowLimit);

}  // namespace qvn
