// Feeds any bytes, as a typed name, to the save dialog's checks and to the
// question whether saving replaces a file. The first byte picks the program
// folder: short, with ソ and ポ (second bytes 0x5C and 0x7C) in it, or so long
// that few names fit.
#include <cstddef>
#include <cstdint>
#include <string>

#include "datafile/save_name.h"
#include "tests/fuzz/name_checks.h"
#include "tests/native/fake_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qvn;
  using qvnfuzz::Check;
  using qvnfuzz::IsLead;
  if (size == 0) return 0;
  const std::string folders[] = {"C:\\Q\\", "C:\\\x83\x5C\x83\x7C\\",
                                 "D:\\" + std::string(240, 'f') + "\\"};
  Model model;
  model.ProgramFolder = folders[data[0] % 3];
  const std::string name(reinterpret_cast<const char*>(data) + 1, size - 1);

  const SaveNameProblem problem = qvnfuzz::CheckedSaveName(model, name);

  // Saving replaces a file exactly when the file the name writes is there:
  // a listed entry, taken with or without its extension, or typed with
  // another one.
  qvntest::FakeFileSystem files;
  const std::string written = DataFilePath(model, name, IsLead);
  Check(!SaveReplacesFile(model, files, name, IsLead));
  files.files[model.ProgramFolder + "Start.qvl"] = "";
  files.files[written] = "";
  Check(SaveReplacesFile(model, files, name, IsLead));
  for (const auto& entry : ListDataFiles(model, files, IsLead)) {
    Check(SaveReplacesFile(model, files, entry, IsLead));
    Check(SaveReplacesFile(model, files, RemoveExtension(entry, IsLead) + ".txt", IsLead));
  }
  if (problem == SaveNameProblem::kNone && written != model.ProgramFolder + "Start.qvl") {
    files.files.erase(written);
    Check(!SaveReplacesFile(model, files, name, IsLead));
  }
  return 0;
}
