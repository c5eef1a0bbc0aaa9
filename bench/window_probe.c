/* Measures how long a program takes to show its main window, from inside Wine
 * (so Wine's own start-up in the shell is not counted), and its working set
 * once it has started; optionally its CPU time while idle and its working set
 * after its settings dialog has been opened and closed.
 *
 *   window_probe.exe <program.exe> <window title> [window class|-] [timeout ms]
 *                    [idle ms] [settings]
 *
 * Starts the program in its own folder, waits until a visible top-level window
 * with that title (and class, if given) owned by the new process exists, then
 * waits until the program is idle, reads its memory counters, and then:
 *   - with an idle time, reads the CPU time the program uses in that time;
 *   - with "settings", opens the pop-up menu of the window, chooses
 *     "ユーザー設定(&S)..." by its key, waits for the dialog (class
 *     TSetupForm), closes it, waits until the program is idle again and reads
 *     the working set once more.
 * Then it closes the program (WM_CLOSE, then TerminateProcess if it does not
 * end) and prints one line:
 *
 *   window_ms=<ms> idle_ms=<ms> working_set_kb=<kB> peak_working_set_kb=<kB>
 *   idle_cpu_ms=<ms> settings_working_set_kb=<kB> closed=<wm_close|terminated>
 *
 * (idle_cpu_ms and settings_working_set_kb are -1 when not asked for.)
 * window_ms runs from just before CreateProcessW until the window is seen
 * (checked every millisecond); idle_ms until WaitForInputIdle returns, which is
 * when the working set is read.
 *
 * Exit codes: 0 measured; 1 bad arguments or the program could not be
 * started; 2 the program ended before showing the window; 3 timed out; 4 the
 * settings dialog did not open or close. */
// <windows.h> must come before <psapi.h>.
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

static LARGE_INTEGER qpc_freq;

static double elapsed_ms(LARGE_INTEGER since) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return (double)(now.QuadPart - since.QuadPart) * 1000.0 / (double)qpc_freq.QuadPart;
}

/* A visible top-level window with the title (and class) that belongs to pid. */
static HWND find_window(const wchar_t* cls, const wchar_t* title, DWORD pid) {
  HWND hwnd = NULL;
  while ((hwnd = FindWindowExW(NULL, hwnd, cls, title)) != NULL) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == pid && IsWindowVisible(hwnd)) return hwnd;
  }
  return NULL;
}

/* A visible window of class cls that belongs to pid, any title. */
static HWND find_any_window(const wchar_t* cls, DWORD pid) {
  return find_window(cls, NULL, pid);
}

/* Waits until want(hwnd) or the bound; polls every millisecond, as above. */
static int wait_for(HANDLE process, DWORD bound_ms, BOOL want_visible, const wchar_t* cls,
                    DWORD pid, HWND* found) {
  LARGE_INTEGER since;
  QueryPerformanceCounter(&since);
  for (;;) {
    HWND hwnd = find_any_window(cls, pid);
    if (want_visible ? hwnd != NULL : hwnd == NULL) {
      if (found) *found = hwnd;
      return 1;
    }
    if (elapsed_ms(since) > (double)bound_ms) return 0;
    if (WaitForSingleObject(process, 1) == WAIT_OBJECT_0) return 0;
  }
}

/* Kernel and user time of the process so far, in ms. */
static double cpu_ms(HANDLE process) {
  FILETIME created, ended, kernel, user;
  ULARGE_INTEGER k, u;
  if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
  k.LowPart = kernel.dwLowDateTime;
  k.HighPart = kernel.dwHighDateTime;
  u.LowPart = user.dwLowDateTime;
  u.HighPart = user.dwHighDateTime;
  return (double)(k.QuadPart + u.QuadPart) / 10000.0;
}

/* Opens the settings dialog from the window's pop-up menu and closes it again. */
static int open_and_close_settings(HANDLE process, DWORD pid, HWND hwnd, DWORD bound_ms) {
  RECT client;
  POINT at;
  HWND dialog = NULL;
  GetClientRect(hwnd, &client);
  at.x = client.right / 2;
  at.y = client.bottom - 4;
  ClientToScreen(hwnd, &at);
  PostMessageW(hwnd, WM_CONTEXTMENU, (WPARAM)hwnd, MAKELPARAM(at.x, at.y));
  if (!wait_for(process, bound_ms, TRUE, L"#32768", pid, NULL)) {
    fwprintf(stderr, L"window_probe: the pop-up menu did not open\n");
    return 0;
  }
  /* The menu's own loop reads the key from the thread's queue. */
  PostMessageW(hwnd, WM_CHAR, L's', 0);
  if (!wait_for(process, bound_ms, TRUE, L"TSetupForm", pid, &dialog)) {
    fwprintf(stderr, L"window_probe: the settings dialog did not open\n");
    return 0;
  }
  WaitForInputIdle(process, 5000);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  if (!wait_for(process, bound_ms, FALSE, L"TSetupForm", pid, NULL)) {
    fwprintf(stderr, L"window_probe: the settings dialog did not close\n");
    return 0;
  }
  return 1;
}

