// The environment page of TSetupForm.
#include "settings/setup_form.h"

#include <variant>

#include "core/ansi_text.h"
#include "datafile/open_dialog.h"
#include "ui/message_box.h"

namespace qvn {
namespace {

constexpr wchar_t kIntervalTooShortMessage[] = L"連続起動の時間間隔を1000以上に設定してください.";
constexpr wchar_t kResourceLimitTooLowMessage[] =
    L"連続起動を制限するリソース残量を30パーセント以上に設定してください.";

}  // namespace

void TSetupForm::FillEnvironmentPage() {
  // The shortcut may have come or gone since start-up: look again.
  model_.StartupLinkRegistered = host_.StartupLinkExists();
  btnStartup.SetText(StartupButtonCaption(model_.StartupLinkRegistered));

  const EnvironmentPage page = EnvironmentPageFor(model_, dataFiles_.LeadBytes());
  CheckBoxG1.SetChecked(page.CheckBoxG1);
  CheckBoxG2.SetChecked(page.CheckBoxG2);
  CheckBoxS1.SetChecked(page.CheckBoxS1);
  CheckBoxS1Click();
  CheckBoxS2.SetChecked(page.CheckBoxS2);
  ShowDefaultFileName(page.EditSFName);
  ComboBoxInterval.SetText(page.ComboBoxInterval);
  ComboBoxResource.SetText(page.ComboBoxResource);
}

void TSetupForm::ShowDefaultFileName(const std::string& name) {
  defaultFileName_ = name;
  EditSFName.SetText(FromAnsi(name));
}

EnvironmentPage TSetupForm::ReadEnvironmentPage() const {
  return {CheckBoxG1.Checked(),   CheckBoxG2.Checked(), CheckBoxS1.Checked(),
          CheckBoxS2.Checked(),   defaultFileName_,     ComboBoxInterval.Text(),
          ComboBoxResource.Text()};
}

void TSetupForm::CheckBoxS1Click() {
  // The default file stays as shown, and is saved, while the row is off.
  const bool loadList = CheckBoxS1.Checked();
  EditSFName.SetEnabled(loadList);
  BtnInitialize.SetEnabled(loadList);
  BtnSelect.SetEnabled(loadList);
}

void TSetupForm::BtnInitializeClick() {
  ShowDefaultFileName(InitialDataFileName(model_, dataFiles_.LeadBytes()));
}

void TSetupForm::BtnSelectClick() {
  if (const auto chosen = ChooseDefaultDataFile(model_, dataFiles_, *this)) {
    ShowDefaultFileName(*chosen);
  }
}

void TSetupForm::btnStartupClick() {
  host_.ToggleStartupShortcut(this, &btnStartup);
}

void TSetupForm::BtnSave2Click() {
  const auto problem = SaveEnvironmentPage(model_, dataFiles_.Files(), ReadEnvironmentPage());
  if (!problem) return;
  if (const auto* typed = std::get_if<TypedNotAnInteger>(&*problem)) {
    ui::ShowError(hwnd(), NotAnIntegerText(typed->text));
  } else if (std::holds_alternative<IntervalTooShort>(*problem)) {
    ui::ShowMessage(hwnd(), kIntervalTooShortMessage);
  } else if (std::holds_alternative<ResourceLimitTooLow>(*problem)) {
    ui::ShowMessage(hwnd(), kResourceLimitTooLowMessage);
  } else {
    ui::ShowError(hwnd(), ErrorText(std::get<Error>(*problem), FromAnsi));
  }
}

}  // namespace qvn
