// Helpers for the Windows tests: temporary folders, the real program started
// in one, and bounded waits that keep this thread's messages flowing.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/handles.h"

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
// A text in the ANSI code page, as the launcher's files hold it.
std::string Ansi(const std::wstring& text);
// A text in UTF-8, for printing.
std::string Utf8(const std::wstring& text);
// One line on the standard output, written at once: the scripts that run the
// checkers under Wine read it as it comes.
void SayLine(const std::string& line);

// A copy of the real program placed in a folder and started there; or, without
// the copy, the Quorvane.exe that the folder already holds.
class Launcher {
 public:
  explicit Launcher(const std::wstring& folder, bool copyBuiltProgram = true);
  ~Launcher();  // ends the process if it still runs
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  // Starts the copy, with the start-up record `startup` when given (a
  // shortcut's, say); false when the process could not be created.
  bool Start(const STARTUPINFOW* startup = nullptr);
  // The process's main window, waited for until it exists (and is visible,
  // unless `visible` is false); nullptr on time-out.
  HWND WaitForMainWindow(DWORD timeoutMs = 15000, bool visible = true);
  // Waits for the process to end; its exit code, or -1 on time-out.
  long WaitForExit(DWORD timeoutMs = 15000);
  DWORD processId() const { return processId_; }

 private:
  std::wstring exePath_;
  std::wstring folder_;
  ui::UniqueHandle process_;
  DWORD processId_ = 0;
};

// Sends `message` to a window that may be the launcher's, in another
// process: a launcher that hangs gives 0 after a bound rather than holding
// the test up for good.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The top-level windows of a class that belong to a process.
std::vector<HWND> WindowsOf(DWORD processId, const std::wstring& className);
std::wstring ClassOf(HWND hwnd);
// Whether a process has loaded the DLL `fileName` ("comdlg32.dll").
bool LoadsModule(DWORD processId, const std::wstring& fileName);
// A visible top-level window of that class and process, waited for; nullptr
// on time-out. "#32770" finds message boxes, "#32768" menus.
HWND WaitForVisibleWindow(DWORD processId, const std::wstring& className, DWORD timeoutMs = 10000);
std::wstring TextOf(HWND hwnd);

// Moves the mouse pointer to a screen position, as a user's hand would.
void MovePointerTo(POINT at);
// A point far away from the launcher's windows, and the pointer moved there.
POINT Elsewhere();
void ParkPointer();
// Presses and releases a key; with `modifier` (VK_SHIFT, VK_CONTROL) held.
void PressKey(WORD virtualKey, WORD modifier = 0);
// The window with the keyboard focus on the thread of `window`.
HWND FocusOf(HWND window);
// Types text into the window with the keyboard focus, character by character.
void TypeText(const std::wstring& text);
// A click of the right or the left button at a screen position.
void RightClickAt(POINT at);
void LeftClickAt(POINT at);

POINT CentreOf(HWND hwnd);

// The launcher's pop-up menu, waited for until it shows and takes keys (its
// loop runs and the launcher is in the foreground); nullptr on time-out.
HWND WaitForMenu(DWORD processId, DWORD timeoutMs = 10000);
// Opens the main window's pop-up menu as a right click on its hint line
// does, without moving the pointer, and waits for it as WaitForMenu does.
HWND OpenMenu(DWORD processId, HWND main);
// Opens the menu so and presses `keys` in it ({'H', 'C'} is ヘルプ(&H) >
// 目次(&C)); false when no menu appeared.
bool ChooseFromMenu(DWORD processId, HWND main, std::initializer_list<WORD> keys);

// Parts of a message box: its message (the text beside the icon), and a
// press of its first button ("OK" or "はい(&Y)").
std::wstring MessageOf(HWND box);
// Waits until the launcher is done with a command: its menu is gone and a
// message sent to its main window comes back. Read a file the launcher
// writes only then: reading it while the launcher replaces it makes the
// replacement fail, as it would on Windows.
bool LauncherIdle(DWORD processId, HWND main);
// The message of a box the launcher shows now, for a failure's explanation.
std::string BoxShownBy(DWORD processId);
void PressFirstButton(HWND box);

// The descendants of `root`, at any depth, of a window class, in the order
// the system lists them (parents before their children); with `text`, only
// those whose text is exactly that.
std::vector<HWND> DescendantsOf(HWND root, const std::wstring& className);
HWND DescendantOf(HWND root, const std::wstring& className, const std::wstring& text);

// A window inside `parent`, at any depth, that runs outside its parent's client area, or "".
std::wstring ControlOutsideItsParent(HWND parent);

// Waits for the launcher's pop-up menu as WaitForMenu does and presses keys
// in it; false when no menu showed.
bool PressInMenu(DWORD processId, std::initializer_list<WORD> keys);

// --- Modal boxes shown by this thread --------------------------------------------

