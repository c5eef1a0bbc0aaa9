// The launch-list page of TSetupForm: the slot rows and the buttons under them.
#include "settings/setup_form.h"

#include "core/ansi_text.h"
#include "datafile/save_dialog.h"
#include "ui/message_box.h"
#include "ui/shell_icon.h"

namespace qvn {
namespace {

constexpr wchar_t kPathHintTail[] = L"|選択されたソフトウェアがフルパスで表示されます.";
constexpr wchar_t kNoPathHint[] = L"ソフトウェアが選択されていません.";

constexpr wchar_t kFirstSlotRequiredMessage[] =
    L"No.1グループは必須設定項目ですが,設定されていません.\r\n"
    L"設定後に再度,保存処理を行なってください.";
constexpr wchar_t kPathNotInCodePageMessage[] =
    L"選択されたファイルのパスに,このシステムの文字コードで表せない文字が含まれているため,"
    L"設定できません.\r\n"
    L"そのような文字を含まない場所にあるファイルを選ぶか,"
    L"フォルダー名やファイル名を変更してください.";

}  // namespace

void TSetupForm::FillSlotRows() {
  slots_ = SetupSlotsFor<ui::SharedIcon>(model_, [this](int k) { return host_.SlotIcon(k); });
  const auto rows = Rows();
  for (int k = 0; k < kSlotCount; ++k) {
    ShowSlotRow(k);
    // Set only here: the tip keeps showing the path the slot held at opening.
    const std::wstring& path = rows[k].path.Text();
    rows[k].path.SetHint((path.empty() ? std::wstring(kNoPathHint) : path) + kPathHintTail);
    pathTips_[k].Attach(rows[k].path);
  }
}

void TSetupForm::ShowSlotRow(int index) {
  const SlotRowControls row = Rows()[index];
  const SetupSlot<ui::SharedIcon>& slot = slots_[index];
  row.path.SetText(FromAnsi(slot.path));
  row.icon.SetIcon(slot.icon.get());
  row.size.SetItemIndex(slot.sizeCode);
}

void TSetupForm::ChangeSlots(const std::function<void()>& change) {
  // The icons the rows held stay alive until no image shows them any more.
  const SetupSlots<ui::SharedIcon> shown = slots_;
  change();
  for (int k = 0; k < kSlotCount; ++k) ShowSlotRow(k);
}

void TSetupForm::RefetchSlotIcons() {
  // At a new DPI the rows' icons are taken out again at the new size.
  const int size = ui::Scale(hwnd(), 32);
  ChangeSlots([&] {
    for (auto& slot : slots_) slot.icon = ui::Share(ui::LargeShellIcon(slot.path, size));
  });
}

void TSetupForm::ClearSlot(int index) {
  ChangeSlots([&] { ClearSetupSlot(slots_, index); });
}

void TSetupForm::BrowseSlot(int index) {
  if (!OpenDialog1.Execute(hwnd())) return;
  // The path goes into the launch list and on to process creation in the
  // ANSI code page; one that the code page cannot hold would not start.
  const auto path = ToAnsi(OpenDialog1.FileName());
  if (!path) {
    ui::ShowMessage(hwnd(), kPathNotInCodePageMessage);
    return;
  }
  ChangeSlots([&] {
    slots_[index].path = *path;
    slots_[index].icon = ui::Share(ui::LargeShellIcon(*path, ui::Scale(hwnd(), 32)));
  });
}

void TSetupForm::TakeSizeChoice(int index) {
  slots_[index].sizeCode = Rows()[index].size.ItemIndex();
}

void TSetupForm::SwapSlots(int index) {
  ChangeSlots([&] { SwapSetupSlots(slots_, index); });
}

void TSetupForm::BtnAllClearClick() {
  ChangeSlots([&] { ClearAllSetupSlots(slots_); });
}

void TSetupForm::BtnApplyClick() {
  ApplySlotList(model_, PathsOf(slots_), SizeCodesOf(slots_));
  std::array<ui::SharedIcon, kSlotCount> icons;
  for (int k = 0; k < kSlotCount; ++k) icons[k] = slots_[k].icon;
  host_.TakeSlotIcons(icons);
  display_.ShowSlotHints();
}

void TSetupForm::BtnSaveClick() {
  if (SaveRefusedForEmptyFirstSlot(slots_)) {
    ui::ShowMessage(hwnd(), kFirstSlotRequiredMessage);
    return;
  }
  RunSaveSequence(model_, dataFiles_, display_, *this, PathsOf(slots_), SizeCodesOf(slots_));
}

}  // namespace qvn
