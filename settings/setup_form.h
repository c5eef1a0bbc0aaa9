// TSetupForm: the settings dialog "ユーザー設定", opened from the main
// window's menu. Two pages in PageControl1: TabSheet1 edits a working copy of
// the eight launch slots and hands it to the main window (適用) or saves it
// to a data file (設定保存...); TabSheet3 edits the environment settings and
// saves them to the configuration file.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/model.h"
#include "core/slot_display.h"
#include "datafile/data_file.h"
#include "datafile/data_file_host.h"
#include "settings/environment_page.h"
#include "settings/setup_host.h"
#include "settings/setup_slots.h"
#include "ui/bit_button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/controls.h"
#include "ui/edit_box.h"
#include "ui/file_open_dialog.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/page_control.h"
#include "ui/radio_group.h"
#include "ui/tool_tip.h"

namespace qvn {

class TSetupForm : public ui::Form {
 public:
  TSetupForm(Model& model, SetupHost& host, DataFileHost& dataFiles, SlotDisplay& display);

  // Creates the dialog, fills both pages from the model, shows it modally
  // beside the main window and returns when it has closed.
  void Execute();

  // --- Event handlers: the launch-list page ---
  // Odd buttons clear a slot, even ones browse for its program.
  void Button1Click() { ClearSlot(0); }
  void Button2Click() { BrowseSlot(0); }
  void Button3Click() { ClearSlot(1); }
  void Button4Click() { BrowseSlot(1); }
  void Button5Click() { ClearSlot(2); }
  void Button6Click() { BrowseSlot(2); }
  void Button7Click() { ClearSlot(3); }
  void Button8Click() { BrowseSlot(3); }
  void Button9Click() { ClearSlot(4); }
  void Button10Click() { BrowseSlot(4); }
  void Button11Click() { ClearSlot(5); }
  void Button12Click() { BrowseSlot(5); }
  void Button13Click() { ClearSlot(6); }
  void Button14Click() { BrowseSlot(6); }
  void Button15Click() { ClearSlot(7); }
  void Button16Click() { BrowseSlot(7); }
  void RadioGroup1Click() { TakeSizeChoice(0); }
  void RadioGroup2Click() { TakeSizeChoice(1); }
  void RadioGroup3Click() { TakeSizeChoice(2); }
  void RadioGroup4Click() { TakeSizeChoice(3); }
  void RadioGroup5Click() { TakeSizeChoice(4); }
  void RadioGroup6Click() { TakeSizeChoice(5); }
  void RadioGroup7Click() { TakeSizeChoice(6); }
  void RadioGroup8Click() { TakeSizeChoice(7); }
  void BitBtn1_2Click() { SwapSlots(0); }
  void BitBtn2_3Click() { SwapSlots(1); }
  void BitBtn3_4Click() { SwapSlots(2); }
  void BitBtn4_5Click() { SwapSlots(3); }
  void BitBtn5_6Click() { SwapSlots(4); }
  void BitBtn6_7Click() { SwapSlots(5); }
  void BitBtn7_8Click() { SwapSlots(6); }
  void BtnAllClearClick();
  void BtnApplyClick();
  void BtnSaveClick();

  // --- Event handlers: the environment page ---
  void CheckBoxS1Click();
  void BtnInitializeClick();
  void BtnSelectClick();
  void btnStartupClick();
  void BtnSave2Click();

  // --- Controls ---
  ui::PageControl PageControl1;
  ui::TabSheet TabSheet1, TabSheet3;

