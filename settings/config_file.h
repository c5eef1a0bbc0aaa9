// The configuration file Config.qvc: the seven environment settings, one per
// line, in the ANSI code page with CR LF after every line:
//
//   1 StartScreenSaverOnIconClick  "TRUE" or "FALSE"
//   2 TrayAfterRun                 "TRUE" or "FALSE"
//   3 LoadListAtStartup            "TRUE" or "FALSE"
//   4 ImeOnPerProgram              "TRUE" or "FALSE"
//   5 DefaultDataFile              full path; "NULL" when read means InitialDataFile
//   6 LaunchInterval               decimal; "NULL" when read means 5000
//   7 ResourceLimit                decimal; "NULL" when read means 35
#pragma once

#include <optional>
#include <string>

#include "core/errors.h"
#include "core/file_system.h"
#include "core/model.h"

namespace qvn {

// The content of a new configuration file whose default list is
// `initialDataFile`.
std::string DefaultConfigText(const std::string& initialDataFile);

// Creates ConfigFile with the default settings when it does not exist; an
// existing file is left alone. The settings in memory do not change. A file
// that cannot be made is NotSaved.
[[nodiscard]] std::optional<Error> CreateDefaultConfigFile(const Model& model, FileSystem& files);

// Reads ConfigFile into the seven settings; a missing file changes nothing.
//
// While the file has lines left, a group of seven lines is read and applied
// line by line, so a longer file is read again and again and its last group
// decides; a group that runs past the end reads empty lines. A flag is on
// exactly when its line is "TRUE". Lines 6 and 7 must be "NULL" or an integer
// by ParseIntegerText: any other text stops the reading at that line with
// NotAnInteger, and the settings applied before it keep their new values.
[[nodiscard]] std::optional<Error> ReadConfigFile(Model& model, FileSystem& files);

// Rewrites all seven lines of ConfigFile from the settings in memory. A file
// deleted since start-up is made again, so that saved settings are never
// kept in memory only; a file that cannot be made is reported like one that
// cannot be written (NotSaved).
[[nodiscard]] std::optional<Error> WriteConfigFile(const Model& model, FileSystem& files);

}  // namespace qvn