// What WatchBox saw of a box.
struct SeenBox {
  bool found = false;
  bool closed = false;  // the box went away after it was answered
  std::wstring caption;
  std::wstring text;                  // the message
  HICON icon = nullptr;               // of the SS_ICON static, if there is one
  std::vector<std::wstring> buttons;  // in tab order
  std::wstring focus;                 // text of the control with the focus
  HWND owner = nullptr;
  bool ownerEnabled = true;
  // Screen rectangles.
  RECT window{};
  RECT client{};
  RECT textRect{};
  RECT iconRect{};
  std::vector<RECT> buttonRects;
};

// Runs `show`, which shows a modal box on this thread, while a helper thread
// waits for the box, records what it shows and then answers it with `answer`,
// the way a user would. A box still there afterwards is closed, so the test
// never hangs in its modal loop.
SeenBox WatchBox(const std::function<void()>& show, const std::function<void(HWND)>& answer);

// Answers for WatchBox: a key pressed in the box (through the control with the
// focus, so that the dialog manager sees it), a click on the button with that
// text, the close box.
std::function<void(HWND)> KeyIn(WPARAM key);
std::function<void(HWND)> ClickButton(const std::wstring& text);
void CloseBox(HWND box);

// --- start_recorder.exe ----------------------------------------------------------

// What a copy of start_recorder.exe wrote about its start (the lines of
// "<program>.txt", see start_recorder.cpp); empty when it has not started.
struct RecorderRecord {
  std::map<std::string, std::string> values;

  bool empty() const { return values.empty(); }
  // The value as written; "(none)" when there is no such line.
  std::string Text(const std::string& name) const;
  // The value as a number; 0 when there is no such line.
  unsigned long Number(const std::string& name) const;
};
RecorderRecord ReadRecorderRecord(const std::wstring& program);

// Closes the windows of a started copy of the recorder as a user would, and
// ends the process if it does not go; EndAllRecorders does so for every copy
// that shows a window.
void EndRecorder(DWORD processId);
void EndAllRecorders();

// --- The launcher ------------------------------------------------------------------

// Quorvane.lnk in the user's Startup folder, where the launcher puts its
// shortcut.
std::wstring StartupLinkFile();

// Whether the launcher's icon is in the task tray: only an icon that exists
// can be modified.
bool TrayIconShown(HWND main);
// Posts an event on the launcher's tray icon as the shell reports it in
// version 4 of the tray: the event and the icon's id in lParam, the point it
// is about in wParam.
void PostTrayEvent(HWND main, UINT event, POINT at = {});

// The texts the main window's hint line shows, as a user reads them.
inline const std::wstring kDefaultHint =
    L"ここにカーソル位置に対応するヒントが表示されます.\r\n"
    L"★データファイル名には,表示される候補名を使用してください.";
inline const std::wstring kGroupHint =
    L"ダブルクリック：すべてのソフトウェアを連続起動します.\r\n"
    L"右クリック：ポップアップメニューを表示します.";
inline const std::wstring kSetSlotHint =
    L"ダブルクリック：ポイントしているソフトウェアを起動します.\r\n"
    L"右クリック：ポップアップメニューを表示します.";
inline const std::wstring kUnsetSlotHint =
    L"起動するソフトウェアが設定されていません.\r\n"
    L"右クリック：ポップアップメニューを表示します.";

// Parts of the launcher's main window.
HWND GroupOf(HWND main);
HWND HintLineOf(HWND main);

// Whether the launcher's hint line comes to read `text` with the pointer at
// `at`, with the line's text for the failure message. The pointer keeps
// moving by a pixel meanwhile: when windows change, the system makes up
// mouse moves of its own, which can arrive after the test's and name the
// window that was under the pointer before.
::testing::AssertionResult HintLineReadsWith(HWND main, POINT at, const std::wstring& text);
// The eight slot images in slot order (fewer while the window is being made).
std::vector<HWND> SlotImagesOf(HWND main);

// The icon images inside a group, in order, and whether one shows an icon.
std::vector<HWND> ImagesIn(HWND group);
bool ShowsIcon(HWND image);
// Which images of a row show an icon: "X" for an icon, "-" for none.
std::wstring IconRow(const std::vector<HWND>& images);

// A push button of a window, found by its caption; VisibleButtonIn looks at
// any depth and takes the first one that shows (a page of tabs hides others).
HWND ButtonOf(HWND window, const std::wstring& caption);
HWND VisibleButtonIn(HWND window, const std::wstring& caption);

// Moves a dialog's tabs (its SysTabControl32) on to the next page as a user
// would: a click on the first tab gives the tabs the keyboard, the right arrow
// moves on.
void ShowNextPage(HWND dialog);

// A list box's entries, its selection (-1 for none), and a click on an entry
// as a user's hand would make it.
std::vector<std::wstring> EntriesOf(HWND list);
int SelectionOf(HWND list);
void ClickEntry(HWND list, int index);

}  // namespace qvntest
