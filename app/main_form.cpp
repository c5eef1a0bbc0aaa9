#include "app/main_form.h"

#include <windows.h>
#include <shellapi.h>

#include "app/about_box.h"
#include "app/help_contents.h"
#include "app/startup_shortcut.h"
#include "launch/launch_messages.h"
#include "launch/win32_launcher.h"
#include "res/resource.h"
#include "settings/config_file.h"
#include "sysres/free_resources.h"
#include "sysres/res_show_form.h"
#include "sysres/resource_guard.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "ui/text.h"

namespace qvn {
namespace {

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

// The hints the slot row shows once start-up has run.
constexpr wchar_t kGroupHint[] =
    L"ダブルクリック：すべてのソフトウェアを連続起動します.\r\n"
    L"右クリック：ポップアップメニューを表示します.";
constexpr wchar_t kSetSlotHint[] =
    L"ダブルクリック：ポイントしているソフトウェアを起動します.\r\n"
    L"右クリック：ポップアップメニューを表示します.";
constexpr wchar_t kUnsetSlotHint[] =
    L"起動するソフトウェアが設定されていません.\r\n"
    L"右クリック：ポップアップメニューを表示します.";

// The tray icon's tip, chosen when the icon is added.
constexpr wchar_t kScreenSaverTip[] =
    L"左クリック: スクリーンセーバー\r\n右クリック: ポップアップメニュー";
constexpr wchar_t kMainWindowTip[] =
    L"左クリック: メインウィンドウ\r\n右クリック: ポップアップメニュー";

// The Startup shortcut's state, in the menu and in the messages.
constexpr wchar_t kRemoveFromStartupCaption[] = L"スタートアップから削除(&I)";
constexpr wchar_t kRegisterInStartupCaption[] = L"スタートアップに登録(&I)";
constexpr wchar_t kRemoveFromStartupButton[] = L"Quorvane をスタートアップから削除する";
constexpr wchar_t kRegisterInStartupButton[] = L"Quorvane をスタートアップに登録する";
constexpr wchar_t kRemovedMessage[] = L"Quorvane をスタートアップから削除しました.";
constexpr wchar_t kRegisteredMessage[] = L"Quorvane をスタートアップに登録しました.";
constexpr wchar_t kNoStartupFolderMessage[] =
    L"スタートアップフォルダーの場所がわからないため,ショートカットを作成も削除もできません.";
constexpr wchar_t kShortcutNotCreatedError[] = L"ショートカットを作成できませんでした (%08lX)";
// Where the message box of the menu command stands.
constexpr POINT kStartupMessageFromMenu = {347, 33};

}  // namespace

TMainForm::TMainForm(Model& model, std::string executablePath)
    : PopupMenu1(kPopupMenu1Items), model_(model), executablePath_(std::move(executablePath)) {
  model_.TrayIconShown = false;
  model_.ConsecutiveLaunchCount = 0;
  model_.CursorOverProgram = false;
}

TMainForm::~TMainForm() {
  // The application-wide handlers point at this window.
  ui::application::SetHintHandler(nullptr);
  ui::application::SetPointerHandler(nullptr);
}

bool TMainForm::CreateWindowAndControls() {
  if (!CreateForm(kMainFormDef, nullptr)) return false;

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
  CreateControls(controls);

  Label1.SetAutoSize(true);
  Label2.SetColor(RGB(255, 255, 255));
  for (int i = 0; i < kSlotCount; ++i) SlotImage(i)->SetColor(RGB(255, 255, 255));

  popupMenu = &PopupMenu1;
  endsProgram = true;
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  onDestroy = [this] { FormDestroy(); };
  PopupMenu1.Item("miContents").onClick = [this] { miContentsClick(); };
  PopupMenu1.Item("miAbout").onClick = [this] { miAboutClick(); };
  PopupMenu1.Item("miClose").onClick = [this] { miCloseClick(); };
  PopupMenu1.Item("miSetToDef").onClick = [this] { miSetToDefClick(); };
  PopupMenu1.Item("miTaskTray").onClick = [this] { miTaskTrayClick(); };
  PopupMenu1.Item("miFormShow").onClick = [this] { miFormShowClick(); };
  PopupMenu1.Item("miStartup").onClick = [this] { miStartupClick(); };
  PopupMenu1.Item("miStart").onClick = [this] { GroupBox1DblClick(); };
  PopupMenu1.Item("miResShow").onClick = [this] { miResShowClick(); };
  GroupBox1.onDblClick = [this] { GroupBox1DblClick(); };
  Image1.onDblClick = [this] { Image1DblClick(); };
  Image2.onDblClick = [this] { Image2DblClick(); };
  Image3.onDblClick = [this] { Image3DblClick(); };
  Image4.onDblClick = [this] { Image4DblClick(); };
  Image5.onDblClick = [this] { Image5DblClick(); };
  Image6.onDblClick = [this] { Image6DblClick(); };
  Image7.onDblClick = [this] { Image7DblClick(); };
  Image8.onDblClick = [this] { Image8DblClick(); };

  trayIcon_.reset(static_cast<HICON>(LoadImageW(ui::Instance(), MAKEINTRESOURCEW(IDI_QUORVANE),
                                                IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                GetSystemMetrics(SM_CYSMICON), 0)));
  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
  return true;
}

ui::Image* TMainForm::SlotImage(int index) {
  ui::Image* const images[kSlotCount] = {&Image1, &Image2, &Image3, &Image4,
                                         &Image5, &Image6, &Image7, &Image8};
  return images[index];
}

void TMainForm::FormCreate() {
  RunStartup(model_, *this);
}

void TMainForm::FormShow() {
  // Every time it is shown, the window goes to the top-left corner of the
  // virtual screen (which may lie left of or above the primary monitor).
  MoveTo(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN));
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
  ShowHelpContents(hwnd(), ui::FromAnsi(FolderPart(executablePath_, LeadBytes())));
}

