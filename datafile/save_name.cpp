#include "datafile/save_name.h"

#include "datafile/data_file.h"

namespace qvn {
namespace {

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";

std::size_t CharacterCount(std::string_view text, LeadByteRule isLeadByte) {
  std::size_t count = 0;
  ForEachCharacter(text, isLeadByte, [&](std::size_t, unsigned char) { ++count; });
  return count;
}

bool HasForbiddenCharacter(std::string_view name, LeadByteRule isLeadByte) {
  // The test is per character: in Shift-JIS the trail byte of ソ or 表 is
  // 0x5C, the code of "\", and such a name is fine.
  bool forbidden = false;
  ForEachCharacter(name, isLeadByte, [&](std::size_t, unsigned char byte) {
    if (isLeadByte(byte)) return;
    if (byte < 0x20 ||
        kForbiddenCharacters.find(static_cast<char>(byte)) != std::string_view::npos) {
      forbidden = true;
    }
  });
  return forbidden;
}

// True when the last character of `text` lacks its second byte: such a name
// would take the "." of the extension added to it as that byte.
bool EndsInHalfACharacter(std::string_view text, LeadByteRule isLeadByte) {
  bool half = false;
  ForEachCharacter(text, isLeadByte, [&](std::size_t i, unsigned char byte) {
    half = isLeadByte(byte) && i + 1 == text.size();
  });
  return half;
}

// Windows takes a file whose name, up to its first "." and without the
// spaces before it, is a device name for that device: "con.qvl" and
// "Nul .a.qvl" both name a device, not a file.
bool IsDeviceName(std::string_view fileName, LeadByteRule isLeadByte) {
  std::size_t dot = fileName.size();
  ForEachCharacter(fileName, isLeadByte, [&](std::size_t i, unsigned char byte) {
    if (byte == '.' && dot == fileName.size()) dot = i;
  });
  std::string_view stem = fileName.substr(0, dot);
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  for (const std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
    if (EqualsIgnoringAsciiCase(stem, device, isLeadByte)) return true;
  }
  for (const std::string port : {"COM", "LPT"}) {
    for (char digit = '1'; digit <= '9'; ++digit) {
      if (EqualsIgnoringAsciiCase(stem, port + digit, isLeadByte)) return true;
    }
  }
  return false;
}

}  // namespace

SaveNameProblem CheckSaveName(const Model& model, std::wstring_view typed,
                              const std::optional<std::string>& name, LeadByteRule isLeadByte) {
  if (typed.empty()) return SaveNameProblem::kEmpty;
  if (!name || EndsInHalfACharacter(*name, isLeadByte)) return SaveNameProblem::kNotInCodePage;
  if (HasForbiddenCharacter(*name, isLeadByte)) return SaveNameProblem::kForbiddenCharacter;
  const std::string path = DataFilePath(model, *name, isLeadByte);
  const std::string fileName = path.substr(model.ProgramFolder.size());
  if (IsDeviceName(fileName, isLeadByte)) return SaveNameProblem::kReservedName;
  if (CharacterCount(path, isLeadByte) > kMaxPathLength) return SaveNameProblem::kTooLong;
  return SaveNameProblem::kNone;
}

bool SaveReplacesFile(const Model& model, FileSystem& files, std::string_view name,
                      LeadByteRule isLeadByte) {
  return files.Exists(DataFilePath(model, name, isLeadByte));
}

}  // namespace qvn
