#include "datafile/data_file.h"

#include "core/integer_text.h"
#include "core/line_reader.h"

namespace qvn {
namespace {

std::string PathFromLine(std::string line) {
  if (line == kNullText) return std::string();
  return line;
}

// True when `name`'s extension is ".qvl" in any letter case.
bool HasDataFileExtension(std::string_view name, LeadByteRule isLeadByte) {
  return EqualsIgnoringAsciiCase(ExtensionPart(name, isLeadByte), kDataFileExtension, isLeadByte);
}

}  // namespace

std::optional<Error> LoadDataFile(Model& model, FileSystem& files, const std::string& path) {
  auto content = files.ReadAll(path);
  if (!content.ok()) return content.error();
  LineReader reader(content.value());

  std::vector<std::string> list;
  list.reserve(2 * kSlotCount);
  SlotCodes codes{};
  for (int slot = 0; slot < kSlotCount; ++slot) {
    list.push_back(PathFromLine(reader.ReadLine()));
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    std::string line = reader.ReadLine();
    const auto code = ParseIntegerText(line);
    if (!code) return NotAnInteger{std::move(line)};
    codes[slot] = *code;
    list.push_back(std::move(line));
  }

  model.SlotList = std::move(list);
  model.SlotSizeCodes = codes;
  return std::nullopt;
}

Result<SlotPaths, FileError> ReadDataFilePaths(FileSystem& files, const std::string& path) {
  auto content = files.ReadAll(path);
  if (!content.ok()) return content.error();
  LineReader reader(content.value());

  SlotPaths paths;
  for (auto& slotPath : paths) slotPath = PathFromLine(reader.ReadLine());
  return paths;
}

std::optional<Error> WriteDataFile(FileSystem& files, const std::string& path,
                                   const SlotPaths& paths, const SlotCodes& codes) {
  std::string bytes;
  for (const auto& slotPath : paths) {
    bytes += slotPath.empty() ? kNullText : std::string_view(slotPath);
    bytes += kLineBreak;
  }
  for (const auto code : codes) {
    bytes += std::to_string(code);
    bytes += kLineBreak;
  }
  if (auto error = files.ReplaceWith(path, bytes)) return NotSaved{path, *error};
  return std::nullopt;
}

std::optional<Error> CreateInitialDataFile(const Model& model, FileSystem& files) {
  if (files.Exists(model.InitialDataFile)) return std::nullopt;
  return WriteDataFile(files, model.InitialDataFile, SlotPaths{}, SlotCodes{});
}

std::vector<std::string> ListDataFiles(const Model& model, FileSystem& files,
                                       LeadByteRule isLeadByte) {
  // The platform's pattern can match more than its text says: Windows also
  // tries the short 8.3 name, so "*.qvl" finds "list.qvl2" through its short
  // name LIST~1.QVL. Only names that end in ".qvl" are data files.
  std::vector<std::string> names;
  for (auto& name : files.List(model.ProgramFolder, std::string(kDataFilePattern))) {
    if (HasDataFileExtension(name, isLeadByte)) names.push_back(std::move(name));
  }
  return names;
}

std::string DataFilePath(const Model& model, std::string_view name, LeadByteRule isLeadByte) {
  return model.ProgramFolder + RemoveExtension(name, isLeadByte) + std::string(kDataFileExtension);
}

std::string SuggestDataFileName(const SlotPaths& paths, LeadByteRule isLeadByte) {
  // Slot No.1 opens the name and each later set slot adds "_" and its name, so
  // a list whose slot No.1 is empty gives a name that starts with "_". (The
  // settings dialog saves no such list.)
  std::string name;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (paths[slot].empty()) continue;
    if (slot > 0) name += '_';
    name += RemoveExtension(FileNamePart(paths[slot], isLeadByte), isLeadByte);
  }
  return name;
}

}  // namespace qvn