void TMainForm::DisplayHint(const std::wstring& hint) {
  Label1.SetText(hint);
}

void TMainForm::IdleHintCheck() {
  const bool overProgram = ui::application::PointerOverProgram();
  if (overProgram == model_.CursorOverProgram) return;
  model_.CursorOverProgram = overProgram;
  if (!overProgram) Label1.SetText(kDefaultHintText);
}

void TMainForm::miSetToDefClick() {
  // Without a list that came from a file there is nothing to make the
  // default; the default and the configuration file stay as they are.
  if (model_.CurrentDataFile.empty()) return;
  model_.DefaultDataFile = model_.CurrentDataFile;
  if (const auto error = WriteConfigFile(model_, files_)) ShowError(*error);
}

// --- The task tray -------------------------------------------------------------

void TMainForm::miTaskTrayClick() {
  MoveToTray();
}

void TMainForm::miFormShowClick() {
  RestoreFromTray();
}

void TMainForm::AddTrayIcon() {
  if (model_.TrayIconShown) return;
  // The Unicode record: its 128-character tip holds either text whole, line
  // break included.
  NOTIFYICONDATAW icon{};
  icon.cbSize = NOTIFYICONDATAW_V2_SIZE;
  icon.hWnd = hwnd();
  icon.uID = kTrayIconId;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kTrayCallbackMessage;
  icon.hIcon = trayIcon_.get();
  lstrcpynW(icon.szTip, model_.StartScreenSaverOnIconClick ? kScreenSaverTip : kMainWindowTip,
            ARRAYSIZE(icon.szTip));
  Shell_NotifyIconW(NIM_ADD, &icon);
  model_.TrayIconShown = true;
}

void TMainForm::RemoveTrayIcon() {
  if (!model_.TrayIconShown) return;
  NOTIFYICONDATAW icon{};
  icon.cbSize = NOTIFYICONDATAW_V2_SIZE;
  icon.hWnd = hwnd();
  icon.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &icon);
  model_.TrayIconShown = false;
}

void TMainForm::MoveToTray() {
  AddTrayIcon();
  Hide();
}

void TMainForm::RestoreFromTray() {
  RemoveTrayIcon();
  SetTrayMenuState(/*taskTrayItemVisible=*/true);
  InvalidateRect(hwnd(), nullptr, TRUE);
  Show();  // FormShow puts the window back at the top-left corner
}

void TMainForm::StartScreenSaver() {
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

void TMainForm::TrayCallback(LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN:
      if (!model_.StartScreenSaverOnIconClick) {
        RestoreFromTray();
      } else if (!ResourcesBelowLimit()) {
        StartScreenSaver();
      }
      break;
    case WM_RBUTTONDOWN: {
      POINT at;
      GetCursorPos(&at);
      SetTrayMenuState(/*taskTrayItemVisible=*/false);
      ui::application::ProcessPendingMessages();
      PopupMenu1.Popup(hwnd(), at);  // brings the window to the foreground first
      break;
    }
  }
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kTrayCallbackMessage) {
    TrayCallback(lParam);
    return 0;
  }
  if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0 && model_.TrayIconShown) {
    model_.TrayIconShown = false;  // the new taskbar has no icon of ours yet
    AddTrayIcon();
    return 0;
  }
  return Form::HandleMessage(message, wParam, lParam);
}

// --- Launching -----------------------------------------------------------------

void TMainForm::GroupBox1DblClick() {
  RunConsecutiveLaunch(model_, *this);
}

void TMainForm::LaunchSlot(ui::Image* image) {
  for (int i = 0; i < kSlotCount; ++i) {
    if (SlotImage(i) == image) qvn::LaunchSlot(model_, *this, i);
  }
}

void TMainForm::StartSlotProgram(int index) {
  qvn::StartSlotProgram(model_, index);
}

void TMainForm::Pause(std::int32_t milliseconds) {
  PauseLaunch(milliseconds);
}

bool TMainForm::ResourcesBelowLimit() {
  SystemResourceProbe probe;
  return qvn::ResourcesBelowLimit(probe, model_.ResourceLimit);
}

void TMainForm::miResShowClick() {
  ShowResourceDialog(*this);
}

