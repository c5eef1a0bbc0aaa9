#include "app/slot_row.h"

#include "core/ansi_text.h"
#include "core/path_names.h"
#include "ui/row_keys.h"
#include "ui/shell_icon.h"

namespace qvn {
namespace {

// The hints once start-up has run: two lines each, no "|", so the hint line
// shows the whole text.
constexpr wchar_t kGroupHint[] =
    L"ダブルクリック：すべてのソフトウェアを連続起動します.\r\n"
    L"右クリック：ポップアップメニューを表示します.";
constexpr wchar_t kSetSlotHint[] =
    L"ダブルクリック：ポイントしているソフトウェアを起動します.\r\n"
    L"右クリック：ポップアップメニューを表示します.";
constexpr wchar_t kUnsetSlotHint[] =
    L"起動するソフトウェアが設定されていません.\r\n"
    L"右クリック：ポップアップメニューを表示します.";

}  // namespace

void SlotRow::ShowIcons(const Model& model) {
  std::array<ui::SharedIcon, kSlotCount> fetched;
  // As large as the images are at the window's DPI.
  const int size = ui::Scale(group_.hwnd(), 32);
  for (int i = 0; i < kSlotCount; ++i)
    fetched[i] = ui::Share(ui::LargeShellIcon(SlotPath(model, i), size));
  TakeIcons(fetched);
}

void SlotRow::TakeIcons(const std::array<ui::SharedIcon, kSlotCount>& icons) {
  for (int i = 0; i < kSlotCount; ++i) images_[i]->SetIcon(icons[i].get());
  // No image shows the icons it showed before any more.
  icons_ = icons;
}

void SlotRow::ShowHints(const Model& model) {
  group_.SetHint(kGroupHint);
  for (int i = 0; i < kSlotCount; ++i) {
    const bool set = IsSlotSet(model, i);
    const wchar_t* hint = set ? kSetSlotHint : kUnsetSlotHint;
    images_[i]->SetHint(hint);
    images_[i]->SetDescription(hint);
    const std::wstring program =
        set ? FromAnsi(FileNamePart(SlotPath(model, i), IsAnsiLeadByte)) : L"未設定";
    images_[i]->SetText(L"No." + std::to_wstring(i + 1) + L" " + program);
  }
}

void SlotRow::TakeKeyboard() {
  for (ui::Image* image : images_) {
    image->onKey = [this](UINT virtualKey) { return MoveFocus(virtualKey); };
  }
  images_[focused_]->SetTabStop(true);
}

bool SlotRow::MoveFocus(UINT virtualKey) {
  ui::RowKey key;
  switch (virtualKey) {
    case VK_LEFT:
      key = ui::RowKey::kLeft;
      break;
    case VK_RIGHT:
      key = ui::RowKey::kRight;
      break;
    case VK_HOME:
      key = ui::RowKey::kHome;
      break;
    case VK_END:
      key = ui::RowKey::kEnd;
      break;
    default:
      return false;
  }
  // Only the slot with the focus is a Tab stop: Tab comes back to it.
  images_[focused_]->SetTabStop(false);
  focused_ = ui::FocusAfterRowKey(focused_, kSlotCount, key);
  images_[focused_]->SetTabStop(true);
  SetFocus(images_[focused_]->hwnd());
  return true;
}

}  // namespace qvn
