// Checks an unpacked release the way a user first meets it; run by
// scripts/package_test.sh under Wine, not by CTest.
//
//   package_check.exe FOLDER
//
// Starts FOLDER\Quorvane.exe, sees its window and the files of a first start,
// chooses ヘルプ(&H) > 目次(&C) and sees the help opened in the browser (the
// stand-in browser of tests/win32/fake_browser notes it in
// Quorvane.html.opened) or the launcher report that it could not open it,
// then closes the launcher with 終了(&X). One line per step on the standard
// output; the exit code is 0 when every step passed.
#include <windows.h>

#include <string>

#include "tests/text_lines.h"
#include "tests/win32/test_support.h"

namespace {

using namespace qvntest;

const std::wstring kHtmlNotOpened = L"ヘルプ (Quorvane.html) を開けませんでした.";

int Fail(const std::string& step, const std::string& reason) {
  SayLine("FAILED at " + step + ": " + reason);
  return 1;
}

int Check(std::wstring folder) {
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';

  Launcher launcher(folder, /*copyBuiltProgram=*/false);
  if (!launcher.Start()) return Fail("start", "Quorvane.exe could not be started");
  SayLine("started " + Utf8(folder) + "Quorvane.exe");

  HWND main = launcher.WaitForMainWindow();
  if (main == nullptr) return Fail("window", "no main window within 15 s");
  if (TextOf(main) != L"Quorvane") return Fail("window", "the title is " + Utf8(TextOf(main)));
  SayLine("window: shown");

  const std::string startList = JoinLines({"NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL",
                                           "NULL", "0", "0", "0", "0", "0", "0", "0", "0"});
  if (ReadFileBytes(folder + L"Start.qvl") != startList) {
    return Fail("files", "Start.qvl is missing or not the empty list");
  }
  const std::string config =
      JoinLines({"FALSE", "FALSE", "TRUE", "TRUE", Ansi(folder + L"Start.qvl"), "5000", "35"});
  if (ReadFileBytes(folder + L"Config.qvc") != config) {
    return Fail("files", "Config.qvc is missing or does not hold the defaults");
  }
  SayLine("files: Config.qvc and Start.qvl made");

  if (!ChooseFromMenu(launcher.processId(), main, {'H', 'C'})) {
    return Fail("help", "no pop-up menu");
  }
  std::string opened;
  HWND box = nullptr;
  WaitUntil(
      [&] {
        opened = ReadFileBytes(folder + L"Quorvane.html.opened");
        box = WaitForVisibleWindow(launcher.processId(), L"#32770", 0);
        return !opened.empty() || box != nullptr;
      },
      20000);
  if (!opened.empty()) {
    SayLine("help: opened in the browser: " + opened.substr(0, opened.find('\n')));
  } else if (box != nullptr) {
    const std::wstring message = MessageOf(box);
    PressFirstButton(box);
    // The package ships the help, so only a missing browser may keep it closed.
    if (message.rfind(kHtmlNotOpened, 0) != 0) {
      return Fail("help", "the launcher said: " + Utf8(message));
    }
    SayLine("help: not opened, as the launcher reported: " +
            Utf8(message.substr(0, message.find(L'\r'))));
    if (!WaitUntil([&] { return !IsWindow(box); }, 5000)) {
      return Fail("help", "the message did not close");
    }
  } else {
    return Fail("help", "neither the browser nor a message within 20 s");
  }

  if (!ChooseFromMenu(launcher.processId(), main, {'X'})) return Fail("close", "no pop-up menu");
  const long exitCode = launcher.WaitForExit();
  if (exitCode != 0) {
    return Fail("close", exitCode == -1 ? "still running after 15 s"
                                        : "ended with exit code " + std::to_string(exitCode));
  }
  SayLine("closed: exit code 0");
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    SayLine("usage: package_check.exe FOLDER");
    return 2;
  }
  return Check(argv[1]);
}
