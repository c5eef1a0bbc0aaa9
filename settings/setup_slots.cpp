#include "settings/setup_slots.h"

namespace qvn {

void ApplySlotList(Model& model, const SlotPaths& paths, const SlotCodes& codes) {
  model.SlotList.clear();
  model.SlotList.insert(model.SlotList.end(), paths.begin(), paths.end());
  for (int k = 0; k < kSlotCount; ++k) {
    model.SlotList.push_back(std::to_string(codes[k]));
    model.SlotSizeCodes[k] = codes[k];
  }
}

}  // namespace qvn