int wmain(int argc, wchar_t** argv) {
  const wchar_t *exe_arg, *title, *cls = NULL;
  DWORD timeout_ms = 30000;
  wchar_t exe[MAX_PATH], dir[MAX_PATH], *file_part = NULL;
  wchar_t cmdline[MAX_PATH + 3];
  STARTUPINFOW si;
  PROCESS_INFORMATION pi;
  PROCESS_MEMORY_COUNTERS pmc;
  LARGE_INTEGER start;
  HWND hwnd = NULL;
  double window_ms, idle_ms;
  const char* closed = "wm_close";
  DWORD wait, idle_span_ms = 0;
  BOOL settings = FALSE;
  double idle_cpu = -1;
  long settings_ws_kb = -1;

  if (argc < 3 || argc > 7) {
    fwprintf(stderr,
             L"usage: window_probe <program.exe> <window title> "
             L"[window class|-] [timeout ms] [idle ms] [settings]\n");
    return 1;
  }
  exe_arg = argv[1];
  title = argv[2];
  if (argc >= 4 && wcscmp(argv[3], L"-") != 0 && argv[3][0] != L'\0') cls = argv[3];
  if (argc >= 5) timeout_ms = (DWORD)wcstoul(argv[4], NULL, 10);
  if (argc >= 6) idle_span_ms = (DWORD)wcstoul(argv[5], NULL, 10);
  if (argc >= 7) settings = wcscmp(argv[6], L"settings") == 0;

  if (!GetFullPathNameW(exe_arg, MAX_PATH, exe, &file_part) || !file_part) {
    fwprintf(stderr, L"window_probe: bad program path %ls\n", exe_arg);
    return 1;
  }
  wcsncpy(dir, exe, MAX_PATH);
  dir[file_part - exe] = L'\0';
  _snwprintf(cmdline, MAX_PATH + 3, L"\"%ls\"", exe);
  cmdline[MAX_PATH + 2] = L'\0';

  QueryPerformanceFrequency(&qpc_freq);
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  ZeroMemory(&pi, sizeof pi);

  QueryPerformanceCounter(&start);
  if (!CreateProcessW(exe, cmdline, NULL, NULL, FALSE, 0, NULL, dir, &si, &pi)) {
    fwprintf(stderr, L"window_probe: cannot start %ls (error %lu)\n", exe, GetLastError());
    return 1;
  }

  for (;;) {
    hwnd = find_window(cls, title, pi.dwProcessId);
    if (hwnd) break;
    if (elapsed_ms(start) > (double)timeout_ms) {
      fwprintf(stderr, L"window_probe: no visible window \"%ls\" after %lu ms\n", title,
               timeout_ms);
      TerminateProcess(pi.hProcess, 1);
      WaitForSingleObject(pi.hProcess, 5000);
      return 3;
    }
    /* Polls every millisecond; wakes at once if the process ends. */
    wait = WaitForSingleObject(pi.hProcess, 1);
    if (wait == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(pi.hProcess, &code);
      fwprintf(stderr,
               L"window_probe: %ls ended (exit code %lu) before showing "
               L"\"%ls\"\n",
               exe, code, title);
      return 2;
    }
  }
  window_ms = elapsed_ms(start);

  /* The working set once start-up work is done and the program waits for input. */
  WaitForInputIdle(pi.hProcess, 5000);
  idle_ms = elapsed_ms(start);

  ZeroMemory(&pmc, sizeof pmc);
  pmc.cb = sizeof pmc;
  if (!GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc)) {
    fwprintf(stderr, L"window_probe: GetProcessMemoryInfo failed (error %lu)\n", GetLastError());
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 5000);
    return 1;
  }

  if (idle_span_ms > 0) {
    double before = cpu_ms(pi.hProcess);
    WaitForSingleObject(pi.hProcess, idle_span_ms);
    idle_cpu = cpu_ms(pi.hProcess) - before;
  }

  if (settings) {
    PROCESS_MEMORY_COUNTERS after;
    if (!open_and_close_settings(pi.hProcess, pi.dwProcessId, hwnd, timeout_ms)) {
      TerminateProcess(pi.hProcess, 1);
      WaitForSingleObject(pi.hProcess, 5000);
      return 4;
    }
    WaitForInputIdle(pi.hProcess, 5000);
    ZeroMemory(&after, sizeof after);
    after.cb = sizeof after;
    if (GetProcessMemoryInfo(pi.hProcess, &after, sizeof after)) {
      settings_ws_kb = (long)(after.WorkingSetSize / 1024);
    }
  }

  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 3000) != WAIT_OBJECT_0) {
    closed = "terminated";
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 5000);
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);

  printf(
      "window_ms=%.3f idle_ms=%.3f working_set_kb=%lu peak_working_set_kb=%lu "
      "idle_cpu_ms=%.1f settings_working_set_kb=%ld closed=%s\n",
      window_ms, idle_ms, (unsigned long)(pmc.WorkingSetSize / 1024),
      (unsigned long)(pmc.PeakWorkingSetSize / 1024), idle_cpu, settings_ws_kb, closed);
  fflush(stdout);
  return 0;
}
