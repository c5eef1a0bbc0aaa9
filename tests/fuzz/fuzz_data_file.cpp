// Feeds any bytes to the readers of a launch-list data file and checks what
// they promise: a load fills 16 entries whose codes match their texts, or
// changes nothing; the preview always reads; what was loaded writes and
// reads back the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/integer_text.h"
#include "core/line_reader.h"
#include "datafile/data_file.h"
#include "tests/native/fake_file_system.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool HasLineBreakOrEnd(const std::string& text) {
  return text.find_first_of("\r\n\x1A") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qvn;
  const std::string folder = "C:\\\x83\x5C\\";
  const std::string path = folder + "list.qvl";
  qvntest::FakeFileSystem files;
  files.files[path] = std::string(reinterpret_cast<const char*>(data), size);

  Model model;
  model.ProgramFolder = folder;
  model.SlotSizeCodes.fill(-99);
  const auto error = LoadDataFile(model, files, path);

  if (error) {
    // The file is there, so only a size line can have failed, and the model
    // is as it was: still without a list.
    Check(std::holds_alternative<NotAnInteger>(*error));
    Check(!ParseIntegerText(std::get<NotAnInteger>(*error).text));
    Check(model.SlotList.empty());
    for (const auto code : model.SlotSizeCodes) Check(code == -99);
  } else {
    Check(model.SlotList.size() == 2 * kSlotCount);
    for (int slot = 0; slot < kSlotCount; ++slot) {
      Check(model.SlotList[slot] != kNullText);
      Check(ParseIntegerText(model.SlotList[kSlotCount + slot]) == model.SlotSizeCodes[slot]);
    }
    for (const auto& entry : model.SlotList) Check(!HasLineBreakOrEnd(entry));
  }

  const auto paths = ReadDataFilePaths(files, path);
  Check(paths.ok());
  if (error) return 0;
  for (int slot = 0; slot < kSlotCount; ++slot) Check(paths.value()[slot] == model.SlotList[slot]);

  // Written out again, the list reads back the same, its codes now in plain
  // decimal.
  const std::string copy = folder + "copy.qvl";
  Check(!WriteDataFile(files, copy, paths.value(), model.SlotSizeCodes));
  Model again;
  Check(!LoadDataFile(again, files, copy));
  for (int slot = 0; slot < kSlotCount; ++slot) {
    Check(again.SlotList[slot] == model.SlotList[slot]);
    Check(again.SlotSizeCodes[slot] == model.SlotSizeCodes[slot]);
    Check(again.SlotList[kSlotCount + slot] == std::to_string(model.SlotSizeCodes[slot]));
  }
  // From then on the list and its file stay as they are: written once more
  // from what was read back, the file has the same bytes.
  const std::string second = folder + "second.qvl";
  SlotPaths againPaths;
  std::copy_n(again.SlotList.begin(), kSlotCount, againPaths.begin());
  Check(!WriteDataFile(files, second, againPaths, again.SlotSizeCodes));
  Check(files.files[second] == files.files[copy]);

  // The names made from the paths split them without reading past their ends.
  const std::string name = SuggestDataFileName(paths.value(), IsShiftJisLeadByte);
  Check(DataFilePath(model, name, IsShiftJisLeadByte).starts_with(folder));
  return 0;
}
