// Feeds any bytes, as lines, to the names made from a launch list and to the
// open dialog's handling of the listed files: the first eight lines are the
// slots' program paths, the others names of files in the program folder
// (C:\ソ\, whose ソ ends in the byte of "\").
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "datafile/deletion.h"
#include "datafile/file_list.h"
#include "tests/fuzz/name_checks.h"
#include "tests/native/fake_file_system.h"

namespace {

using qvnfuzz::Check;
using qvnfuzz::IsLead;

// The proposed name is the programs' names joined by "_", each cut between
// characters. The save checks accept it, or refuse it for a cause that
// the programs' names carry.
void CheckSuggestion(const qvn::Model& model, const qvn::SlotPaths& paths) {
  const std::string name = qvn::SuggestDataFileName(paths, IsLead);
  bool whole = true, forbidden = false;
  std::size_t characters = 0;
  for (int slot = 0; slot < qvn::kSlotCount; ++slot) {
    if (paths[slot].empty()) continue;
    const std::string part = qvn::RemoveExtension(qvn::FileNamePart(paths[slot], IsLead), IsLead);
    whole = whole && qvnfuzz::IsWholeCharacters(part);
    forbidden = forbidden || qvnfuzz::HasCharacterOf(part, "/*?\"<>|", true);
    characters += qvnfuzz::CharacterCount(part) + (slot > 0 ? 1 : 0);
  }
  if (whole) Check(qvnfuzz::IsWholeCharacters(name) && qvnfuzz::CharacterCount(name) == characters);
  const auto problem = qvnfuzz::CheckedSaveName(model, name);
  Check(qvnfuzz::HasItsCause(model, name, problem));
  if (whole) Check(problem != qvn::SaveNameProblem::kNotInCodePage);
  if (!forbidden) Check(problem != qvn::SaveNameProblem::kForbiddenCharacter);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qvn;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  qvntest::FakeFileSystem files;
  Model model;
  model.ProgramFolder = "C:\\\x83\x5C\\";
  model.InitialDataFile = model.ProgramFolder + "Start.qvl";

  SlotPaths paths;
  std::size_t line = 0;
  for (std::size_t at = 0; at <= input.size(); ++line) {
    const std::size_t end = std::min(input.find('\n', at), input.size());
    const std::string text(input.substr(at, end - at));
    if (line < kSlotCount) {
      paths[line] = text;
    } else {
      files.files[model.ProgramFolder + text] = "";
    }
    at = end + 1;
  }
  CheckSuggestion(model, paths);

  // Every listed entry is a ".qvl" file of the folder: opening it reads the
  // file in that folder, it stays selected after the open whatever the
  // letter case of its name, and as the current file it is refused for
  // deletion. (The first 16 entries: each is compared with all the others.)
  const auto entries = ListDataFiles(model, files, IsLead);
  for (std::size_t i = 0; i < std::min<std::size_t>(entries.size(), 16); ++i) {
    const std::string& entry = entries[i];
    const std::string listed = model.ProgramFolder + entry;
    Check(FolderPart(listed, IsLead) == model.ProgramFolder && files.Exists(listed));
    Check(EqualsIgnoringAsciiCase(ExtensionPart(entry, IsLead), ".qvl", IsLead));
    const std::string opened = DataFilePath(model, entry, IsLead);
    Check(FolderPart(opened, IsLead) == model.ProgramFolder);
    Check(EqualsIgnoringAsciiCase(opened, listed, IsLead));
    Check(IsEntryOf(entry, opened, IsLead));
    Check(PreviewOf(files, listed).ok());

    model.CurrentDataFile = opened;
    Check(RefusalToDelete(model, files, listed, IsLead) == DeletionRefusal::kCurrentFile);
  }
  return 0;
}
