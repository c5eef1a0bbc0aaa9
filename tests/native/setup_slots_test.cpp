#include "settings/setup_slots.h"

#include <gtest/gtest.h>

#include <memory>

namespace qvn {
namespace {

// An icon that tells when no row holds it any more.
using Icon = std::shared_ptr<int>;
using Rows = SetupSlots<Icon>;

std::vector<std::string> SizeTexts(const Model& model) {
  return {model.SlotList.begin() + kSlotCount, model.SlotList.end()};
}

// No.1 edit.exe maximised, No.3 mailer.exe minimised, the others empty.
class SetupSlotsTest : public ::testing::Test {
 protected:
  SetupSlotsTest() {
    model.SlotList = {"C:\\Tools\\edit.exe",
                      "",
                      "D:\\Mail\\mailer.exe",
                      "",
                      "",
                      "",
                      "",
                      "",
                      "1",
                      "0",
                      "2",
                      "0",
                      "0",
                      "0",
                      "0",
                      "0"};
    model.SlotSizeCodes = {1, 0, 2, 0, 0, 0, 0, 0};
    rows = SetupSlotsFor<Icon>(model, [&](int k) { return mainIcons[k]; });
  }

  Model model;
  std::array<Icon, kSlotCount> mainIcons{std::make_shared<int>(0), nullptr,
                                         std::make_shared<int>(2)};
  Rows rows;
};

TEST_F(SetupSlotsTest, OpeningCopiesPathsIconsAndSizes) {
  EXPECT_EQ(rows[0].path, "C:\\Tools\\edit.exe");
  EXPECT_EQ(rows[0].icon, mainIcons[0]);
  EXPECT_EQ(rows[2].sizeCode, kSizeMinimized);
  EXPECT_EQ(rows[1].path, "");

  model.SlotList.clear();  // a start-up that found no default list
  const Rows empty = SetupSlotsFor<Icon>(model, [&](int k) { return mainIcons[k]; });
  for (const auto& row : empty) {
    EXPECT_TRUE(row.path.empty() && row.icon == nullptr && row.sizeCode == kSizeNormal);
  }
}

TEST_F(SetupSlotsTest, ClearResetsAFilledSlotAndLeavesAnEmptyOne) {
  rows[1].sizeCode = kSizeMaximized;  // an empty slot showing 最大
  ClearSetupSlot(rows, 1);
  EXPECT_EQ(rows[1].sizeCode, kSizeMaximized);

  ClearSetupSlot(rows, 0);
  EXPECT_EQ(rows[0].path, "");
  EXPECT_EQ(rows[0].icon, nullptr);
  EXPECT_EQ(rows[0].sizeCode, kSizeNormal);
  EXPECT_EQ(mainIcons[0].use_count(), 1) << "the row still holds the icon";

  rows[1].sizeCode = kSizeMaximized;
  ClearAllSetupSlots(rows);
  for (const auto& row : rows) {
    EXPECT_TRUE(row.path.empty() && row.icon == nullptr && row.sizeCode == kSizeNormal);
  }
}

TEST_F(SetupSlotsTest, ASwapMovesPathIconAndSizeSoAnEmptyNo1RefusesTheSave) {
  EXPECT_FALSE(SaveRefusedForEmptyFirstSlot(rows));
  SwapSetupSlots(rows, 0);
  EXPECT_EQ(rows[1].path, "C:\\Tools\\edit.exe");
  EXPECT_EQ(rows[1].icon, mainIcons[0]);
  EXPECT_EQ(rows[1].sizeCode, kSizeMaximized);
  EXPECT_EQ(rows[0].path, "");
  EXPECT_EQ(rows[0].icon, nullptr);
  EXPECT_TRUE(SaveRefusedForEmptyFirstSlot(rows));

  SwapSetupSlots(rows, 6);  // the last pair
  EXPECT_EQ(rows[7].path, "");
}

TEST_F(SetupSlotsTest, ApplyPutsEachSlotsOwnCodeAfterTheEightPaths) {
  model.CurrentDataFile = "C:\\Q\\Start.qvl";
  SwapSetupSlots(rows, 1);  // No.2 <-> No.3
  rows[7].sizeCode = kSizeMaximized;
  ApplySlotList(model, PathsOf(rows), SizeCodesOf(rows));
  ASSERT_EQ(model.SlotList.size(), 16u);
  EXPECT_EQ(model.SlotList[1], "D:\\Mail\\mailer.exe");
  EXPECT_EQ(model.SlotList[2], "");
  EXPECT_EQ(SizeTexts(model), (std::vector<std::string>{"1", "2", "0", "0", "0", "0", "0", "1"}));
  EXPECT_EQ(model.SlotSizeCodes, (std::array<std::int32_t, kSlotCount>{1, 2, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(model.CurrentDataFile, "C:\\Q\\Start.qvl");

  ClearAllSetupSlots(rows);
  ApplySlotList(model, PathsOf(rows), SizeCodesOf(rows));
  std::vector<std::string> unset(kSlotCount, "");
  unset.insert(unset.end(), kSlotCount, "0");
  EXPECT_EQ(model.SlotList, unset);
}

}  // namespace
}  // namespace qvn
