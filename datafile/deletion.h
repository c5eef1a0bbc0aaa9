// Whether the open dialog may delete a data file. Three files have a role
// the program relies on (the current, the default and the initial list) and
// are never deleted; a file that is gone cannot be.
#pragma once

#include <string>

#include "core/file_system.h"
#include "core/model.h"
#include "core/path_names.h"

namespace qvn {

// Why a deletion is refused, in the order the reasons are tested: the first
// that applies is the one the user is told.
enum class DeletionRefusal {
  kNone,         // the file may be deleted (after the user confirmed it)
  kMissing,      // there is no such file
  kCurrentFile,  // the file is CurrentDataFile
  kDefaultFile,  // the file is DefaultDataFile
  kInitialFile,  // the file is InitialDataFile
};

// The refusal for deleting the file at `path` (ProgramFolder + a list
// entry). Paths are compared as the file system compares them, without
// regard to letter case: "EDIT.qvl" is the current file "edit.qvl".
DeletionRefusal RefusalToDelete(const Model& model, FileSystem& files, const std::string& path,
                                LeadByteRule isLeadByte);

}  // namespace qvn
