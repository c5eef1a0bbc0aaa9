// A stand-in program for the launch tests. Copied under the names a test
// needs (app.exe, App.EXE, My.exe...), it writes down how it was started,
// shows one window and runs until that window is closed.
//
// The record goes to the program's own path with ".txt" added
// ("C:\My Apps\app.exe.txt"), UTF-8, one "name=value" line each:
//   processId         this process
//   showWindow        wShowWindow of its start-up information
//   flags             dwFlags of its start-up information
//   commandLine       the command line exactly as it was given
//   currentDirectory  the current directory at start
//   startTick         GetTickCount() when the program began
//   readyTick         GetTickCount() just before it first waits for input
//   zoomed, iconic    1 when its window was shown maximised / minimised
// The file appears all at once (written beside it, then renamed), just before
// the program first waits for input, so a test that finds it may rely on every
// line.
//
// The window's class is kRecorderClass and its title the program's file
// name ("app.exe"). The environment variable QVN_RECORDER_BUSY_MS makes the
// program busy for that many milliseconds before it becomes ready for input.
// It ends by itself after a minute, so a failed test never leaves it behind.

#pragma once

#include <windows.h>

#include <string>

namespace qvntest {

constexpr wchar_t kRecorderClass[] = L"QvnStartRecorder";

// A text as the record holds it: UTF-8.
inline std::string RecordText(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

}  // namespace qvntest
