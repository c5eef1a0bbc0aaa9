#include "datafile/file_list.h"

namespace qvn {

bool IsEntryOf(std::string_view entry, const std::string& path, LeadByteRule isLeadByte) {
  return !path.empty() &&
         EqualsIgnoringAsciiCase(entry, FileNamePart(path, isLeadByte), isLeadByte);
}

std::string NameOnDisk(FileSystem& files, const std::string& path, LeadByteRule isLeadByte) {
  const std::string folder = FolderPart(path, isLeadByte);
  const std::string name = FileNamePart(path, isLeadByte);
  // The name holds no wildcard (a save name cannot), so the search finds the
  // file itself; the comparison leaves out a short 8.3 name's other matches.
  for (const std::string& listed : files.List(folder, name)) {
    if (EqualsIgnoringAsciiCase(listed, name, isLeadByte)) return folder + listed;
  }
  return path;
}

Result<SlotPaths, FileError> PreviewOf(FileSystem& files, const std::string& path) {
  if (path.empty() || !files.Exists(path)) return SlotPaths{};
  return ReadDataFilePaths(files, path);
}

}  // namespace qvn
