// Program start: one copy only, then the main window and its message loop.
#include <windows.h>

// These need <windows.h> first.
#include <commctrl.h>

#include <optional>
#include <string>

#include "app/main_form.h"
#include "app/single_copy.h"
#include "core/ansi_text.h"
#include "res/resource.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace {

constexpr wchar_t kUnusableFolderMessage[] =
    L"Quorvane.exe の場所 (フォルダーのパスまたはファイル名) に,"
    L"このシステムの文字コードで表せない文字が含まれています.\r\n"
    L"C:\\Tools\\Quorvane のように,英数字や日本語だけでできたパスのフォルダーに "
    L"Quorvane.exe をコピーして起動してください.";
constexpr wchar_t kNoMainWindowMessage[] =
    L"メインウィンドウを作成できませんでした.\r\n"
    L"ほかのソフトウェアをいくつか終了してから,もう一度 Quorvane を起動してください.";

// The running executable's full path, as the launcher's files use it: in the
// ANSI code page. Nothing when the path cannot be written in that code page.
std::optional<std::string> ExecutablePath() {
  return qvn::ToAnsi(ui::ProgramPath());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // COM serves the Startup shortcut. Should it fail here, the shortcut
  // command says so when it cannot create the link; everything else works.
  const ui::ComApartment com;
  // The common controls give the buttons their current look (the manifest
  // asks for version 6).
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  qvn::SingleCopy singleCopy;
  if (!singleCopy.Claim()) {
    singleCopy.BringRunningCopyToFront(qvn::kMainWindowClass, qvn::kMainWindowTitle);
    return 0;
  }

  ui::application::SetTitle(qvn::kMainWindowTitle);
  ui::application::SetIcon(IDI_QUORVANE);

  int exitCode = 1;
  if (const auto executablePath = ExecutablePath()) {
    qvn::Model model;
    qvn::TMainForm mainForm(model, *executablePath);
    if (mainForm.CreateWindowAndControls()) {
      singleCopy.AnnounceMainWindow();
      mainForm.FormCreate();
      if (!mainForm.StartsHidden()) mainForm.Show();
      exitCode = ui::application::Run();
    } else {
      ui::ShowError(nullptr, kNoMainWindowMessage);
    }
  } else {
    ui::ShowError(nullptr, kUnusableFolderMessage);
  }
  return exitCode;
}
