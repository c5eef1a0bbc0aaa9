#include "core/model.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(SlotModel, AnEmptyListReadsAsEightUnsetSlots) {
  Model model;
  for (int i = 0; i < kSlotCount; ++i) {
    EXPECT_EQ(SlotPath(model, i), "");
    EXPECT_FALSE(IsSlotSet(model, i));
  }
}

TEST(SlotModel, UnsetSlotsAreSixteenEntriesWithNormalCodes) {
  Model model;
  model.SlotList = {"x"};
  model.SlotSizeCodes.fill(2);
  SetUnsetSlots(model);
  ASSERT_EQ(model.SlotList.size(), 16u);
  for (int i = 0; i < kSlotCount; ++i) {
    EXPECT_EQ(model.SlotList[i], "");
    EXPECT_EQ(model.SlotList[8 + i], "0");
    EXPECT_EQ(model.SlotSizeCodes[i], kSizeNormal);
  }
}

TEST(SlotModel, ASlotIsSetWhenItsPathIsNotEmpty) {
  Model model;
  SetUnsetSlots(model);
  model.SlotList[2] = "C:\\Tools\\edit.exe";
  model.SlotList[3] = "null";
  EXPECT_TRUE(IsSlotSet(model, 2));
  EXPECT_TRUE(IsSlotSet(model, 3));
  EXPECT_FALSE(IsSlotSet(model, 0));
  EXPECT_FALSE(IsSlotSet(model, 8));  // beyond the eight slots
  EXPECT_FALSE(IsSlotSet(model, -1));
}

}  // namespace
}  // namespace qvn
