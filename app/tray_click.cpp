#include "app/tray_click.h"

#include <tuple>

namespace qvn {

TrayClick TrayLeftClick(const Model& model, const std::function<bool()>& resourcesBelowLimit) {
  if (!model.StartScreenSaverOnIconClick) return TrayClick::kRestoreFromTray;
  return resourcesBelowLimit() ? TrayClick::kNothing : TrayClick::kStartScreenSaver;
}

TrayAction TrayEventAction(unsigned event, bool versionFour) {
  switch (event) {
    case kTraySelect:
    case kTrayKeySelect:
      return versionFour ? TrayAction::kLeftClick : TrayAction::kNone;
    case kTrayContextMenu:
      return versionFour ? TrayAction::kPopupMenu : TrayAction::kNone;
    case kTrayLeftButtonDown:
      return versionFour ? TrayAction::kNone : TrayAction::kLeftClick;
    case kTrayRightButtonDown:
      return versionFour ? TrayAction::kNone : TrayAction::kPopupMenu;
    default:
      // Moves, releases, double clicks: nothing.
      return TrayAction::kNone;
  }
}

std::optional<ScreenPoint> TrayMenuAnchor(bool versionFour, std::uintptr_t wParam) {
  if (!versionFour) return std::nullopt;
  // GET_X_LPARAM and GET_Y_LPARAM: each word read as a signed short.
  const ScreenPoint at{static_cast<std::int16_t>(wParam & 0xFFFF),
                       static_cast<std::int16_t>((wParam >> 16) & 0xFFFF)};
  if (at == ScreenPoint{0, 0}) return std::nullopt;
  return at;
}

TrayRecordSize TrayRecordSizeFor(const ShellVersion& shell) {
  const auto version = std::tie(shell.major, shell.minor, shell.build);
  // Documented in 'NOTIFYICONDATAW structure' (learn.microsoft.com) as
  // "6.0.6 or higher" for the full size: Windows Vista's shell32 is 6.0.6000,
  // while Windows XP's, 6.0.2900, still takes the version 3 size.
  if (version >= std::make_tuple(6u, 0u, 6000u)) return TrayRecordSize::kFull;
  if (shell.major >= 6) return TrayRecordSize::kV3;
  if (shell.major >= 5) return TrayRecordSize::kV2;
  return TrayRecordSize::kV1;
}

}  // namespace qvn
