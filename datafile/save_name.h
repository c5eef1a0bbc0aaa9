// The name typed into the save dialog: whether the file system can take it,
// and whether saving under it replaces a file that is there already.
//
// A name is turned into the file to write by DataFilePath: ProgramFolder +
// the name without its extension + ".qvl". Every test below is made on that
// file, so a name taken from the list ("Start.qvl") or typed with another
// extension ("Start.txt") is judged by the file it really writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/file_system.h"
#include "core/model.h"
#include "core/path_names.h"

namespace qvn {

// Why a typed name cannot be saved under, in the order the reasons are tested.
enum class SaveNameProblem {
  kNone,
  kEmpty,               // nothing typed: the save buttons do nothing
  kNotInCodePage,       // a character the ANSI code page cannot hold, or half of one
  kForbiddenCharacter,  // one of \ / : * ? " < > |, or a control character
  kReservedName,        // a device name: CON, PRN, AUX, NUL, COM1 to 9, LPT1 to 9
  kTooLong,             // the file's path is longer than the system takes
};

// The longest path, in characters, that the system's file functions take
// (MAX_PATH less the terminating zero).
inline constexpr std::size_t kMaxPathLength = 259;

// `typed` is the text of the name box; `name` the same text in the ANSI code
// page, or nothing when a character of it has no exact counterpart there.
SaveNameProblem CheckSaveName(const Model& model, std::wstring_view typed,
                              const std::optional<std::string>& name, LeadByteRule isLeadByte);

// True when saving under `name` replaces an existing file: the file system
// is asked for the file DataFilePath gives, so names are compared as the
// file system compares them (on Windows without regard to letter case).
bool SaveReplacesFile(const Model& model, FileSystem& files, std::string_view name,
                      LeadByteRule isLeadByte);

}  // namespace qvn