  // The launch-list page: a row per slot, then the buttons under them.
  ui::GroupBox GroupBox1, GroupBox2, GroupBox3, GroupBox4, GroupBox5, GroupBox6, GroupBox7,
      GroupBox8;
  ui::Image Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8;
  // Hidden labels that name the path boxes for screen readers.
  ui::Label PathLabel1, PathLabel2, PathLabel3, PathLabel4, PathLabel5, PathLabel6, PathLabel7,
      PathLabel8;
  ui::EditBox Edit1{kPathBox}, Edit2{kPathBox}, Edit3{kPathBox}, Edit4{kPathBox}, Edit5{kPathBox},
      Edit6{kPathBox}, Edit7{kPathBox}, Edit8{kPathBox};
  ui::Button Button1, Button2, Button3, Button4, Button5, Button6, Button7, Button8, Button9,
      Button10, Button11, Button12, Button13, Button14, Button15, Button16;
  ui::RadioGroup RadioGroup1{kSizeChoices}, RadioGroup2{kSizeChoices}, RadioGroup3{kSizeChoices},
      RadioGroup4{kSizeChoices}, RadioGroup5{kSizeChoices}, RadioGroup6{kSizeChoices},
      RadioGroup7{kSizeChoices}, RadioGroup8{kSizeChoices};
  ui::BitButton BitBtn1_2{kArrow}, BitBtn2_3{kArrow}, BitBtn3_4{kArrow}, BitBtn4_5{kArrow},
      BitBtn5_6{kArrow}, BitBtn6_7{kArrow}, BitBtn7_8{kArrow};
  ui::Button BtnAllClear, BtnSave, BtnApply, BtnCancel;
  ui::FileOpenDialog OpenDialog1{L"実行ファイル(*.exe)|*.exe|"};

  // The environment page, top to bottom.
  ui::GroupBox GroupBoxA;
  ui::CheckBox CheckBoxG1, CheckBoxG2;
  ui::Button btnStartup;
  ui::GroupBox GroupBoxB;
  ui::Label Bullet1, Label1, Label5;
  ui::ComboBox ComboBoxInterval{{kIntervalItems}};
  ui::CheckBox CheckBoxS1{true};
  ui::GroupBox GroupBoxC;
  ui::Label LabelSFName;  // hidden: names the box for screen readers
  ui::EditBox EditSFName{kPathBox};
  ui::Button BtnInitialize, BtnSelect;
  ui::CheckBox CheckBoxS2{true};
  ui::Label Bullet2, Label8, Label9;
  ui::ComboBox ComboBoxResource{{kResourceItems}};
  ui::Button BtnSave2, BtnCancel2;

 private:
  // The controls of one slot row; No.8 has no swap button below it.
  struct SlotRowControls {
    ui::GroupBox& group;
    ui::Image& icon;
    ui::Label& pathLabel;
    ui::EditBox& path;
    ui::Button& clear;
    ui::Button& browse;
    ui::RadioGroup& size;
    ui::BitButton* swap;
  };

  // Read-only boxes that Tab passes by.
  static constexpr ui::EditBoxDef kPathBox{.readOnly = true, .tabStop = false};
  // The window sizes in the order of WindowSizeCode.
  static constexpr const wchar_t* kSizeItems[] = {L"通常", L"最大", L"最小"};
  static constexpr ui::RadioGroupDef kSizeChoices{kSizeItems, /*columns=*/3};
  // The offered intervals start at the lowest one the page saves.
  static constexpr const wchar_t* kIntervalItems[] = {L"1000", L"1500", L"2000", L"2500", L"3000",
                                                      L"3500", L"4000", L"4500", L"5000", L"6000",
                                                      L"7000", L"8000", L"9000", L"10000"};
  static constexpr const wchar_t* kResourceItems[] = {L"30", L"32", L"35", L"38", L"40",
                                                      L"42", L"45", L"48", L"50"};
  static constexpr ui::Glyph kArrow = ui::Glyph::VerticalDoubleArrow;

  bool CreateControlsOfPages();
  void WireHandlers();
  std::array<SlotRowControls, kSlotCount> Rows();

  // The launch-list page.
  void FillSlotRows();
  void ShowSlotRow(int index);
  void RefetchSlotIcons();
  // Runs a change of the working copy and shows the rows as they are then.
  void ChangeSlots(const std::function<void()>& change);
  void ClearSlot(int index);
  void BrowseSlot(int index);
  void TakeSizeChoice(int index);
  void SwapSlots(int index);

  // The environment page.
  void FillEnvironmentPage();
  void ShowDefaultFileName(const std::string& name);
  EnvironmentPage ReadEnvironmentPage() const;

  Model& model_;
  SetupHost& host_;
  DataFileHost& dataFiles_;
  SlotDisplay& display_;
  // The working copy of the slots; each row holds the icon it shows.
  SetupSlots<ui::SharedIcon> slots_;
  // The default list's file name as EditSFName shows it, in the ANSI code page.
  std::string defaultFileName_;
  // The tips of the controls whose hint has a short part.
  std::array<ui::ToolTip, kSlotCount> pathTips_;
  ui::ToolTip intervalTip_;
};

}  // namespace qvn
