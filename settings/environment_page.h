// The environment page of the settings dialog apart from its window: what its
// controls show when the dialog opens, and what its save button checks and
// changes. The window copies its controls into an EnvironmentPage and shows
// the refusals in its own words.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "core/errors.h"
#include "core/file_system.h"
#include "core/model.h"
#include "core/path_names.h"

namespace qvn {

// The smallest values the page saves. The interval's offered items start at
// this value too.
constexpr std::int32_t kLowestLaunchInterval = 1000;
constexpr std::int32_t kLowestResourceLimit = 30;

// The page's controls, as the dialog creates them until the settings are
// filled in.
struct EnvironmentPage {
  bool CheckBoxG1 = false;  // StartScreenSaverOnIconClick
  bool CheckBoxG2 = false;  // TrayAfterRun
  bool CheckBoxS1 = true;   // LoadListAtStartup
  bool CheckBoxS2 = true;   // ImeOnPerProgram
  // The default list's file name without its folder, in the ANSI code page.
  std::string EditSFName;
  // The two number boxes as typed.
  std::wstring ComboBoxInterval = L"5000";
  std::wstring ComboBoxResource = L"35";

  friend bool operator==(const EnvironmentPage&, const EnvironmentPage&) = default;
};

// Why a save changed nothing. A text that is not an integer goes to the
// default error box; the two bounds have plain messages of their own.
struct TypedNotAnInteger {
  std::wstring text;
  friend bool operator==(const TypedNotAnInteger&, const TypedNotAnInteger&) = default;
};
struct IntervalTooShort {
  friend bool operator==(const IntervalTooShort&, const IntervalTooShort&) = default;
};
struct ResourceLimitTooLow {
  friend bool operator==(const ResourceLimitTooLow&, const ResourceLimitTooLow&) = default;
};

// What kept a save from being done: a refusal of the checks (nothing has
// changed), or an error writing the configuration file (the settings in
// memory have changed already).
using EnvironmentSaveProblem =
    std::variant<TypedNotAnInteger, IntervalTooShort, ResourceLimitTooLow, Error>;

// The page as the dialog opens on the settings in memory: the four flags, the
// file-name part of DefaultDataFile (empty when there is none) and the two
// numbers in decimal, whether or not they are among the offered items.
EnvironmentPage EnvironmentPageFor(const Model& model, LeadByteRule isLeadByte);

// The name 初期化 puts into the default-file box: that of InitialDataFile.
std::string InitialDataFileName(const Model& model, LeadByteRule isLeadByte);

// The save button. The checks run in this order and the first that fails
// ends the save with nothing changed: the interval is an integer, it is at
// least kLowestLaunchInterval, the limit is an integer, it is at least
// kLowestResourceLimit. There is no upper bound. Then the controls become
// the settings (DefaultDataFile is ProgramFolder + the default-file box,
// whether or not that box is enabled) and WriteConfigFile rewrites the
// configuration file.
[[nodiscard]] std::optional<EnvironmentSaveProblem> SaveEnvironmentPage(
    Model& model, FileSystem& files, const EnvironmentPage& page);

}  // namespace qvn
