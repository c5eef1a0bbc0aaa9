#include "tests/win32/test_support.h"

#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <thread>

#include "app/tray_icon.h"
#include "tests/win32/start_recorder.h"
#include "ui/handles.h"

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
  // Shared for deletion too: a test that reads a file while the launcher
  // replaces it must not make the replacement fail.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
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

void SayLine(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

Launcher::Launcher(const std::wstring& folder, bool copyBuiltProgram)
    : exePath_(folder + L"Quorvane.exe"), folder_(folder) {
  if (copyBuiltProgram) CopyFileW(BuiltProgramPath().c_str(), exePath_.c_str(), FALSE);
}

Launcher::~Launcher() {
  if (!process_) return;
  if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

bool Launcher::Start(const STARTUPINFOW* given) {
  // What the hint line shows depends on the pointer: every launcher starts
  // with it in the far corner, away from where its windows appear, whatever
  // an earlier test left it over.
  ParkPointer();
  STARTUPINFOW startup = given != nullptr ? *given : STARTUPINFOW{sizeof startup};
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + exePath_ + L"\"";
  if (!CreateProcessW(exePath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.c_str(), &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  process_.reset(info.hProcess);
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
  if (!process_) return -1;
  const auto ended = [&] { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; };
  if (!WaitUntil(ended, timeoutMs)) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
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

bool LoadsModule(DWORD processId, const std::wstring& fileName) {
  ui::UniqueFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  MODULEENTRY32W module{sizeof module};
  for (BOOL more = Module32FirstW(snapshot.get(), &module); more;
       more = Module32NextW(snapshot.get(), &module)) {
    if (lstrcmpiW(module.szModule, fileName.c_str()) == 0) return true;
  }
  return false;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &result) == 0) {
    return 0;
  }
  return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND hwnd) {
  // WM_GETTEXT is carried across processes, so this reads other programs' windows too.
  const auto length = SendBounded(hwnd, WM_GETTEXTLENGTH);
  std::wstring text(length + 1, L'\0');
  SendBounded(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
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
  // Wine asks the X server where the pointer is once no input has come for a
  // while, and input sent this way does not move the X pointer: without this
  // the launcher would read the pointer back where it was before.
  SetCursorPos(at.x, at.y);
}

POINT Elsewhere() {
  return {GetSystemMetrics(SM_CXSCREEN) - 20, GetSystemMetrics(SM_CYSCREEN) - 20};
}

void ParkPointer() {
  const POINT target = Elsewhere();
  MovePointerTo(target);
  WaitUntil(
      [&] {
        POINT at{};
        return GetCursorPos(&at) && std::abs(at.x - target.x) <= 1 &&
               std::abs(at.y - target.y) <= 1;
      },
      2000);
}

void PressKey(WORD virtualKey, WORD modifier) {
  INPUT keys[4] = {};
  const WORD order[4] = {modifier, virtualKey, virtualKey, modifier};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = order[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(modifier != 0 ? 4 : 2, modifier != 0 ? keys : keys + 1, sizeof keys[0]);
}

HWND FocusOf(HWND window) {
  GUITHREADINFO thread{sizeof thread};
  const DWORD id = GetWindowThreadProcessId(window, nullptr);
  return GetGUIThreadInfo(id, &thread) ? thread.hwndFocus : nullptr;
}

void TypeText(const std::wstring& text) {
  for (const wchar_t c : text) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wScan = keys[1].ki.wScan = c;
    keys[0].ki.dwFlags = KEYEVENTF_UNICODE;
    keys[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
  }
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

HWND WaitForMenu(DWORD processId, DWORD timeoutMs) {
  HWND menu = nullptr;
  WaitUntil(
      [&] {
        menu = nullptr;
        for (HWND hwnd : WindowsOf(processId, L"#32768")) {
          if (IsWindowVisible(hwnd)) menu = hwnd;
        }
        if (menu == nullptr) return false;
        // A menu takes keys once its loop runs, and only from the keyboard of
        // the foreground window's thread: a key pressed before that goes
        // elsewhere and is lost.
        GUITHREADINFO thread{sizeof thread};
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(menu, nullptr), &thread) ||
            (thread.flags & GUI_INMENUMODE) == 0) {
          return false;
        }
        DWORD foreground = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &foreground);
        return foreground == processId;
      },
      timeoutMs);
  return menu;
}

HWND OpenMenu(DWORD processId, HWND main) {
  // Asked for as the system asks after a right click, with the click's point.
  // A real click would take the pointer to where the menu then appears, and
  // under load Wine replays pointer moves late: the menu would highlight the
  // item under the pointer again and undo what the keys did.
  const POINT at = CentreOf(HintLineOf(main));
  PostMessageW(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main), MAKELPARAM(at.x, at.y));
  return WaitForMenu(processId);
}

bool ChooseFromMenu(DWORD processId, HWND main, std::initializer_list<WORD> keys) {
  if (OpenMenu(processId, main) == nullptr) return false;
  for (WORD key : keys) PressKey(key);
  return true;
}

std::wstring MessageOf(HWND box) {
  std::wstring message;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const bool isIcon = (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    if (ClassOf(child) == L"Static" && !isIcon) message = TextOf(child);
  }
  return message;
}

bool LauncherIdle(DWORD processId, HWND main) {
  const bool menuGone = WaitUntil([&] {
    for (HWND menu : WindowsOf(processId, L"#32768")) {
      if (IsWindowVisible(menu)) return false;
    }
    return true;
  });
  DWORD_PTR answer = 0;
  return menuGone && SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer) != 0;
}

std::string BoxShownBy(DWORD processId) {
  HWND box = WaitForVisibleWindow(processId, L"#32770", 0);
  return box != nullptr ? "the launcher shows: " + Utf8(MessageOf(box)) : "no message box";
}

void PressFirstButton(HWND box) {
  SendBounded(FindWindowExW(box, nullptr, L"Button", nullptr), BM_CLICK);
}

namespace {

BOOL CALLBACK CollectDescendant(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  if (ClassOf(hwnd) == *search->className) search->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> DescendantsOf(HWND root, const std::wstring& className) {
  WindowSearch search{0, &className, {}};
  EnumChildWindows(root, CollectDescendant, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND DescendantOf(HWND root, const std::wstring& className, const std::wstring& text) {
  for (HWND hwnd : DescendantsOf(root, className)) {
    if (TextOf(hwnd) == text) return hwnd;
  }
  return nullptr;
}

std::wstring ControlOutsideItsParent(HWND parent) {
  RECT area, rect;
  GetClientRect(parent, &area);
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    if (rect.left < 0 || rect.top < 0 || rect.right > area.right || rect.bottom > area.bottom)
      return ClassOf(child) + L" \"" + TextOf(child) + L"\"";
    if (std::wstring inner = ControlOutsideItsParent(child); !inner.empty()) return inner;
  }
  return L"";
}

bool PressInMenu(DWORD processId, std::initializer_list<WORD> keys) {
  if (WaitForMenu(processId) == nullptr) return false;
  for (WORD key : keys) PressKey(key);
  return true;
}

::testing::AssertionResult HintLineReadsWith(HWND main, POINT at, const std::wstring& text) {
  if (WaitUntil([&] {
        at.x ^= 1;
        MovePointerTo(at);
        return TextOf(HintLineOf(main)) == text;
      })) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "the hint line reads " << ::testing::PrintToString(TextOf(HintLineOf(main)));
}

HWND GroupOf(HWND main) {
  HWND panel = FindWindowExW(main, nullptr, ui::kPanelClass, nullptr);
  return FindWindowExW(panel, nullptr, ui::kGroupBoxClass, nullptr);
}

HWND HintLineOf(HWND main) {
  HWND panel = FindWindowExW(main, nullptr, ui::kPanelClass, nullptr);
  return FindWindowExW(panel, nullptr, ui::kLabelClass, nullptr);
}

std::vector<HWND> SlotImagesOf(HWND main) {
  return ImagesIn(GroupOf(main));
}

std::vector<HWND> ImagesIn(HWND group) {
  std::vector<HWND> images;
  for (HWND image = FindWindowExW(group, nullptr, ui::kImageClass, nullptr); image;
       image = FindWindowExW(group, image, ui::kImageClass, nullptr)) {
    images.push_back(image);
  }
  return images;
}

bool ShowsIcon(HWND image) {
  return SendBounded(image, STM_GETICON) != 0;
}

std::wstring IconRow(const std::vector<HWND>& images) {
  std::wstring row;
  for (HWND image : images) row += ShowsIcon(image) ? L'X' : L'-';
  return row;
}

HWND ButtonOf(HWND window, const std::wstring& caption) {
  return FindWindowExW(window, nullptr, L"Button", caption.c_str());
}

HWND VisibleButtonIn(HWND window, const std::wstring& caption) {
  for (HWND button : DescendantsOf(window, L"Button")) {
    if (TextOf(button) == caption && IsWindowVisible(button)) return button;
  }
  return nullptr;
}

void ShowNextPage(HWND dialog) {
  HWND tabs = FindWindowExW(dialog, nullptr, L"SysTabControl32", nullptr);
  RECT rect;
  GetWindowRect(tabs, &rect);
  LeftClickAt({rect.left + 20, rect.top + 8});
  PressKey(VK_RIGHT);
}

std::vector<std::wstring> EntriesOf(HWND list) {
  // LB_GETTEXT is carried across processes like WM_GETTEXT.
  std::vector<std::wstring> entries;
  const auto count = SendBounded(list, LB_GETCOUNT);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(SendBounded(list, LB_GETTEXTLEN, i, 0) + 1, L'\0');
    SendBounded(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    entries.push_back(text);
  }
  return entries;
}

int SelectionOf(HWND list) {
  return static_cast<int>(SendBounded(list, LB_GETCURSEL));
}

void ClickEntry(HWND list, int index) {
  // Entries are of one height and the list is not scrolled in these tests.
  const auto height = static_cast<int>(SendBounded(list, LB_GETITEMHEIGHT));
  const auto top = static_cast<int>(SendBounded(list, LB_GETTOPINDEX));
  POINT at{10, (index - top) * height + height / 2};
  ClientToScreen(list, &at);
  LeftClickAt(at);
}

// --- Modal boxes -------------------------------------------------------------------

namespace {

bool HasClass(HWND window, const wchar_t* className) {
  return lstrcmpiW(ClassOf(window).c_str(), className) == 0;
}

RECT ScreenRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

BOOL CALLBACK RememberVisibleDialog(HWND window, LPARAM found) {
  if (HasClass(window, L"#32770") && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

SeenBox Observe(HWND box, DWORD thread) {
  SeenBox seen;
  seen.found = true;
  seen.caption = TextOf(box);
  seen.window = ScreenRectOf(box);
  GetClientRect(box, &seen.client);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&seen.client), 2);
  seen.owner = GetWindow(box, GW_OWNER);
  seen.ownerEnabled = seen.owner && IsWindowEnabled(seen.owner);
  // Children come in creation order, which is also the tab order.
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (HasClass(child, L"Button")) {
      seen.buttons.push_back(TextOf(child));
      seen.buttonRects.push_back(ScreenRectOf(child));
    } else if (HasClass(child, L"Static")) {
      if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        seen.icon = reinterpret_cast<HICON>(SendBounded(child, STM_GETICON));
        seen.iconRect = ScreenRectOf(child);
      } else {
        seen.text = TextOf(child);
        seen.textRect = ScreenRectOf(child);
      }
    }
  }
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(thread, &info) && info.hwndFocus) seen.focus = TextOf(info.hwndFocus);
  return seen;
}

}  // namespace

SeenBox WatchBox(const std::function<void()>& show, const std::function<void(HWND)>& answer) {
  constexpr DWORD kTimeoutMs = 5000;
  SeenBox seen;
  const DWORD thread = GetCurrentThreadId();
  std::thread helper([&] {
    HWND box = nullptr;
    const auto boxShown = [&] {
      EnumThreadWindows(thread, RememberVisibleDialog, reinterpret_cast<LPARAM>(&box));
      return box != nullptr;
    };
    if (!WaitUntil(boxShown, kTimeoutMs)) return;
    seen = Observe(box, thread);
    answer(box);
    seen.closed = WaitUntil([&] { return !IsWindow(box); }, kTimeoutMs);
    if (!seen.closed) {
      PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
      PostMessageW(box, WM_CLOSE, 0, 0);
    }
  });
  show();
  helper.join();
  return seen;
}

std::function<void(HWND)> KeyIn(WPARAM key) {
  return [key](HWND box) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
    HWND target = info.hwndFocus ? info.hwndFocus : box;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  };
}

