// The launcher's files on Windows: the ANSI file functions on the byte paths,
// so a path goes to the system exactly as it was read from a file.
#pragma once

#include <windows.h>

#include "core/file_system.h"
#include "ui/application.h"

namespace qvn {

// The error number the user sees for a system error code: the common causes
// have their own numbers (2, 3, 4, 5, 101), any other code is shown as it is.
int FileErrorNumber(DWORD systemError);

// True when a refusal to rename or delete `path` may be gone in a moment:
// another program has the file open (a sharing or lock violation), or the
// file waits to be deleted once another program closes it. Access denied by
// the folder or by the file's own protection is not worth waiting for.
bool RefusedForAMoment(DWORD systemError, const std::string& path);
bool RefusedForAMoment(DWORD systemError, const std::wstring& path);

// Runs a file operation on `path` (a rename or a deletion, true on success),
// and runs it again for a short while as long as it is refused because
// another program has the file for a moment: a virus scanner, an indexer,
// the shell looking at a new file. On failure GetLastError gives the last
// error.
template <typename Path, typename Operation>
bool RetriedWhileFileInUse(const Path& path, Operation operation) {
  constexpr int kTries = 5;
  constexpr DWORD kPauseMs = 100;
  for (int attempt = 1;; ++attempt) {
    if (operation()) return true;
    const DWORD error = GetLastError();
    if (attempt == kTries || !RefusedForAMoment(error, path)) {
      SetLastError(error);
      return false;
    }
    // The windows go on painting meanwhile.
    ui::application::WaitKeepingPainted(kPauseMs);
  }
}

class Win32FileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override;
  Result<std::string, FileError> ReadAll(const std::string& path) override;
  std::optional<FileError> ReplaceWith(const std::string& path, std::string_view bytes) override;
  std::optional<FileError> Remove(const std::string& path) override;
  std::vector<std::string> List(const std::string& folder, const std::string& pattern) override;
};

}  // namespace qvn
