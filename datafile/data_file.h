// Launch-list data files ("*.qvl" in the program's folder): reading,
// writing, listing and naming them.
//
// A data file is 16 lines of ANSI text, each ending with CR LF: the paths of
// slots No.1 to No.8 ("NULL" for an empty slot), then their window-size codes
// in decimal. Lines are read by the rules of LineReader.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "core/file_system.h"
#include "core/model.h"
#include "core/path_names.h"

namespace qvn {

inline constexpr std::string_view kDataFileExtension = ".qvl";
inline constexpr std::string_view kDataFilePattern = "*.qvl";

using SlotPaths = std::array<std::string, kSlotCount>;
using SlotCodes = std::array<std::int32_t, kSlotCount>;

// Reads the whole file at `path` into SlotList (16 entries) and
// SlotSizeCodes. A path line "NULL" (exactly) is an empty slot; any other
// line, an empty one included, is the path as it stands. A size line is kept
// as its text and must be an integer by ParseIntegerText, an empty line
// included; its value is taken without a range test ("7" loads as 7). The
// model is changed only when the whole file was read: on an error it stays
// as it was. CurrentDataFile and the main window are left to the caller.
[[nodiscard]] std::optional<Error> LoadDataFile(Model& model, FileSystem& files,
                                                const std::string& path);

// The eight slot paths of the file at `path` (empty for an empty slot), for
// previews. The size lines are not read, so a file of only the eight path
// lines reads without complaint: only the file itself can fail.
Result<SlotPaths, FileError> ReadDataFilePaths(FileSystem& files, const std::string& path);

// Makes the file at `path` hold the given list: each path, or "NULL" for an
// empty one, then each code in plain decimal, all with CR LF. The file is
// replaced as a whole (FileSystem::ReplaceWith); one that cannot be is
// NotSaved, with its path.
[[nodiscard]] std::optional<Error> WriteDataFile(FileSystem& files, const std::string& path,
                                                 const SlotPaths& paths, const SlotCodes& codes);

// Creates InitialDataFile with eight empty slots in a normal window when it
// does not exist; an existing one is left alone.
[[nodiscard]] std::optional<Error> CreateInitialDataFile(const Model& model, FileSystem& files);

// The names, with their extension, of the data files in ProgramFolder, in
// the order the platform finds them (the dialogs' sorted list boxes order
// them). A name is taken when its extension is ".qvl" in any letter case;
// hidden, system and read-only files count.
std::vector<std::string> ListDataFiles(const Model& model, FileSystem& files,
                                       LeadByteRule isLeadByte);

// ProgramFolder + `name` without its extension + ".qvl": the file of a list
// entry ("Start.qvl"), or the file to write for a typed name ("report",
// "a.b" gives a.qvl).
std::string DataFilePath(const Model& model, std::string_view name, LeadByteRule isLeadByte);

// The name proposed for saving a list: the file name, without extension, of
// slot No.1's program, then "_" and the same for each later set slot. Empty
// slots add nothing, not even the "_".
std::string SuggestDataFileName(const SlotPaths& paths, LeadByteRule isLeadByte);

}  // namespace qvn
