#include "app/about_box.h"

#include "res/resource.h"
#include "res/version.h"
#include "ui/message_box.h"
#include "ui/screen.h"
#include "ui/shell_icon.h"

namespace qvn {
namespace {

const ui::FormDef kAboutBoxDef = {
    L"TAboutBox",        L"バージョン情報",
    /*clientWidth=*/260, /*clientHeight=*/120,
    ui::kDialogStyle,    WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
    /*borderWidth=*/0,   L"ＭＳ Ｐゴシック",
    /*fontHeight=*/12,
};

}  // namespace

TAboutBox::TAboutBox(ui::Form& mainForm) : mainForm_(mainForm) {}

int TAboutBox::Execute() {
  // Beside the main window: top edges aligned, left edge at its right edge.
  if (!CreateForm(kAboutBoxDef, mainForm_.hwnd(), ui::Beside(mainForm_.hwnd()))) {
    return NotCreated();
  }
  // clang-format off
  const ui::ControlDef controls[] = {
      // control      parent    left top  w    h   caption          hint  font bold
      {&Panel1,       nullptr,  8,   8,   244, 70, L"",             L""},
      {&ProgramIcon,  &Panel1,  14,  19,  32,  32, L"",             L""},
      {&ProductName,  &Panel1,  60,  12,  0,   0,  L"Quorvane",     L"",  21,  true},
      {&Version,      &Panel1,  62,  42,  0,   0,  L"Version " QVN_VERSION_WIDE, L""},
      {&OKButton,     nullptr,  92,  88,  75,  24, L"OK",           L""},
  };
  // clang-format on
  if (!CreateControls(controls)) return NotCreated();
  ProductName.SetAutoSize(true);
  Version.SetAutoSize(true);
  ShowProgramIcon();
  onDpiChanged = [this] { ShowProgramIcon(); };

  onEscape = [this] { EndModal(IDCANCEL); };
  OKButton.onClick = [this] { EndModal(IDOK); };
  SetFocus(OKButton.hwnd());
  return ShowModal();
}

int TAboutBox::NotCreated() {
  ui::ShowDialogNotCreated(mainForm_.hwnd(), kAboutBoxDef.caption);
  return IDCANCEL;
}

void TAboutBox::ShowProgramIcon() {
  const int size = ui::Scale(hwnd(), 32);
  ui::UniqueIcon icon = ui::IconAtSize(ui::Instance(), MAKEINTRESOURCEW(IDI_QUORVANE), size);
  ProgramIcon.SetIcon(icon.get());
  programIcon_ = std::move(icon);
}

}  // namespace qvn
