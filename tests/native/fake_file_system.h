// An in-memory FileSystem for the tests and fuzz targets of the file formats.
// Files are whole paths mapped to their bytes; a path can be made to fail
// its reads or writes with a given error number.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_system.h"
#include "core/path_names.h"

// How a failed expectation shows an error.
namespace qvn {
inline void PrintTo(const FileError& error, std::ostream* out) {
  *out << "FileError{" << error.number << "}";
}
inline void PrintTo(const NotAnInteger& error, std::ostream* out) {
  *out << "NotAnInteger{'" << error.text << "'}";
}
}  // namespace qvn

namespace qvntest {

class FakeFileSystem : public qvn::FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, int> readErrors;   // path -> error number of ReadAll
  std::map<std::string, int> writeErrors;  // path -> error number of ReplaceWith
  int writes = 0;                          // ReplaceWith calls that changed a file

  bool Exists(const std::string& path) override { return files.count(path) != 0; }

  qvn::Result<std::string, qvn::FileError> ReadAll(const std::string& path) override {
    if (auto error = readErrors.find(path); error != readErrors.end()) {
      return qvn::FileError{error->second};
    }
    auto file = files.find(path);
    if (file == files.end()) return qvn::FileError{qvn::kFileNotFound};
    return file->second;
  }

  std::optional<qvn::FileError> ReplaceWith(const std::string& path,
                                            std::string_view bytes) override {
    if (auto error = writeErrors.find(path); error != writeErrors.end()) {
      return qvn::FileError{error->second};
    }
    files[path] = std::string(bytes);
    ++writes;
    return std::nullopt;
  }

  std::optional<qvn::FileError> Remove(const std::string& path) override {
    if (files.erase(path) == 0) return qvn::FileError{qvn::kFileNotFound};
    return std::nullopt;
  }

  // Knows only patterns of the form "*" + tail, matched in any ASCII letter
  // case as the platform does. Paths are split as Shift-JIS.
  std::vector<std::string> List(const std::string& folder, const std::string& pattern) override {
    const std::string tail = pattern.substr(1);
    std::vector<std::string> names;
    for (const auto& [path, bytes] : files) {
      if (qvn::FolderPart(path, qvn::IsShiftJisLeadByte) != folder) continue;
      const std::string name = path.substr(folder.size());
      if (name.size() < tail.size()) continue;
      if (qvn::EqualsIgnoringAsciiCase(std::string_view(name).substr(name.size() - tail.size()),
                                       tail, qvn::IsShiftJisLeadByte)) {
        names.push_back(name);
      }
    }
    return names;
  }
};

}  // namespace qvntest
