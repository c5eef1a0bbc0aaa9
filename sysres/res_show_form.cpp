#include "sysres/res_show_form.h"

#include "sysres/free_resources.h"
#include "ui/message_box.h"
#include "ui/screen.h"

namespace qvn {
namespace {

constexpr COLORREF kSkyBlue = RGB(0xA6, 0xCA, 0xF0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// How far below the main window's top edge the dialog stands.
constexpr int kBelowMainTop = 26;

// No frame and no title bar.
const ui::FormDef kResShowDef = {
    L"TfrmResShow",      L"リソース残量表示",
    /*clientWidth=*/202, /*clientHeight=*/103, WS_POPUP | WS_CLIPCHILDREN,
    /*exStyle=*/0,       /*borderWidth=*/0,    L"ＭＳ Ｐゴシック",         /*fontHeight=*/12,
};

constexpr int kPanelBorderWidth = 2;

}  // namespace

// --- ResShowPanel --------------------------------------------------------------

LRESULT ResShowPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole panel
    case WM_PAINT: {
      const ui::PaintDc paint(hwnd());
      HDC dc = paint.get();
      RECT rect;
      GetClientRect(hwnd(), &rect);
      FillBackground(dc, rect, kSkyBlue);
      const int border = ui::Scale(hwnd(), kPanelBorderWidth);
      InflateRect(&rect, -border, -border);
      DrawEdge(dc, &rect, BDR_SUNKENINNER, BF_RECT);
      return 0;
    }
    // A click is a press and a release on the panel; the capture lets a press
    // that is dragged off the panel and released elsewhere count for nothing.
    case WM_LBUTTONDOWN:
      pressed_ = true;
      SetCapture(hwnd());
      return 0;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      if (GetCapture() == hwnd()) ReleaseCapture();
      RECT rect;
      GetClientRect(hwnd(), &rect);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (wasPressed && PtInRect(&rect, at) && onClick) onClick();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      break;
  }
  return ui::Panel::HandleMessage(message, wParam, lParam);
}

// --- TfrmResShow ---------------------------------------------------------------

TfrmResShow::TfrmResShow(ui::Form& mainForm) : mainForm_(mainForm) {}

bool TfrmResShow::CreateWindowAndControls() {
  // Against the main window's right edge, a little lower than its top, where
  // the main window stands now.
  if (!CreateForm(kResShowDef, mainForm_.hwnd(), ui::Beside(mainForm_.hwnd(), kBelowMainTop))) {
    return false;
  }

  constexpr wchar_t kPanelHint[] = L"|閉じるときは,文字以外のスペースを左クリックしてください.";
  // The top line, then the rows user, graphics and system: names on the
  // left, values on the right. The labels size themselves to their text.
  // clang-format off
  const ui::ControlDef controls[] = {
      // control      parent   left top  w    h    caption                              hint        font bold
      {&Panel1,       nullptr, 0,   0,   202, 103, L"",                                 kPanelHint},
      {&Label4,       &Panel1, 8,   8,   0,   0,   L"各リソースの残量は以下の通りです.", L""},
      {&Label1,       &Panel1, 24,  30,  0,   0,   L"ユーザー：",                       L"",        15},
      {&lblUserRes,   &Panel1, 128, 30,  0,   0,   L"",                                 L"",        15},
      {&Label2,       &Panel1, 24,  52,  0,   0,   L"グラフィック：",                   L"",        15},
      {&lblGDIRes,    &Panel1, 128, 52,  0,   0,   L"",                                 L"",        15},
      {&Label3,       &Panel1, 24,  74,  0,   0,   L"システム：",                       L"",        15,  true},
      {&lblSysRes,    &Panel1, 128, 74,  0,   0,   L"",                                 L"",        15,  true},
  };
  // clang-format on
  if (!CreateControls(controls)) return false;

  UnderlineSystemRow();
  onDpiChanged = [this] { UnderlineSystemRow(); };

  Label4.SetColor(kSkyBlue);
  for (ui::Label* label : {&Label1, &lblUserRes, &Label2, &lblGDIRes}) {
    label->SetTextColor(kBlack);
    label->SetColor(kSkyBlue);
  }
  for (ui::Label* label : {&Label3, &lblSysRes}) {
    label->SetTextColor(kBlue);
    label->SetColor(kSkyBlue);
  }
  for (ui::Label* label :
       {&Label4, &Label1, &lblUserRes, &Label2, &lblGDIRes, &Label3, &lblSysRes}) {
    label->SetAutoSize(true);
  }

  // The dialog has no button; Escape closes it as well as the panel does.
  onEscape = [this] { EndModal(IDCANCEL); };
  Panel1.onClick = [this] { Panel1Click(); };
  return true;
}

void TfrmResShow::UnderlineSystemRow() {
  // The system row is also underlined, which the form's fonts are not.
  LOGFONTW face{};
  GetObjectW(Font(15, true), sizeof face, &face);
  face.lfUnderline = TRUE;
  ui::UniqueFont underlined(CreateFontIndirectW(&face));
  for (ui::Label* label : {&Label3, &lblSysRes}) {
    SendMessageW(label->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(underlined.get()), FALSE);
  }
  underlinedFont_ = std::move(underlined);  // the labels no longer use the old one
}

void TfrmResShow::Panel1Click() {
  EndModal(IDOK);
}

void ShowResourceDialog(ui::Form& mainForm, ResourceProbe& probe) {
  // Measured once, before the dialog exists; the dialog does not refresh them.
  const std::uint16_t system = probe.FreePercent(ResourceKind::System);
  const std::uint16_t gdi = probe.FreePercent(ResourceKind::Gdi);
  const std::uint16_t user = probe.FreePercent(ResourceKind::User);

  TfrmResShow frmResShow(mainForm);
  if (!frmResShow.CreateWindowAndControls()) {
    ui::ShowDialogNotCreated(mainForm.hwnd(), kResShowDef.caption);
    return;
  }
  frmResShow.lblUserRes.SetText(ResourcePercentText(user));
  frmResShow.lblGDIRes.SetText(ResourcePercentText(gdi));
  frmResShow.lblSysRes.SetText(ResourcePercentText(system));
  frmResShow.ShowModal();
}

void ShowResourceDialog(ui::Form& mainForm) {
  SystemResourceProbe probe;
  ShowResourceDialog(mainForm, probe);
}

}  // namespace qvn
