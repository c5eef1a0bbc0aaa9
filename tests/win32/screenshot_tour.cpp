// Shows the launcher's windows one after the other for the screenshots of the
// README; run by scripts/screenshots.sh under Wine, not by CTest.
//
//   screenshot_tour.exe FOLDER
//
// Starts FOLDER\Quorvane.exe, whose launch list is waiting beside it, and
// shows the main window with its icons, its pop-up menu, the open dialog with
// the first list chosen and the two pages of the settings dialog; then closes
// the launcher with 終了(&X). For each view it prints a line
//
//   shot NAME LEFT TOP RIGHT BOTTOM
//
// with the screen rectangle to keep, and goes on once the script has taken
// the screenshot and made the file FOLDER\NAME.taken. Any other line says
// what failed; the exit code is 0 when every view was shown and taken.
#include <windows.h>

#include <string>

#include "tests/win32/test_support.h"

namespace {

using namespace qvntest;

// Time for the script to take one screenshot (it waits for a still screen).
constexpr DWORD kShotTimeoutMs = 60000;

int Fail(const std::string& step, const std::string& reason) {
  SayLine("FAILED at " + step + ": " + reason);
  return 1;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool ShowsAnIcon(const std::vector<HWND>& images) {
  return IconRow(images).find(L'X') != std::wstring::npos;
}

class Tour {
 public:
  explicit Tour(std::wstring folder) : folder_(std::move(folder)), launcher_(folder_, false) {}

  int Run() {
    if (!launcher_.Start()) return Fail("start", "Quorvane.exe could not be started");
    main_ = launcher_.WaitForMainWindow();
    if (main_ == nullptr) return Fail("main-window", "no main window within 15 s");
    if (!WaitUntil([&] { return ShowsAnIcon(SlotImagesOf(main_)); })) {
      return Fail("main-window", "no slot shows an icon: is the launch list beside it?");
    }
    if (!Shot("main-window", WindowRect(main_))) return Fail("main-window", "not taken");

    RightClickAt(CentreOf(HintLineOf(main_)));
    HWND menu = WaitForMenu(launcher_.processId());
    if (menu == nullptr) return Fail("popup-menu", "no pop-up menu");
    RECT both;
    const RECT mainRect = WindowRect(main_), menuRect = WindowRect(menu);
    UnionRect(&both, &mainRect, &menuRect);
    if (!Shot("popup-menu", both)) return Fail("popup-menu", "not taken");
    PressKey(VK_ESCAPE);
    if (!WaitUntil([&] { return !IsWindowVisible(menu); }, 5000)) {
      return Fail("popup-menu", "the menu did not close");
    }
    ParkPointer();

    if (int rc = OpenDialog(); rc != 0) return rc;
    if (int rc = SettingsDialog(); rc != 0) return rc;

    if (!ChooseFromMenu(launcher_.processId(), main_, {'X'})) return Fail("close", "no menu");
    if (launcher_.WaitForExit() != 0) return Fail("close", "the launcher did not end cleanly");
    SayLine("done");
    return 0;
  }

 private:
  // 連続起動データ読み込み(&R)... with the first list chosen, so that its
  // preview shows its icons.
  int OpenDialog() {
    if (!ChooseFromMenu(launcher_.processId(), main_, {'R'})) return Fail("open-dialog", "no menu");
    HWND dialog = WaitForVisibleWindow(launcher_.processId(), L"TfrmOpenDlg");
    if (dialog == nullptr) return Fail("open-dialog", "the dialog did not show");
    HWND list = FindWindowExW(dialog, nullptr, L"ListBox", nullptr);
    if (EntriesOf(list).empty()) return Fail("open-dialog", "no launch list in the folder");
    ClickEntry(list, 0);
    const auto preview = ImagesIn(FindWindowExW(dialog, nullptr, ui::kGroupBoxClass, nullptr));
    if (!WaitUntil([&] { return ShowsAnIcon(preview); })) {
      return Fail("open-dialog", "the preview shows no icon");
    }
    ParkPointer();
    if (!Shot("open-dialog", WindowRect(dialog))) return Fail("open-dialog", "not taken");
    LeftClickAt(CentreOf(ButtonOf(dialog, L"キャンセル(&C)")));
    if (!WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) {
      return Fail("open-dialog", "the dialog did not close");
    }
    return 0;
  }

  // ユーザー設定(&S)..., its launch-list page and its environment page.
  int SettingsDialog() {
    if (!ChooseFromMenu(launcher_.processId(), main_, {'S'})) return Fail("settings", "no menu");
    HWND dialog = WaitForVisibleWindow(launcher_.processId(), L"TSetupForm");
    if (dialog == nullptr) return Fail("settings", "the dialog did not show");
    if (!Shot("settings-list", WindowRect(dialog))) return Fail("settings-list", "not taken");

    ShowNextPage(dialog);
    if (!WaitUntil([&] { return VisibleButtonIn(dialog, L"設定保存(&S)") != nullptr; })) {
      return Fail("settings-environment", "the environment page did not show");
    }
    ParkPointer();
    if (!Shot("settings-environment", WindowRect(dialog))) {
      return Fail("settings-environment", "not taken");
    }
    LeftClickAt(CentreOf(VisibleButtonIn(dialog, L"閉じる(&C)")));
    if (!WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) {
      return Fail("settings", "the dialog did not close");
    }
    return 0;
  }

  // Asks the script for a screenshot of `rect` and waits until it is taken.
  bool Shot(const std::string& name, const RECT& rect) {
    SayLine("shot " + name + " " + std::to_string(rect.left) + " " + std::to_string(rect.top) +
            " " + std::to_string(rect.right) + " " + std::to_string(rect.bottom));
    const std::wstring taken = folder_ + std::wstring(name.begin(), name.end()) + L".taken";
    return WaitUntil([&] { return GetFileAttributesW(taken.c_str()) != INVALID_FILE_ATTRIBUTES; },
                     kShotTimeoutMs);
  }

  std::wstring folder_;
  Launcher launcher_;
  HWND main_ = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    SayLine("usage: screenshot_tour.exe FOLDER");
    return 2;
  }
  // The rectangles it names are the screen's pixels at any DPI the script
  // sets, not a 96-DPI program's view of them (Vista on).
  using SetProcessDpiAwareFn = BOOL(WINAPI*)();
  if (const auto setAware = reinterpret_cast<SetProcessDpiAwareFn>(reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDPIAware")))) {
    setAware();
  }
  std::wstring folder = argv[1];
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  return Tour(folder).Run();
}
