#include "datafile/save_name.h"

#include <array>

#include "datafile/data_file.h"

namespace qvn {
namespace {

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";

// Calls `visit` with each character of `text`: one byte, or a lead byte with
// its trail byte. False as soon as `visit` answers false.
template <typename Visit>
bool EachCharacter(std::string_view text, LeadByteRule isLeadByte, Visit visit) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length =
        isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    if (!visit(text.substr(i, length))) return false;
    i += length;
  }
  return true;
}

std::size_t CharacterCount(std::string_view text, LeadByteRule isLeadByte) {
  std::size_t count = 0;
  EachCharacter(text, isLeadByte, [&](std::string_view) { return ++count, true; });
  return count;
}

bool HasForbiddenCharacter(std::string_view name, LeadByteRule isLeadByte) {
  // The test is per character: in Shift-JIS the trail byte of ソ or 表 is
  // 0x5C, the code of "\", and such a name is fine.
  return !EachCharacter(name, isLeadByte, [](std::string_view character) {
    if (character.size() != 1) return true;
    const auto byte = static_cast<unsigned char>(character[0]);
    return byte >= 0x20 && kForbiddenCharacters.find(character[0]) == std::string_view::npos;
  });
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Windows takes a file whose name, up to its first "." and without the
// spaces before it, is a device name for that device: "con.qvl" and
// "Nul .a.qvl" both name a device, not a file.
bool IsDeviceName(std::string_view fileName) {
  std::string_view stem = fileName.substr(0, fileName.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  std::string upper;
  for (const char c : stem) upper += Upper(c);
  constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  for (const auto device : kDevices) {
    if (upper == device) return true;
  }
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

SaveNameProblem CheckSaveName(const Model& model, std::wstring_view typed,
                              const std::optional<std::string>& name, LeadByteRule isLeadByte) {
  if (typed.empty()) return SaveNameProblem::kEmpty;
  if (!name) return SaveNameProblem::kNotInCodePage;
  if (HasForbiddenCharacter(*name, isLeadByte)) return SaveNameProblem::kForbiddenCharacter;
  const std::string path = DataFilePath(model, *name, isLeadByte);
  const std::string fileName = path.substr(model.ProgramFolder.size());
  if (IsDeviceName(fileName)) return SaveNameProblem::kReservedName;
  if (CharacterCount(path, isLeadByte) > kMaxPathLength) return SaveNameProblem::kTooLong;
  return SaveNameProblem::kNone;
}

bool SaveReplacesFile(const Model& model, FileSystem& files, std::string_view name,
                      LeadByteRule isLeadByte) {
  return files.Exists(DataFilePath(model, name, isLeadByte));
}

}  // namespace qvn
