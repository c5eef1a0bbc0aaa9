#include "settings/config_file.h"

#include <string_view>

#include "core/integer_text.h"
#include "core/line_reader.h"

namespace qvn {
namespace {

constexpr std::string_view kTrue = "TRUE";
constexpr std::string_view kFalse = "FALSE";

// The text of the seven lines, each with its CR LF.
std::string ConfigText(bool screenSaver, bool trayAfterRun, bool loadList, bool imeOn,
                       const std::string& defaultDataFile, std::int32_t interval,
                       std::int32_t limit) {
  std::string text;
  for (const bool flag : {screenSaver, trayAfterRun, loadList, imeOn}) {
    text += flag ? kTrue : kFalse;
    text += kLineBreak;
  }
  text += defaultDataFile;
  text += kLineBreak;
  text += std::to_string(interval);
  text += kLineBreak;
  text += std::to_string(limit);
  text += kLineBreak;
  return text;
}

// Sets `value` from line 6 or 7: "NULL" gives the default, any other text
// must be an integer.
std::optional<Error> ApplyNumberLine(std::string line, std::int32_t whenNull, std::int32_t& value) {
  if (line == kNullText) {
    value = whenNull;
    return std::nullopt;
  }
  const auto number = ParseIntegerText(line);
  if (!number) return NotAnInteger{std::move(line)};
  value = *number;
  return std::nullopt;
}

}  // namespace

std::string DefaultConfigText(const std::string& initialDataFile) {
  return ConfigText(false, false, true, true, initialDataFile, kDefaultLaunchInterval,
                    kDefaultResourceLimit);
}

std::optional<Error> CreateDefaultConfigFile(const Model& model, FileSystem& files) {
  if (files.Exists(model.ConfigFile)) return std::nullopt;
  if (auto error = files.ReplaceWith(model.ConfigFile, DefaultConfigText(model.InitialDataFile))) {
    return NotSaved{model.ConfigFile, *error};
  }
  return std::nullopt;
}

std::optional<Error> ReadConfigFile(Model& model, FileSystem& files) {
  if (!files.Exists(model.ConfigFile)) return std::nullopt;
  auto content = files.ReadAll(model.ConfigFile);
  if (!content.ok()) return content.error();
  LineReader reader(content.value());

  // The end is tested only before a group: every group applies all seven
  // lines, reading empty ones past the end.
  while (!reader.AtEnd()) {
    model.StartScreenSaverOnIconClick = reader.ReadLine() == kTrue;
    model.TrayAfterRun = reader.ReadLine() == kTrue;
    model.LoadListAtStartup = reader.ReadLine() == kTrue;
    model.ImeOnPerProgram = reader.ReadLine() == kTrue;
    std::string defaultDataFile = reader.ReadLine();
    model.DefaultDataFile =
        defaultDataFile == kNullText ? model.InitialDataFile : std::move(defaultDataFile);
    if (auto error =
            ApplyNumberLine(reader.ReadLine(), kDefaultLaunchInterval, model.LaunchInterval)) {
      return error;
    }
    if (auto error =
            ApplyNumberLine(reader.ReadLine(), kDefaultResourceLimit, model.ResourceLimit)) {
      return error;
    }
  }
  return std::nullopt;
}

std::optional<Error> WriteConfigFile(const Model& model, FileSystem& files) {
  const std::string text = ConfigText(
      model.StartScreenSaverOnIconClick, model.TrayAfterRun, model.LoadListAtStartup,
      model.ImeOnPerProgram, model.DefaultDataFile, model.LaunchInterval, model.ResourceLimit);
  if (auto error = files.ReplaceWith(model.ConfigFile, text))
    return NotSaved{model.ConfigFile, *error};
  return std::nullopt;
}

}  // namespace qvn
