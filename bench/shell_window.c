/* A second yardstick for the start-up comparison: the bare window of
 * minimal_window.c with what any window of controls, a tray icon and shell
 * icons loads at start-up: the common controls, COM, the shell (the Startup
 * folder and a program's icon) and a tray icon. Measured against the bare
 * window, it shows what of Quorvane's start-up those libraries cost:
 *
 *   QVN_BENCH_EXE=build/win32/bench/shell_window.exe QVN_BENCH_TITLE=QvnBaseline \
 *   QVN_BENCH_CLASS=QvnBaselineWindow bench/startup.sh */
#include <windows.h>
// These need <windows.h> first.
// clang-format off
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
// clang-format on

static NOTIFYICONDATAW tray;

static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    Shell_NotifyIconW(NIM_DELETE, &tray);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prev, LPSTR cmdline, int show) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  WNDCLASSW wc;
  RECT rc = {0, 0, 320, 200};
  HWND hwnd;
  MSG msg;
  LPITEMIDLIST items;
  char path[MAX_PATH];
  SHFILEINFOW info;

  (void)prev;
  (void)cmdline;

  InitCommonControlsEx(&controls);
  CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
  if (SUCCEEDED(SHGetSpecialFolderLocation(NULL, CSIDL_STARTUP, &items))) {
    SHGetPathFromIDListA(items, path);
    CoTaskMemFree(items);
  }
  ZeroMemory(&info, sizeof info);
  if (SHGetFileInfoW(L"C:\\windows\\notepad.exe", 0, &info, sizeof info, SHGFI_ICON)) {
    DestroyIcon(info.hIcon);
  }

  ZeroMemory(&wc, sizeof wc);
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"QvnBaselineWindow";
  if (!RegisterClassW(&wc)) return 1;

  AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, FALSE, 0);
  hwnd = CreateWindowExW(0, wc.lpszClassName, L"QvnBaseline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, rc.right - rc.left, rc.bottom - rc.top, NULL, NULL,
                         instance, NULL);
  if (!hwnd) return 1;

  ZeroMemory(&tray, sizeof tray);
  tray.cbSize = sizeof tray;
  tray.hWnd = hwnd;
  tray.uFlags = NIF_ICON | NIF_TIP;
  tray.hIcon = LoadIconW(NULL, (LPCWSTR)IDI_APPLICATION);
  lstrcpyW(tray.szTip, L"QvnBaseline");
  Shell_NotifyIconW(NIM_ADD, &tray);

  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);

  while (GetMessageW(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  CoUninitialize();
  return (int)msg.wParam;
}
