// Helpers for the Windows tests: temporary folders, the real program started
// in one, and bounded waits that keep this thread's messages flowing.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace qvntest {

// The folder of the running test program, with a trailing backslash.
std::wstring TestProgramFolder();
// The launcher under test: Quorvane.exe one folder above the tests.
std::wstring BuiltProgramPath();
// The help the build puts beside it.
std::wstring BuiltHelpPath();

// Waits until `done` answers true, handling this thread's messages meanwhile;
// false when `timeoutMs` passed first.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// A fresh, empty folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& path() const { return path_; }  // with a trailing backslash
  std::wstring File(const std::wstring& name) const { return path_ + name; }
  // The names of the files in the folder, sorted.
  std::vector<std::wstring> Files() const;

 private:
  std::wstring path_;
};

// The bytes of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::wstring& path);
// Makes `bytes` the whole content of a file.
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The lines of a text file as the launcher writes them, each ended by CR LF.
std::string Lines(std::initializer_list<std::string> lines);
// A text in the ANSI code page, as the launcher's files hold it.
std::string Ansi(const std::wstring& text);
// A text in UTF-8, for printing.
std::string Utf8(const std::wstring& text);

// A copy of the real program placed in a folder and started there; or, without
// the copy, the Quorvane.exe that the folder already holds.
class Launcher {
 public:
  explicit Launcher(const std::wstring& folder, bool copyBuiltProgram = true);
  ~Launcher();  // ends the process if it still runs
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  // Starts the copy; false when the process could not be created.
  bool Start();
  // The process's main window, waited for until it exists (and is visible,
  // unless `visible` is false); nullptr on time-out.
  HWND WaitForMainWindow(DWORD timeoutMs = 15000, bool visible = true);
  // Waits for the process to end; its exit code, or -1 on time-out.
  long WaitForExit(DWORD timeoutMs = 15000);
  DWORD processId() const { return processId_; }

 private:
  std::wstring exePath_;
  std::wstring folder_;
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
};

// The top-level windows of a class that belong to a process.
std::vector<HWND> WindowsOf(DWORD processId, const std::wstring& className);
std::wstring ClassOf(HWND hwnd);
// A visible top-level window of that class and process, waited for; nullptr
// on time-out. "#32770" finds message boxes, "#32768" menus.
HWND WaitForVisibleWindow(DWORD processId, const std::wstring& className, DWORD timeoutMs = 10000);
std::wstring TextOf(HWND hwnd);

// Moves the mouse pointer to a screen position, as a user's hand would.
void MovePointerTo(POINT at);
// Presses and releases a key.
void PressKey(WORD virtualKey);
// A click of the right or the left button at a screen position.
void RightClickAt(POINT at);
void LeftClickAt(POINT at);

POINT CentreOf(HWND hwnd);

// Opens the main window's pop-up menu with a right click and presses `keys`
// in it ({'H', 'C'} is ヘルプ(&H) > 目次(&C)), then puts the pointer back;
// false when no menu appeared.
bool ChooseFromMenu(DWORD processId, HWND main, std::initializer_list<WORD> keys);

// Parts of a message box: its message (the text beside the icon), and a
// press of its first button ("OK" or "はい(&Y)").
std::wstring MessageOf(HWND box);
void PressFirstButton(HWND box);

// Parts of the launcher's main window.
HWND GroupOf(HWND main);
HWND HintLineOf(HWND main);
// The eight slot images in slot order (fewer while the window is being made).
std::vector<HWND> SlotImagesOf(HWND main);

}  // namespace qvntest
