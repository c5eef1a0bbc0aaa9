/* The baseline for the start-up comparison: the smallest honest Win32 program
 * that shows a top-level window and runs a message loop. */
#include <windows.h>

static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prev, LPSTR cmdline, int show) {
  WNDCLASSW wc;
  RECT rc = {0, 0, 320, 200};
  HWND hwnd;
  MSG msg;

  (void)prev;
  (void)cmdline;

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
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);

  while (GetMessageW(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return (int)msg.wParam;
}
