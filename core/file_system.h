// The files the launcher's own logic reads and writes, reached through this
// small interface so that the logic can be tested without Windows. Paths and
// contents are bytes of the ANSI code page, passed through unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"

namespace qvn {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True when `path` names an existing file (a folder does not count).
  virtual bool Exists(const std::string& path) = 0;

  // The whole content of a file. Other programs may read the file meanwhile
  // but not write it; one that is writing it makes the read fail.
  virtual Result<std::string, FileError> ReadAll(const std::string& path) = 0;

  // Makes `bytes` the whole content of `path`, creating the file if needed.
  // The bytes are written beside the file first and then take its place, so
  // a write that fails leaves the old file as it was (and no temporary file
  // behind). Nothing when it worked.
  virtual std::optional<FileError> ReplaceWith(const std::string& path, std::string_view bytes) = 0;

  // Removes a file. Nothing when it worked.
  virtual std::optional<FileError> Remove(const std::string& path) = 0;

  // The names (without folder) of the files in `folder` (with its trailing
  // backslash) that match `pattern` ("*.qvl"), hidden, system and read-only
  // ones included, in the order the platform finds them. Folders are left
  // out. A folder that cannot be searched has no files.
  virtual std::vector<std::string> List(const std::string& folder, const std::string& pattern) = 0;
};

}  // namespace qvn
