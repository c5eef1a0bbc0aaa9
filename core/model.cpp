#include "core/model.h"

namespace qvn {

const std::string& SlotPath(const Model& model, int index) {
  static const std::string kUnset;
  if (index < 0 || index >= kSlotCount || model.SlotList.size() != 2 * kSlotCount) {
    return kUnset;
  }
  return model.SlotList[index];
}

bool IsSlotSet(const Model& model, int index) {
  return !SlotPath(model, index).empty();
}

void SetUnsetSlots(Model& model) {
  model.SlotList.assign(kSlotCount, std::string());
  model.SlotList.insert(model.SlotList.end(), kSlotCount, std::string("0"));
  model.SlotSizeCodes.fill(kSizeNormal);
}

void SetNewConfigSettings(Model& model) {
  model.StartScreenSaverOnIconClick = false;
  model.TrayAfterRun = false;
  model.LoadListAtStartup = true;
  model.ImeOnPerProgram = true;
  model.DefaultDataFile = model.InitialDataFile;
  model.LaunchInterval = kDefaultLaunchInterval;
  model.ResourceLimit = kDefaultResourceLimit;
}

}  // namespace qvn
