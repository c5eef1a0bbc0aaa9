// Feeds any bytes to the reader of the configuration file. A read either
// works, and then the settings write out and read back the same, or stops at
// a number line with the text that is no integer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>

#include "core/integer_text.h"
#include "settings/config_file.h"
#include "tests/native/fake_file_system.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

auto SettingsOf(const qvn::Model& model) {
  return std::tie(model.StartScreenSaverOnIconClick, model.TrayAfterRun, model.LoadListAtStartup,
                  model.ImeOnPerProgram, model.DefaultDataFile, model.LaunchInterval,
                  model.ResourceLimit);
}

qvn::Model ModelInFolder() {
  qvn::Model model;
  model.ProgramFolder = "C:\\Q\\";
  model.InitialDataFile = "C:\\Q\\Start.qvl";
  model.ConfigFile = "C:\\Q\\Config.qvc";
  return model;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qvn;
  qvntest::FakeFileSystem files;
  Model model = ModelInFolder();
  files.files[model.ConfigFile] = std::string(reinterpret_cast<const char*>(data), size);

  const auto error = ReadConfigFile(model, files);
  if (error) {
    Check(std::holds_alternative<NotAnInteger>(*error));
    const std::string& text = std::get<NotAnInteger>(*error).text;
    Check(text != "NULL" && !ParseIntegerText(text));
    Check(text.find_first_of("\r\n\x1A") == std::string::npos);
    return 0;
  }
  Check(model.DefaultDataFile.find_first_of("\r\n\x1A") == std::string::npos);

  Check(!WriteConfigFile(model, files));
  const std::string& written = files.files[model.ConfigFile];
  std::size_t breaks = 0;
  for (std::size_t at = written.find("\r\n"); at != std::string::npos;
       at = written.find("\r\n", at + 2)) {
    ++breaks;
  }
  Check(breaks == 7 && written.ends_with("\r\n"));

  Model again = ModelInFolder();
  again.LaunchInterval = -7;
  again.DefaultDataFile = "other";
  Check(!ReadConfigFile(again, files));
  Check(SettingsOf(again) == SettingsOf(model));
  // Written again from what was read back, the file has the same bytes.
  const std::string first = written;
  Check(!WriteConfigFile(again, files));
  Check(files.files[again.ConfigFile] == first);
  return 0;
}
