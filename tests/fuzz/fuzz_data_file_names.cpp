// Feeds any bytes, as lines, to the names made from a launch list and to the
// open dialog's handling of the listed files: the first eight lines are the
// slots' program paths, the others names of files in the program folder
// (C:\ソ\, whose ソ ends in the byte of "\").
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "datafile/deletion.h"
#include "datafile/file_list.h"
#include "tests/fuzz/name_checks.h"
#include "tests/native/fake_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qvn;
  using qvnfuzz::CharactersOf;
  using qvnfuzz::Check;
  using qvnfuzz::IsLead;
  qvntest::FakeFileSystem files;
  Model model;
  model.ProgramFolder = "C:\\\x83\x5C\\";
  model.InitialDataFile = model.ProgramFolder + "Start.qvl";

  SlotPaths paths;
  std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
  std::string text;
  for (int line = 0; std::getline(lines, text); ++line) {
    if (line < kSlotCount) {
      paths[line] = text;
    } else {
      files.files[model.ProgramFolder + text] = "";
    }
  }

  // The proposed name is the programs' names joined by "_", each cut between
  // characters. The save checks accept it, or refuse it for a cause that
  // the programs' names carry.
  qvnfuzz::Characters parts;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (paths[slot].empty()) continue;
    const auto part = CharactersOf(RemoveExtension(FileNamePart(paths[slot], IsLead), IsLead));
    parts.count += part.count + (slot > 0 ? 1 : 0);
    parts.whole = parts.whole && part.whole;
    parts.found = parts.found || part.found;
  }
  const std::string suggested = SuggestDataFileName(paths, IsLead);
  const auto name = CharactersOf(suggested);
  const auto problem = qvnfuzz::CheckedSaveName(model, suggested);
  Check(!parts.whole ||
        (name.whole && name.count == parts.count && problem != SaveNameProblem::kNotInCodePage));
  Check(parts.found || problem != SaveNameProblem::kForbiddenCharacter);

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
    Check(FolderPart(opened, IsLead) == model.ProgramFolder &&
          EqualsIgnoringAsciiCase(opened, listed, IsLead));
    Check(IsEntryOf(entry, opened, IsLead));
    Check(PreviewOf(files, listed).ok());

    model.CurrentDataFile = opened;
    Check(RefusalToDelete(model, files, listed, IsLead) == DeletionRefusal::kCurrentFile);
  }
  return 0;
}
