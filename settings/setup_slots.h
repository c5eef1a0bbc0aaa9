// The launch-list page of the settings dialog apart from its window: the
// working copy of the eight slots that the page edits, and what opening, the
// slot buttons, 全クリア, 適用(&A) and the save's first test do with it.
//
// `Icon` is whatever keeps a row's icon alive in the dialog (a shared icon
// handle on Windows, anything copyable in the tests); a default-constructed
// Icon is no icon. The rows move each icon with its slot.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "core/model.h"
#include "datafile/data_file.h"

namespace qvn {

template <typename Icon>
struct SetupSlot {
  std::string path;                     // the path box; empty: no program
  Icon icon{};                          // the row's icon
  std::int32_t sizeCode = kSizeNormal;  // the 画面サイズ choice, a WindowSizeCode
};

template <typename Icon>
using SetupSlots = std::array<SetupSlot<Icon>, kSlotCount>;

// The rows as the dialog opens: each slot's path and size code from the
// model, and `iconOf(k)`, the icon the main window shows for slot k. An empty
// SlotList leaves the rows as created: no paths, no icons, 通常.
template <typename Icon, typename IconOf>
SetupSlots<Icon> SetupSlotsFor(const Model& model, IconOf iconOf) {
  SetupSlots<Icon> rows;
  if (model.SlotList.empty()) return rows;
  for (int k = 0; k < kSlotCount; ++k) {
    rows[k].path = SlotPath(model, k);
    rows[k].icon = iconOf(k);
    rows[k].sizeCode = model.SlotSizeCodes[k];
  }
  return rows;
}

// クリア: a set slot loses its program, its icon and its size; an empty one
// keeps whatever size it shows.
template <typename Icon>
void ClearSetupSlot(SetupSlots<Icon>& rows, int k) {
  if (rows[k].path.empty()) return;
  rows[k] = SetupSlot<Icon>{};
}

// 全クリア: every slot loses its program and icon, and every slot, set or
// not, goes back to 通常.
template <typename Icon>
void ClearAllSetupSlots(SetupSlots<Icon>& rows) {
  for (auto& row : rows) row = SetupSlot<Icon>{};
}

// The swap button between slot k and slot k + 1: path, icon and size change
// places, empty slots like filled ones.
template <typename Icon>
void SwapSetupSlots(SetupSlots<Icon>& rows, int k) {
  std::swap(rows[k], rows[k + 1]);
}

// 設定保存(&S)... is refused while No.1 has no program.
template <typename Icon>
bool SaveRefusedForEmptyFirstSlot(const SetupSlots<Icon>& rows) {
  return rows[0].path.empty();
}

template <typename Icon>
SlotPaths PathsOf(const SetupSlots<Icon>& rows) {
  SlotPaths paths;
  for (int k = 0; k < kSlotCount; ++k) paths[k] = rows[k].path;
  return paths;
}

template <typename Icon>
SlotCodes SizeCodesOf(const SetupSlots<Icon>& rows) {
  SlotCodes codes;
  for (int k = 0; k < kSlotCount; ++k) codes[k] = rows[k].sizeCode;
  return codes;
}

// 適用(&A) for the list: SlotList becomes the eight paths (empty ones
// included) followed by the eight codes in decimal, and SlotSizeCodes the
// codes. No file is written and CurrentDataFile stays; the icons are the
// caller's to hand over.
void ApplySlotList(Model& model, const SlotPaths& paths, const SlotCodes& codes);

}  // namespace qvn
