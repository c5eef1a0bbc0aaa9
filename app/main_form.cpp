#include "app/main_form.h"

#include <windows.h>

#include "app/about_box.h"
#include "app/help_contents.h"
#include "app/single_copy.h"
#include "app/startup.h"
#include "app/startup_shortcut.h"
#include "core/ansi_text.h"
#include "datafile/chosen_file.h"
#include "launch/launch_sequence.h"
#include "res/resource.h"
#include "settings/config_file.h"
#include "settings/setup_form.h"
#include "sysres/free_resources.h"
#include "sysres/res_show_form.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "ui/screen.h"
#include "ui/window.h"

namespace qvn {
namespace {

// Said once at start when the program's folder takes no files (Program Files
// for a standard user, a read-only share, a protected folder).
std::wstring UnwritableFolderText(const std::wstring& folder) {
  return L"Quorvane のフォルダー " + folder +
         L" にファイルを作成できないため,設定と連続起動データを保存できません.\r\n"
         L"Quorvane のフォルダーを,C:\\Tools\\Quorvane のように書き込みのできる場所へ移動してから"
         L"起動してください.";
}

const ui::FormDef kMainFormDef = {
    kMainWindowClass,    kMainWindowTitle,
    /*clientWidth=*/332, /*clientHeight=*/95, ui::kFixedSingleStyle, /*exStyle=*/0,
    /*borderWidth=*/5,   L"ＭＳ Ｐゴシック",  /*fontHeight=*/12,
};

// The pop-up menu, top to bottom.
// clang-format off
constexpr ui::MenuItemDef kPopupMenu1Items[] = {
    // name         level caption                            hint
    {"miStart",     0,    L"連続起動(&E)",                   L"|表示されているソフトウェアを連続起動します."},
    {"miDataRead",  0,    L"連続起動データ読み込み(&R)...",  L"|「連続起動データファイルの選択」ダイアログを表示します."},
    {"N1",          0,    L"-",                              L""},
    {"miSetup",     0,    L"ユーザー設定(&S)...",            L"|「ユーザー設定」ダイアログを表示します."},
    {"N5",          0,    L"オプション(&O)",                 L""},
    {"miSetToDef",  1,    L"デフォルトファイルに設定(&D)",   L"|現在のデータファイルをデフォルトファイルにします."},
    {"N7",          1,    L"-",                              L""},
    {"miResShow",   1,    L"リソース残量を表示(&R)...",      L"|リソース残量表示ダイアログを表示します."},
    {"N8",          1,    L"-",                              L""},
    {"miStartup",   1,    L"スタートアップに登録(&S)",       L"|Quorvane をスタートアップに登録します."},
    {"N2",          0,    L"-",                              L""},
    {"miTaskTray",  0,    L"タスクトレイに格納(&T)",         L"|Quorvane をタスクトレイに格納します."},
    {"miFormShow",  0,    L"メインウィンドウを表示(&M)",     L""},
    {"N3",          0,    L"-",                              L""},
    {"miHelp",      0,    L"ヘルプ(&H)",                     L""},
    {"miContents",  1,    L"目次(&C)",                       L"|ヘルプの目次を表示します."},
    {"N4",          1,    L"-",                              L""},
    {"miAbout",     1,    L"バージョン情報(&V)...",          L"|バージョン情報を表示します."},
    {"N6",          0,    L"-",                              L""},
    {"miClose",     0,    L"終了(&X)",                       L"|Quorvane を終了します."},
};
// clang-format on

}  // namespace

TMainForm::TMainForm(Model& model, std::string executablePath)
    : PopupMenu1(kPopupMenu1Items),
      model_(model),
      executablePath_(std::move(executablePath)),
      trayIcon_(IDI_QUORVANE) {
  model_.ConsecutiveLaunchCount = 0;
}

TMainForm::~TMainForm() {
  // The application's hint line is this window's.
  ui::application::SetHintLine({}, nullptr);
}

bool TMainForm::CreateWindowAndControls() {
  if (!CreateForm(kMainFormDef, nullptr, ui::MainWindowCorner())) return false;

  constexpr wchar_t kImageHint[] = L"|起動するソフトウェアが設定されていません.";
  // The main window's controls. The icons come before the white strip: a
  // window made later lies below the ones made before it, and the icons must
  // lie on top of the strip.
  // clang-format off
  const ui::ControlDef controls[] = {
      // control    parent       left top  w    h   caption             hint                                                                          font
      {&Panel1,     nullptr,     0,   0,   332, 95, L"",                L"|右クリック：ポップアップメニューを表示します."},
      {&GroupBox1,  &Panel1,     5,   5,   323, 58, L"起動ソフトウェア", L"ダブルクリック or 右クリック|ダブルクリック or 右クリックで連続起動できます", 13},
      {&Image1,     &GroupBox1,  10,  15,  32,  32, L"",                kImageHint},
      {&Image2,     &GroupBox1,  47,  15,  32,  32, L"",                kImageHint},
      {&Image3,     &GroupBox1,  84,  15,  32,  32, L"",                kImageHint},
      {&Image4,     &GroupBox1,  121, 15,  32,  32, L"",                kImageHint},
      {&Image5,     &GroupBox1,  158, 15,  32,  32, L"",                kImageHint},
      {&Image6,     &GroupBox1,  195, 15,  32,  32, L"",                kImageHint},
      {&Image7,     &GroupBox1,  232, 15,  32,  32, L"",                kImageHint},
      {&Image8,     &GroupBox1,  269, 15,  32,  32, L"",                kImageHint},
      {&Label2,     &GroupBox1,  10,  15,  290, 32, L"",                L""},
      {&Label1,     &Panel1,     2,   67,  0,   0,  L"",                L""},
  };
  // clang-format on
  if (!CreateControls(controls)) return false;

  Label1.SetAutoSize(true);
  // White, or the window colour of a high-contrast theme.
  Label2.SetColor(RGB(255, 255, 255), COLOR_WINDOW);
  for (int i = 0; i < kSlotCount; ++i) slotRow_.Image(i).SetColor(RGB(255, 255, 255), COLOR_WINDOW);
  slotRow_.TakeKeyboard();

  popupMenu = &PopupMenu1;
  endsProgram = true;
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  onDestroy = [this] { FormDestroy(); };
  // The slot icons, and the tray's, are taken out at the size of the new DPI.
  onDpiChanged = [this] {
    ShowSlotIcons();
    trayIcon_.DpiChanged();
  };
  // Run as administrator, the window still hears a second copy and Explorer,
  // which run with less privilege.
  ui::LetMessageThrough(hwnd(), SingleCopy::ComeBackMessage());
  ui::LetMessageThrough(hwnd(), trayIcon_.TaskbarCreatedMessage());
  WireCommands();
  return true;
}

void TMainForm::FormCreate() {
  StartupPlatform platform{executablePath_, IsAnsiLeadByte, RunningPlatformId(),
                           StartupLinkPath().value_or(std::string())};
  const StartupOutcome outcome = RunStartup(model_, files_, platform);
  if (!outcome.unwritableFolder.empty()) {
    ui::ShowError(hwnd(), UnwritableFolderText(FromAnsi(outcome.unwritableFolder)));
  }
  for (const Error& error : outcome.errors) ShowError(error);
  ShowSlotIcons();
  SetTrayMenuState(/*taskTrayItemVisible=*/true);
  if (outcome.startsInTray) MoveToTray();
  startsHidden_ = TrayIconShown();
  PopupMenu1.Item("miResShow").enabled = outcome.resShowEnabled;
  PopupMenu1.Item("miStartup").caption = StartupMenuCaption(model_.StartupLinkRegistered);
  ui::application::SetHintLine(kDefaultHintText,
                               [this](const std::wstring& text) { DisplayHint(text); });
  Label1.SetText(kDefaultHintText);
  ShowSlotHints();
}

void TMainForm::FormShow() {
  // Every time it is shown, the window goes to the top-left corner of the
  // primary monitor's work area: the virtual screen's corner may lie on no
  // monitor (one placed higher than the primary), and a taskbar at the top or
  // left would cover the caption.
  MoveTo(ui::MainWindowCorner());
}

void TMainForm::FormClose() {
  RemoveTrayIcon();
}

void TMainForm::FormDestroy() {
  model_.SlotList.clear();
}

void TMainForm::miCloseClick() {
  Close();
}

void TMainForm::miAboutClick() {
  TAboutBox aboutBox(*this);
  aboutBox.Execute();
}

void TMainForm::miContentsClick() {
  ShowHelpContents(hwnd(), model_.ProgramFolder);
}

void TMainForm::DisplayHint(const std::wstring& hint) {
  Label1.SetText(hint);
}

void TMainForm::miSetToDefClick() {
  MakeCurrentFileTheDefault(model_, *this);
}

std::optional<Error> TMainForm::RewriteConfiguration() {
  return WriteConfigFile(model_, files_);
}

void TMainForm::miResShowClick() {
  ShowResourceDialog(*this);
}

void TMainForm::ShowError(const Error& error) {
  ui::ShowError(hwnd(), ErrorText(error, FromAnsi));
}

// --- The Startup shortcut ------------------------------------------------------

void TMainForm::miStartupClick() {
  ToggleStartupShortcut();
}

void TMainForm::ToggleStartupShortcut(ui::Form* settingsDialog, ui::Control* btnStartup) {
  const StartupToggleCaller caller = settingsDialog != nullptr
                                         ? FromSettingsDialog(*settingsDialog, btnStartup)
                                         : FromMenu(hwnd());
  qvn::ToggleStartupShortcut(model_, PopupMenu1.Item("miStartup"), caller);
}

bool TMainForm::StartupLinkExists() {
  return qvn::StartupLinkExists();
}

void TMainForm::PopupMenuOpening(HMENU menu) {
  model_.StartupLinkRegistered = StartupLinkExists();
  PopupMenu1.Item("miStartup").caption = StartupMenuCaption(model_.StartupLinkRegistered);
  PopupMenu1.Refresh(menu);
}

// --- The settings dialog -------------------------------------------------------

void TMainForm::miSetupClick() {
  {
    TSetupForm SetupForm(model_, *this, *this, *this);
    SetupForm.Execute();
  }
  // Whatever the dialog applied or saved has taken effect; the icons are
  // fetched afresh now that it is gone.
  ShowSlotIcons();
}

// --- The slot row ----------------------------------------------------------------

void TMainForm::ShowSlotIcons() {
  slotRow_.ShowIcons(model_);
}

void TMainForm::ShowSlotHints() {
  slotRow_.ShowHints(model_);
}

// --- Launching -----------------------------------------------------------------

void TMainForm::GroupBox1DblClick() {
  RunConsecutiveLaunch(model_, launchHost_);
}

void TMainForm::LaunchSlot(int index) {
  qvn::LaunchSlot(model_, launchHost_, *this, index);
}

}  // namespace qvn
