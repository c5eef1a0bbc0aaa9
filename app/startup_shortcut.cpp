#include "app/startup_shortcut.h"

#include <objbase.h>
#include <shlobj.h>

namespace qvn {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  Interface** Receive() { return &pointer_; }
  void** ReceiveVoid() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace

std::string GetStartupFolder(HWND owner) {
  LPITEMIDLIST items = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_STARTUP, &items))) return {};
  char path[MAX_PATH] = {};
  const bool found = SHGetPathFromIDListA(items, path) != FALSE;
  // The item list comes from the shell's allocator, which is the COM task allocator.
  CoTaskMemFree(items);
  return found ? std::string(path) : std::string();
}

HRESULT CreateShellLink(const std::string& linkPath, const std::string& target,
                        const std::string& workingFolder) {
  ComPtr<IShellLinkA> link;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    link.ReceiveVoid());
  if (FAILED(result)) return result;
  link->SetPath(target.c_str());
  link->SetWorkingDirectory(workingFolder.c_str());
  link->SetShowCmd(SW_SHOW);

  ComPtr<IPersistFile> file;
  result = link->QueryInterface(IID_IPersistFile, file.ReceiveVoid());
  if (FAILED(result)) return result;
  // IPersistFile takes the file name in UTF-16.
  wchar_t widePath[MAX_PATH] = {};
  if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) == 0) {
    return HRESULT_FROM_WIN32(GetLastError());
  }
  return file->Save(widePath, FALSE);
}

}  // namespace qvn
