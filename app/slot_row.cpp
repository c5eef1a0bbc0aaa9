#include "app/slot_row.h"

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
    images_[i]->SetHint(IsSlotSet(model, i) ? kSetSlotHint : kUnsetSlotHint);
  }
}

}  // namespace qvn
