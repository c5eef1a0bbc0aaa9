#include "settings/setup_form.h"

#include <vector>

#include "ui/message_box.h"
#include "ui/screen.h"

namespace qvn {
namespace {

const ui::FormDef kSetupFormDef = {
    L"TSetupForm",       L"ユーザー設定",
    /*clientWidth=*/528, /*clientHeight=*/492,
    ui::kDialogStyle,    WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
    /*borderWidth=*/0,   L"ＭＳ Ｐゴシック",
    /*fontHeight=*/12,
};
constexpr int kFontHeight = 12;
// The slot rows' captions stand out.
constexpr int kSlotCaptionHeight = 13;

// The launch-list page's rows: one group box per slot, No.1 at the top, with
// the swap button between two rows at their right.
constexpr int kRowLeft = 6, kRowTop = 4, kRowWidth = 478, kRowHeight = 49, kRowPitch = 51;
constexpr int kSwapWidth = 17, kSwapHeight = 27;

constexpr const wchar_t* kRowCaptions[kSlotCount] = {
    L" No. 1 ", L" No. 2 ", L" No. 3 ", L" No. 4 ", L" No. 5 ", L" No. 6 ", L" No. 7 ", L" No. 8 ",
};
constexpr const wchar_t* kSwapHints[kSlotCount - 1] = {
    L"|No.1とNo.2を入れ替えます.", L"|No.2とNo.3を入れ替えます.", L"|No.3とNo.4を入れ替えます.",
    L"|No.4とNo.5を入れ替えます.", L"|No.5とNo.6を入れ替えます.", L"|No.6とNo.7を入れ替えます.",
    L"|No.7とNo.8を入れ替えます.",
};
// What a screen reader reads for a row's path box and swap button.
constexpr const wchar_t* kPathNames[kSlotCount] = {
    L"No.1 のソフトウェア", L"No.2 のソフトウェア", L"No.3 のソフトウェア", L"No.4 のソフトウェア",
    L"No.5 のソフトウェア", L"No.6 のソフトウェア", L"No.7 のソフトウェア", L"No.8 のソフトウェア",
};
constexpr const wchar_t* kSwapNames[kSlotCount - 1] = {
    L"No.1 と No.2 を入れ替え", L"No.2 と No.3 を入れ替え", L"No.3 と No.4 を入れ替え",
    L"No.4 と No.5 を入れ替え", L"No.5 と No.6 を入れ替え", L"No.6 と No.7 を入れ替え",
    L"No.7 と No.8 を入れ替え",
};
constexpr wchar_t kRowHint[] = L"|起動するソフトウェアを設定してください(No.1は必須です).";

}  // namespace

TSetupForm::TSetupForm(Model& model, SetupHost& host, DataFileHost& dataFiles, SlotDisplay& display)
    : model_(model), host_(host), dataFiles_(dataFiles), display_(display) {}

std::array<TSetupForm::SlotRowControls, kSlotCount> TSetupForm::Rows() {
  return {{
      {GroupBox1, Image1, PathLabel1, Edit1, Button1, Button2, RadioGroup1, &BitBtn1_2},
      {GroupBox2, Image2, PathLabel2, Edit2, Button3, Button4, RadioGroup2, &BitBtn2_3},
      {GroupBox3, Image3, PathLabel3, Edit3, Button5, Button6, RadioGroup3, &BitBtn3_4},
      {GroupBox4, Image4, PathLabel4, Edit4, Button7, Button8, RadioGroup4, &BitBtn4_5},
      {GroupBox5, Image5, PathLabel5, Edit5, Button9, Button10, RadioGroup5, &BitBtn5_6},
      {GroupBox6, Image6, PathLabel6, Edit6, Button11, Button12, RadioGroup6, &BitBtn6_7},
      {GroupBox7, Image7, PathLabel7, Edit7, Button13, Button14, RadioGroup7, &BitBtn7_8},
      {GroupBox8, Image8, PathLabel8, Edit8, Button15, Button16, RadioGroup8, nullptr},
  }};
}

bool TSetupForm::CreateControlsOfPages() {
  // The tab captions are padded with blanks, which makes the tabs wide.
  // clang-format off
  const ui::ControlDef pages[] = {
      // control       parent         left top w    h    caption
      {&PageControl1,  nullptr,       4,   4,  520, 484, L""},
      {&TabSheet1,     &PageControl1, 0,   0,  0,   0,   L"          連続起動データの設定          "},
      {&TabSheet3,     &PageControl1, 0,   0,  0,   0,   L"               動作環境の設定               "},
  };
  // clang-format on
  if (!CreateControls(pages)) return false;

  // The launch-list page: the same row for every slot, its controls placed
  // inside the row's group box.
  std::vector<ui::ControlDef> slotRows;
  const auto rows = Rows();
  for (int k = 0; k < kSlotCount; ++k) {
    const SlotRowControls& row = rows[k];
    const int top = kRowTop + k * kRowPitch;
    // clang-format off
    const ui::ControlDef controls[] = {
        // control     parent      left       top  w          h           caption         hint                                              font                 bold
        {&row.group,   &TabSheet1, kRowLeft,  top, kRowWidth, kRowHeight, kRowCaptions[k], kRowHint,                                         kSlotCaptionHeight, true},
        {&row.icon,    &row.group, 10,        13,  32,        32,         L"",            L"|選択されたソフトウェアのアイコンが表示されます.", kFontHeight},
        {&row.pathLabel, &row.group, 48,      20,  150,       20,         kPathNames[k],  L"",                                              kFontHeight},
        {&row.path,    &row.group, 48,        20,  150,       20,         L"",            L"",                                              kFontHeight},
        {&row.clear,   &row.group, 204,       19,  46,        22,         L"クリア",      L"|ソフトウェアの選択を解除します.",               kFontHeight},
        {&row.browse,  &row.group, 254,       19,  58,        22,         L"開 く ...",   L"|ソフトウェア選択ダイアログを表示します.",       kFontHeight},
        {&row.size,    &row.group, 318,       5,   154,       38,         L"画面サイズ",  L"|起動時の画面サイズを設定してください.",         kFontHeight},
    };
    // clang-format on
    slotRows.insert(slotRows.end(), std::begin(controls), std::end(controls));
    if (row.swap != nullptr) {
      // Across the gap between this row and the next.
      const int gap = top + kRowHeight + (kRowPitch - kRowHeight) / 2;
      slotRows.push_back({row.swap, &TabSheet1, kRowLeft + kRowWidth + 3, gap - kSwapHeight / 2,
                          kSwapWidth, kSwapHeight, kSwapNames[k], kSwapHints[k]});
    }
  }
  if (!CreateControls(slotRows)) return false;

  // The interval's label shows its hint as a tooltip too: it has no bar.
  constexpr wchar_t kIntervalLabelHint[] = L"デフォルト値は 5000 (5秒)です.";
  constexpr wchar_t kIntervalHint[] = L"|デフォルト値は 5000 (5秒)です.";
  constexpr wchar_t kResourceHint[] = L"|デフォルト値は 35% です.";
  // The buttons under the rows, then the environment page, top to bottom.
  // clang-format off
  const ui::ControlDef controls[] = {
      // control           parent      left top  w    h    caption                                                    hint
      {&BtnAllClear,       &TabSheet1, 6,   418, 80,  25,  L"全クリア",                                               L"|全ソフトウェアの選択を解除します."},
      {&BtnSave,           &TabSheet1, 214, 418, 96,  25,  L"設定保存(&S)...",                                        L"|設定が保存され,かつメインウィンドウに反映されます."},
      {&BtnApply,          &TabSheet1, 316, 418, 80,  25,  L"適用(&A)",                                               L"|設定はメインウィンドウに反映されますが,保存されません."},
      {&BtnCancel,         &TabSheet1, 402, 418, 80,  25,  L"閉じる(&C)",                                             L"|設定の保存も適用も行なわずにダイアログを閉じます."},

      {&GroupBoxA,         &TabSheet3, 8,   6,   494, 96,  L"一般設定",                                               L""},
      {&CheckBoxG1,        &GroupBoxA, 14,  20,  460, 18,  L"アイコンクリック時,スクリーンセーバーを起動する",         L"|チェック状態では,スクリーンセーバを起動します."},
      {&CheckBoxG2,        &GroupBoxA, 14,  42,  460, 18,  L"連続起動実行後, Quorvane を終了する,またはタスクトレイに常駐する", L"|チェック状態では,タスクトレイに常駐します."},
      {&btnStartup,        &GroupBoxA, 14,  64,  300, 24,  L"Quorvane をスタートアップに登録する",                    L"|スタートアップへの登録状態により,表示内容が異なります."},
      {&GroupBoxB,         &TabSheet3, 8,   110, 494, 196, L"連続起動設定",                                           L""},
      {&Bullet1,           &GroupBoxB, 18,  26,  5,   5,   L"",                                                       L""},
      {&Label1,            &GroupBoxB, 28,  22,  0,   0,   L"連続起動時の起動間隔",                                   kIntervalLabelHint},
      {&ComboBoxInterval,  &GroupBoxB, 160, 18,  80,  20,  L"",                                                       kIntervalHint},
      {&Label5,            &GroupBoxB, 246, 22,  0,   0,   L"秒/1000",                                                kIntervalHint},
      {&CheckBoxS1,        &GroupBoxB, 14,  48,  460, 18,  L"Quorvane 起動時に連続起動データを読み込む",              L"|チェック状態では,データを読み込みます."},
      {&GroupBoxC,         &GroupBoxB, 28,  70,  450, 56,  L"連続起動デフォルトファイル",                             L""},
      {&LabelSFName,       &GroupBoxC, 10,  22,  240, 20,  L"連続起動デフォルトファイル",                             L""},
      {&EditSFName,        &GroupBoxC, 10,  22,  240, 20,  L"",                                                       L"|選択された連続起動データファイルが表示されます."},
      {&BtnInitialize,     &GroupBoxC, 258, 20,  80,  24,  L"初期化",                                                 L"|連続起動データファイルをデフォルトのStart.qvlに戻します."},
      {&BtnSelect,         &GroupBoxC, 344, 20,  90,  24,  L"選択...",                                                L"|連続起動データファイル選択ダイアログを表示します."},
      {&CheckBoxS2,        &GroupBoxB, 14,  136, 460, 18,  L"起動するソフトウェア毎に IME を有効にする",              L"|チェック状態では,IMEを有効にします."},
      {&Bullet2,           &GroupBoxB, 18,  170, 5,   5,   L"",                                                       L""},
      {&Label8,            &GroupBoxB, 28,  166, 0,   0,   L"リソースによる連続起動の制限 　　　　　　　　残量",      kResourceHint},
      {&ComboBoxResource,  &GroupBoxB, 324, 162, 56,  20,  L"",                                                       kResourceHint},
      {&Label9,            &GroupBoxB, 386, 166, 0,   0,   L"パーセント",                                             kResourceHint},
      {&BtnSave2,          &TabSheet3, 316, 418, 80,  25,  L"設定保存(&S)",                                           L"|動作環境データを Config.qvcファイルに保存します."},
      {&BtnCancel2,        &TabSheet3, 402, 418, 80,  25,  L"閉じる(&C)",                                             L"|設定を保存せずにダイアログを閉じます."},
  };
  // clang-format on
  if (!CreateControls(controls)) return false;

  for (ui::Label* label : {&Label1, &Label5, &Label8, &Label9}) label->SetAutoSize(true);
  // The names of the path boxes, which their rows' captions say to the eye.
  for (const SlotRowControls& row : rows) row.pathLabel.SetVisible(false);
  LabelSFName.SetVisible(false);
  // The bullets are small black squares, in the text colour under high contrast.
  for (ui::Label* bullet : {&Bullet1, &Bullet2}) bullet->SetColor(RGB(0, 0, 0), COLOR_WINDOWTEXT);
  PageControl1.AddPage(TabSheet1);
  PageControl1.AddPage(TabSheet3);
  pageControl = &PageControl1;
  intervalTip_.Attach(Label1);
  return true;
}

void TSetupForm::WireHandlers() {
  onEscape = [this] { EndModal(IDCANCEL); };
  onDpiChanged = [this] { RefetchSlotIcons(); };

  Button1.onClick = [this] { Button1Click(); };
  Button2.onClick = [this] { Button2Click(); };
  Button3.onClick = [this] { Button3Click(); };
  Button4.onClick = [this] { Button4Click(); };
  Button5.onClick = [this] { Button5Click(); };
  Button6.onClick = [this] { Button6Click(); };
  Button7.onClick = [this] { Button7Click(); };
  Button8.onClick = [this] { Button8Click(); };
  Button9.onClick = [this] { Button9Click(); };
  Button10.onClick = [this] { Button10Click(); };
  Button11.onClick = [this] { Button11Click(); };
  Button12.onClick = [this] { Button12Click(); };
  Button13.onClick = [this] { Button13Click(); };
  Button14.onClick = [this] { Button14Click(); };
  Button15.onClick = [this] { Button15Click(); };
  Button16.onClick = [this] { Button16Click(); };
  RadioGroup1.onClick = [this] { RadioGroup1Click(); };
  RadioGroup2.onClick = [this] { RadioGroup2Click(); };
  RadioGroup3.onClick = [this] { RadioGroup3Click(); };
  RadioGroup4.onClick = [this] { RadioGroup4Click(); };
  RadioGroup5.onClick = [this] { RadioGroup5Click(); };
  RadioGroup6.onClick = [this] { RadioGroup6Click(); };
  RadioGroup7.onClick = [this] { RadioGroup7Click(); };
  RadioGroup8.onClick = [this] { RadioGroup8Click(); };
  BitBtn1_2.onClick = [this] { BitBtn1_2Click(); };
  BitBtn2_3.onClick = [this] { BitBtn2_3Click(); };
  BitBtn3_4.onClick = [this] { BitBtn3_4Click(); };
  BitBtn4_5.onClick = [this] { BitBtn4_5Click(); };
  BitBtn5_6.onClick = [this] { BitBtn5_6Click(); };
  BitBtn6_7.onClick = [this] { BitBtn6_7Click(); };
  BitBtn7_8.onClick = [this] { BitBtn7_8Click(); };
  BtnAllClear.onClick = [this] { BtnAllClearClick(); };
  BtnApply.onClick = [this] { BtnApplyClick(); };
  BtnSave.onClick = [this] { BtnSaveClick(); };
  BtnCancel.onClick = [this] { EndModal(IDCANCEL); };

  CheckBoxS1.onClick = [this] { CheckBoxS1Click(); };
  BtnInitialize.onClick = [this] { BtnInitializeClick(); };
  BtnSelect.onClick = [this] { BtnSelectClick(); };
  btnStartup.onClick = [this] { btnStartupClick(); };
  BtnSave2.onClick = [this] { BtnSave2Click(); };
  BtnCancel2.onClick = [this] { EndModal(IDCANCEL); };
}

void TSetupForm::Execute() {
  // Beside the main window: top edges aligned, left edge at its right edge.
  HWND main = host_.MainWindow().hwnd();
  if (!CreateForm(kSetupFormDef, main, ui::Beside(main)) || !CreateControlsOfPages()) {
    ui::ShowDialogNotCreated(host_.MainWindow().hwnd(), kSetupFormDef.caption);
    return;
  }
  WireHandlers();
  FillSlotRows();
  FillEnvironmentPage();
  PageControl1.SetActivePage(TabSheet1);
  SetActiveControl(PageControl1);
  ShowModal();
}

}  // namespace qvn