std::function<void(HWND)> ClickButton(const std::wstring& text) {
  return [text](HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (HasClass(child, L"Button") && TextOf(child) == text) PostMessageW(child, BM_CLICK, 0, 0);
    }
  };
}

void CloseBox(HWND box) {
  PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// --- start_recorder.exe ----------------------------------------------------------

std::string RecorderRecord::Text(const std::string& name) const {
  const auto found = values.find(name);
  return found == values.end() ? std::string("(none)") : found->second;
}

unsigned long RecorderRecord::Number(const std::string& name) const {
  const auto found = values.find(name);
  return found == values.end() ? 0 : std::stoul(found->second);
}

RecorderRecord ReadRecorderRecord(const std::wstring& program) {
  RecorderRecord record;
  const std::string text = ReadFileBytes(program + L".txt");
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos)
      record.values[line.substr(0, equals)] = line.substr(equals + 1);
    start = end + 2;
  }
  return record;
}

void EndRecorder(DWORD processId) {
  const ui::UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId));
  if (!process) return;
  for (HWND window : WindowsOf(processId, kRecorderClass)) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  const bool ended =
      WaitUntil([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; }, 10000);
  if (!ended) {
    TerminateProcess(process.get(), 1);
    WaitForSingleObject(process.get(), 5000);
  }
}

void EndAllRecorders() {
  std::set<DWORD> processIds;
  for (HWND window = FindWindowExW(nullptr, nullptr, kRecorderClass, nullptr); window;
       window = FindWindowExW(nullptr, window, kRecorderClass, nullptr)) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    processIds.insert(processId);
  }
  for (const DWORD processId : processIds) EndRecorder(processId);
}

// --- The launcher ------------------------------------------------------------------

std::wstring StartupLinkFile() {
  wchar_t startup[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, startup, CSIDL_STARTUP, TRUE);
  return std::wstring(startup) + L"\\Quorvane.lnk";
}

bool TrayIconShown(HWND main) {
  NOTIFYICONDATAW icon{};
  icon.cbSize = NOTIFYICONDATAW_V2_SIZE;
  icon.hWnd = main;
  icon.uID = qvn::kTrayIconId;
  return Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE;
}

void PostTrayEvent(HWND main, UINT event, POINT at) {
  PostMessageW(main, qvn::kTrayCallbackMessage, MAKEWPARAM(at.x, at.y),
               MAKELPARAM(event, qvn::kTrayIconId));
}

}  // namespace qvntest
