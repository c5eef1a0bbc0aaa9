// The stand-in program that start_recorder.h describes.
#include "tests/win32/start_recorder.h"

#include <windows.h>

#include <string>

namespace {

using qvntest::kRecorderClass;
using qvntest::RecordText;
constexpr UINT_PTR kLifetimeTimer = 1;
constexpr UINT kLifetimeMs = 60000;

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring CurrentDirectory() {
  std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
  directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
  return directory;
}

DWORD BusyMilliseconds() {
  wchar_t value[32] = {};
  if (GetEnvironmentVariableW(L"QVN_RECORDER_BUSY_MS", value, 32) == 0) return 0;
  return wcstoul(value, nullptr, 10);
}

// Writes `text` beside `path` and then puts it in place, so that a reader
// never sees half a record.
void WriteWhole(const std::wstring& path, const std::string& text) {
  const std::wstring temporary = path + L".part";
  HANDLE file =
      CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kLifetimeTimer) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const DWORD startTick = GetTickCount();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  const std::wstring commandLine = GetCommandLineW();
  const std::wstring currentDirectory = CurrentDirectory();
  const std::wstring modulePath = ModulePath();
  const std::wstring fileName = modulePath.substr(modulePath.find_last_of(L'\\') + 1);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kRecorderClass;
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, kRecorderClass, fileName.c_str(), WS_OVERLAPPEDWINDOW, 100, 100,
                                320, 200, nullptr, nullptr, instance, nullptr);
  // The show command is the one the start-up information asked for, as in
  // any program that shows its main window with it.
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  SetTimer(window, kLifetimeTimer, kLifetimeMs, nullptr);

  if (const DWORD busy = BusyMilliseconds()) Sleep(busy);

  std::string record;
  const auto line = [&record](const char* name, const std::string& value) {
    record += std::string(name) + "=" + value + "\r\n";
  };
  line("processId", std::to_string(GetCurrentProcessId()));
  line("showWindow", std::to_string(startup.wShowWindow));
  line("flags", std::to_string(startup.dwFlags));
  line("commandLine", RecordText(commandLine));
  line("currentDirectory", RecordText(currentDirectory));
  line("startTick", std::to_string(startTick));
  line("readyTick", std::to_string(GetTickCount()));
  line("zoomed", IsZoomed(window) ? "1" : "0");
  line("iconic", IsIconic(window) ? "1" : "0");
  WriteWhole(modulePath + L".txt", record);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
