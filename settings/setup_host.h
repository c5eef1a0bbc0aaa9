// What the settings dialog needs of the main window that opens it: the
// window itself, the slot icons and the Startup shortcut. The main window
// implements it without knowing the dialog's controls.
#pragma once

#include <array>

#include "core/model.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/handles.h"

namespace qvn {

// The caption of btnStartup, which says what a click will do.
constexpr const wchar_t* StartupButtonCaption(bool registered) {
  return registered ? L"Quorvane をスタートアップから削除する"
                    : L"Quorvane をスタートアップに登録する";
}

// What the dialog needs of the main window that opens it, besides the
// data-file commands (DataFileHost) and the slot row (SlotDisplay).
class SetupHost {
 public:
  virtual ~SetupHost() = default;

  // The window the dialog stands beside and is modal to.
  virtual ui::Form& MainWindow() = 0;

  // The icon the main window shows for slot `index`; the dialog shows it too.
  virtual ui::SharedIcon SlotIcon(int index) = 0;
  // From now on the main window shows these icons for the eight slots.
  virtual void TakeSlotIcons(const std::array<ui::SharedIcon, kSlotCount>& icons) = 0;

  // Whether the launcher's shortcut is in the Startup folder.
  virtual bool StartupLinkExists() = 0;
  // Registers or removes the shortcut; `btnStartup`'s caption follows, and
  // the message stands at `settingsDialog`.
  virtual void ToggleStartupShortcut(ui::Form* settingsDialog, ui::Control* btnStartup) = 0;
};

}  // namespace qvn