void TMainForm::ShowLaunchMessage(LaunchMessage message) {
  qvn::ShowLaunchMessage(hwnd(), message);
}

LaunchAnswer TMainForm::ConfirmLaunch(LaunchMessage question) {
  return qvn::ConfirmLaunch(hwnd(), question);
}

void TMainForm::BringLauncherToFront() {
  qvn::BringLauncherToFront(hwnd());
}

// --- The Startup shortcut ------------------------------------------------------

void TMainForm::miStartupClick() {
  ToggleStartupShortcut();
}

std::string TMainForm::StartupLinkPath() {
  const std::string folder = GetStartupFolder(hwnd());
  return folder.empty() ? std::string() : folder + "\\" + kStartupLinkName;
}

bool TMainForm::StartupLinkExists() {
  const std::string link = StartupLinkPath();
  return !link.empty() && files_.Exists(link);
}

void TMainForm::ShowStartupLinkState(bool registered) {
  PopupMenu1.Item("miStartup").caption =
      registered ? kRemoveFromStartupCaption : kRegisterInStartupCaption;
}

void TMainForm::ToggleStartupShortcut(ui::Form* settingsDialog, ui::Control* btnStartup) {
  POINT messageAt = kStartupMessageFromMenu;
  if (settingsDialog != nullptr) {
    const RECT dialog = settingsDialog->ScreenRect();
    messageAt = {dialog.left + 105, dialog.top + 105};
  }
  HWND owner = settingsDialog != nullptr ? settingsDialog->hwnd() : hwnd();

  const std::string link = StartupLinkPath();
  if (link.empty()) {
    // Without the folder there is nowhere to put the shortcut; the root of the
    // drive is no place for it.
    ui::ShowMessageAt(owner, kNoStartupFolderMessage, messageAt);
    return;
  }
  const bool registering = !model_.StartupLinkRegistered;
  if (registering) {
    const HRESULT result = CreateShellLink(link, executablePath_, model_.ProgramFolder);
    if (FAILED(result)) {
      wchar_t text[128];
      wsprintfW(text, kShortcutNotCreatedError, static_cast<unsigned long>(result));
      ui::ShowError(owner, text);
      return;
    }
  } else if (!DeleteFileA(link.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
    // A shortcut that is already gone counts as removed; one that stays does not.
    ShowError(FileError{FileErrorNumber(GetLastError())});
    return;
  }
  model_.StartupLinkRegistered = registering;
  ShowStartupLinkState(registering);
  if (btnStartup != nullptr) {
    btnStartup->SetText(registering ? kRemoveFromStartupButton : kRegisterInStartupButton);
  }
  ui::ShowMessageAt(owner, registering ? kRegisteredMessage : kRemovedMessage, messageAt);
}

void TMainForm::ShowSlotIcons() {
  std::array<ui::UniqueIcon, kSlotCount> fetched;
  for (int i = 0; i < kSlotCount; ++i) {
    const std::string& path = SlotPath(model_, i);
    // A program that is not there shows no icon (some shells would give the
    // generic one), and a fresh record for every slot makes sure a path the
    // shell cannot query never shows the previous slot's icon.
    if (!path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
      SHFILEINFOA info{};
      if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON) != 0) {
        fetched[i].reset(info.hIcon);
      }
    }
    SlotImage(i)->SetIcon(fetched[i].get());
    model_.SlotIcons[i] = fetched[i].get();
  }
  // No image shows the icons of the previous refresh any more.
  slotIcons_ = std::move(fetched);
}

void TMainForm::ShowError(const Error& error) {
  ui::ShowError(hwnd(), ErrorText(error, ui::FromAnsi));
}

void TMainForm::ShowSlotHints() {
  GroupBox1.SetHint(kGroupHint);
  for (int i = 0; i < kSlotCount; ++i) {
    SlotImage(i)->SetHint(IsSlotSet(model_, i) ? kSetSlotHint : kUnsetSlotHint);
  }
}

LeadByteRule TMainForm::LeadBytes() {
  return ui::IsAnsiLeadByte;
}

int TMainForm::PlatformId() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;  // the 148-byte record
  GetVersionExA(&version);
  return static_cast<int>(version.dwPlatformId);
}

void TMainForm::SetTrayMenuState(bool taskTrayItemVisible) {
  PopupMenu1.Item("miTaskTray").visible = taskTrayItemVisible;
  PopupMenu1.Item("miFormShow").visible = !taskTrayItemVisible;
}

void TMainForm::SetResShowEnabled(bool enabled) {
  PopupMenu1.Item("miResShow").enabled = enabled;
}

void TMainForm::InstallHintHandler() {
  ui::application::SetHintHandler([this](const std::wstring& hint) { DisplayHint(hint); });
}

void TMainForm::ShowDefaultHint() {
  Label1.SetText(kDefaultHintText);
}

void TMainForm::InstallIdleHandler() {
  ui::application::SetPointerHandler([this] { IdleHintCheck(); });
}

}  // namespace qvn
