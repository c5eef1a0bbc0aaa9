#include "tests/win32/test_support.h"

#include <algorithm>

namespace qvntest {

std::wstring TestProgramFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring BuiltProgramPath() {
  std::wstring tests = TestProgramFolder();
  tests.pop_back();
  return tests.substr(0, tests.find_last_of(L'\\') + 1) + L"Quorvane.exe";
}

std::wstring BuiltHelpPath() {
  const std::wstring program = BuiltProgramPath();
  return program.substr(0, program.find_last_of(L'\\') + 1) + L"Quorvane.html";
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    // Wake for a message to this thread, or look again shortly.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  for (unsigned n = GetTickCount() ^ GetCurrentProcessId();; ++n) {
    path_ = std::wstring(base) + L"qvntest" + std::to_wstring(n) + L"\\";
    if (CreateDirectoryW(path_.c_str(), nullptr)) break;
  }
}

TempFolder::~TempFolder() {
  for (const auto& name : Files()) {
    const std::wstring file = File(name);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(file.c_str());
  }
  RemoveDirectoryW(path_.c_str());
}

std::vector<std::wstring> TempFolder::Files() const {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path_ + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

namespace {

std::string Encoded(const std::wstring& text, UINT codePage) {
  const int size = WideCharToMultiByte(codePage, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(codePage, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
  bytes.pop_back();
  return bytes;
}

}  // namespace

std::string Ansi(const std::wstring& text) {
  return Encoded(text, CP_ACP);
}

std::string Utf8(const std::wstring& text) {
  return Encoded(text, CP_UTF8);
}

Launcher::Launcher(const std::wstring& folder, bool copyBuiltProgram)
    : exePath_(folder + L"Quorvane.exe"), folder_(folder) {
  if (copyBuiltProgram) CopyFileW(BuiltProgramPath().c_str(), exePath_.c_str(), FALSE);
}

Launcher::~Launcher() {
  if (process_ == nullptr) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool Launcher::Start() {
  // What the hint line shows depends on the pointer: every launcher starts
  // with it in the far corner, away from where its windows appear, whatever
  // an earlier test left it over.
  MovePointerTo({GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + exePath_ + L"\"";
  if (!CreateProcessW(exePath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.c_str(), &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
  return true;
}

HWND Launcher::WaitForMainWindow(DWORD timeoutMs, bool visible) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND hwnd : WindowsOf(processId_, L"TMainForm")) {
          if (!visible || IsWindowVisible(hwnd)) found = hwnd;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

long Launcher::WaitForExit(DWORD timeoutMs) {
  if (process_ == nullptr) return -1;
  if (!WaitUntil([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeoutMs)) {
    return -1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<long>(code);
}

namespace {

struct WindowSearch {
  DWORD processId;
  const std::wstring* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == search->processId && ClassOf(hwnd) == *search->className) {
    search->found.push_back(hwnd);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> WindowsOf(DWORD processId, const std::wstring& className) {
  WindowSearch search{processId, &className, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForVisibleWindow(DWORD processId, const std::wstring& className, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND hwnd : WindowsOf(processId, className)) {
          if (IsWindowVisible(hwnd)) found = hwnd;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

std::wstring TextOf(HWND hwnd) {
  // WM_GETTEXT is carried across processes, so this reads other programs' windows too.
  const auto length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(length + 1, L'\0');
  SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return text;
}

namespace {

void SendMouse(POINT at, DWORD buttonFlags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = MulDiv(at.x, 65535, width - 1);
  input.mi.dy = MulDiv(at.y, 65535, height - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  SendInput(1, &input, sizeof input);
}

}  // namespace

void MovePointerTo(POINT at) {
  SendMouse(at, 0);
}

void PressKey(WORD virtualKey) {
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof keys[0]);
}

void RightClickAt(POINT at) {
  SendMouse(at, 0);
  SendMouse(at, MOUSEEVENTF_RIGHTDOWN);
  SendMouse(at, MOUSEEVENTF_RIGHTUP);
}

void LeftClickAt(POINT at) {
  SendMouse(at, 0);
  SendMouse(at, MOUSEEVENTF_LEFTDOWN);
  SendMouse(at, MOUSEEVENTF_LEFTUP);
}

POINT CentreOf(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool ChooseFromMenu(DWORD processId, HWND main, std::initializer_list<WORD> keys) {
  POINT before;
  GetCursorPos(&before);
  RightClickAt(CentreOf(HintLineOf(main)));
  const bool opened = WaitForVisibleWindow(processId, L"#32768", 5000) != nullptr;
  if (opened) {
    for (WORD key : keys) PressKey(key);
  }
  // The pointer goes back, so that it leaves no hint behind for a later test.
  MovePointerTo(before);
  return opened;
}

std::wstring MessageOf(HWND box) {
  std::wstring message;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const bool isIcon = (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    if (ClassOf(child) == L"Static" && !isIcon) message = TextOf(child);
  }
  return message;
}

void PressFirstButton(HWND box) {
  SendMessageW(FindWindowExW(box, nullptr, L"Button", nullptr), BM_CLICK, 0, 0);
}

HWND GroupOf(HWND main) {
  HWND panel = FindWindowExW(main, nullptr, L"QuorvanePanel", nullptr);
  return FindWindowExW(panel, nullptr, L"QuorvaneGroupBox", nullptr);
}

HWND HintLineOf(HWND main) {
  HWND panel = FindWindowExW(main, nullptr, L"QuorvanePanel", nullptr);
  return FindWindowExW(panel, nullptr, L"QuorvaneLabel", nullptr);
}

std::vector<HWND> SlotImagesOf(HWND main) {
  HWND group = GroupOf(main);
  std::vector<HWND> images;
  for (HWND image = FindWindowExW(group, nullptr, L"QuorvaneImage", nullptr); image;
       image = FindWindowExW(group, image, L"QuorvaneImage", nullptr)) {
    images.push_back(image);
  }
  return images;
}

}  // namespace qvntest
