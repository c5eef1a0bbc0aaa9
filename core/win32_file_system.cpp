#include "core/win32_file_system.h"

#include <algorithm>

#include "core/ansi_text.h"
#include "core/path_names.h"
#include "ui/handles.h"

namespace qvn {
namespace {

FileError ErrorOf(DWORD systemError) {
  return FileError{FileErrorNumber(systemError)};
}

FileError LastError() {
  return ErrorOf(GetLastError());
}

// A path with a NUL byte in it would reach the system cut short and name
// another file; such a text, read from a file, is no valid name.
bool IsValidPath(const std::string& path) {
  return path.find('\0') == std::string::npos;
}

// True when `path` is a file or folder marked read-only. Windows refuses to
// write, replace or delete such a file; the attribute is tested by itself
// because Wine keeps it as a Unix permission, which the superuser's access
// passes over.
bool IsReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// Writes all of `bytes` to a new file; the system error code on failure.
DWORD WriteNewFile(const std::string& path, std::string_view bytes) {
  ui::UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return GetLastError();
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_DISK_FULL;
    bytes.remove_prefix(written);
  }
  // The bytes must be on the disk before the file takes the place of the old
  // one, or a crash could leave an empty file where a whole one was.
  if (!FlushFileBuffers(file.get())) return GetLastError();
  // Closing writes what is still buffered; a failure there is a failed write.
  if (!CloseHandle(file.release())) return GetLastError();
  return ERROR_SUCCESS;
}

// `probe` opened the refused file for its attributes.
bool RefusedForAMoment(DWORD systemError, HANDLE probe) {
  const ui::UniqueFileHandle file(probe);
  if (systemError == ERROR_SHARING_VIOLATION || systemError == ERROR_LOCK_VIOLATION) return true;
  if (systemError != ERROR_ACCESS_DENIED) return false;
  // Documented in 'DeleteFileA function (fileapi.h)' (learn.microsoft.com): a
  // file is deleted when its last handle is closed, and until then opening
  // it fails with ERROR_ACCESS_DENIED. A file that still opens for its
  // attributes was refused for its own or its folder's protection.
  return !file.valid() && GetLastError() == ERROR_ACCESS_DENIED;
}

constexpr DWORD kProbeAccess = FILE_READ_ATTRIBUTES;
constexpr DWORD kProbeShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

bool RefusedForAMoment(DWORD systemError, const std::string& path) {
  return RefusedForAMoment(
      systemError, CreateFileA(path.c_str(), kProbeAccess, kProbeShare, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool RefusedForAMoment(DWORD systemError, const std::wstring& path) {
  return RefusedForAMoment(
      systemError, CreateFileW(path.c_str(), kProbeAccess, kProbeShare, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
}

int FileErrorNumber(DWORD systemError) {
  switch (systemError) {
    case ERROR_FILE_NOT_FOUND:
      return kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
    case ERROR_FILENAME_EXCED_RANGE:
      return kBadFileName;
    case ERROR_TOO_MANY_OPEN_FILES:
      return kTooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return kAccessDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return kDiskFull;
    default:
      return static_cast<int>(systemError);
  }
}

bool Win32FileSystem::Exists(const std::string& path) {
  if (!IsValidPath(path)) return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

Result<std::string, FileError> Win32FileSystem::ReadAll(const std::string& path) {
  if (!IsValidPath(path)) return FileError{kBadFileName};
  // Others may go on reading the file, but none may write it meanwhile.
  ui::UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return LastError();

  std::string bytes;
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return LastError();
    if (read == 0) break;
    bytes.append(buffer, read);
  }
  return bytes;
}

std::optional<FileError> Win32FileSystem::ReplaceWith(const std::string& path,
                                                      std::string_view bytes) {
  if (!IsValidPath(path)) return FileError{kBadFileName};

  // Refuse first what writing the file in place would be refused: a
  // read-only file, a folder, a file that another program holds open without
  // letting others write it. The rename below would not always notice.
  if (IsReadOnly(path)) return FileError{kAccessDenied};
  const DWORD oldAttributes = GetFileAttributesA(path.c_str());
  {
    ui::UniqueFileHandle probe(CreateFileA(path.c_str(), GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe.valid() && GetLastError() != ERROR_FILE_NOT_FOUND) return LastError();
  }

  // The new content goes into a file of its own in the same folder, so that
  // the rename stays on one volume and the old file is replaced in one step.
  std::string folder = FolderPart(path, IsAnsiLeadByte);
  if (folder.empty()) folder = ".";
  char temporary[MAX_PATH];
  if (GetTempFileNameA(folder.c_str(), "qvn", 0, temporary) == 0) return LastError();

  DWORD error = WriteNewFile(temporary, bytes);
  if (error == ERROR_SUCCESS && oldAttributes != INVALID_FILE_ATTRIBUTES) {
    // A hidden or system data file stays so after it was saved.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if ((oldAttributes & kKept) != 0) SetFileAttributesA(temporary, oldAttributes & kKept);
  }
  // The rename is refused while another program has the old file open.
  if (error == ERROR_SUCCESS && !RetriedWhileFileInUse(path, [&] {
        return MoveFileExA(temporary, path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
      })) {
    error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    SetFileAttributesA(temporary, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temporary);
    return ErrorOf(error);
  }
  return std::nullopt;
}

std::optional<FileError> Win32FileSystem::Remove(const std::string& path) {
  if (!IsValidPath(path)) return FileError{kBadFileName};
  if (IsReadOnly(path)) return FileError{kAccessDenied};
  if (!RetriedWhileFileInUse(path, [&] { return DeleteFileA(path.c_str()) != FALSE; })) {
    return LastError();
  }
  return std::nullopt;
}

std::vector<std::string> Win32FileSystem::List(const std::string& folder,
                                               const std::string& pattern) {
  std::vector<std::string> names;
  if (!IsValidPath(folder) || !IsValidPath(pattern)) return names;
  WIN32_FIND_DATAA found;
  const ui::UniqueFindHandle search(FindFirstFileA((folder + pattern).c_str(), &found));
  if (!search) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
  } while (FindNextFileA(search.get(), &found));
  return names;
}

}  // namespace qvn
