#include "datafile/file_list.h"

namespace qvn {

bool IsEntryOf(std::string_view entry, const std::string& path, LeadByteRule isLeadByte) {
  return !path.empty() && entry == FileNamePart(path, isLeadByte);
}

Result<SlotPaths, FileError> PreviewOf(FileSystem& files, const std::string& path) {
  if (path.empty() || !files.Exists(path)) return SlotPaths{};
  return ReadDataFilePaths(files, path);
}

}  // namespace qvn
