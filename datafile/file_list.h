// The open dialog's list of data files and its preview: which entry stands
// for a file, and which programs a file previews.
#pragma once

#include <string>
#include <string_view>

#include "core/errors.h"
#include "core/file_system.h"
#include "core/path_names.h"
#include "datafile/data_file.h"

namespace qvn {

// True when the list entry `entry` stands for the file at `path`: the entry
// is the path's file-name part in any letter case, as the file system takes
// names. No entry stands for no file.
bool IsEntryOf(std::string_view entry, const std::string& path, LeadByteRule isLeadByte);

// The file at `path` under the name the folder lists it by, which may differ
// from `path` in letter case ("EDIT.qvl" written over "edit.qvl"); `path`
// itself when the folder does not list it.
std::string NameOnDisk(FileSystem& files, const std::string& path, LeadByteRule isLeadByte);

// The programs the open dialog previews for the file at `path`: its eight
// slot paths. No file (an empty path, or a file that is gone) previews as
// eight empty slots, so that the dialog still opens and a file can be
// chosen; a file that is there but cannot be read is an error.
Result<SlotPaths, FileError> PreviewOf(FileSystem& files, const std::string& path);

}  // namespace qvn
