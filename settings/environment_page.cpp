#include "settings/environment_page.h"

#include "core/integer_text.h"
#include "settings/config_file.h"

namespace qvn {

EnvironmentPage EnvironmentPageFor(const Model& model, LeadByteRule isLeadByte) {
  EnvironmentPage page;
  page.CheckBoxG1 = model.StartScreenSaverOnIconClick;
  page.CheckBoxG2 = model.TrayAfterRun;
  page.CheckBoxS1 = model.LoadListAtStartup;
  page.CheckBoxS2 = model.ImeOnPerProgram;
  page.EditSFName = FileNamePart(model.DefaultDataFile, isLeadByte);
  page.ComboBoxInterval = IntegerWideText(model.LaunchInterval);
  page.ComboBoxResource = IntegerWideText(model.ResourceLimit);
  return page;
}

std::string InitialDataFileName(const Model& model, LeadByteRule isLeadByte) {
  return FileNamePart(model.InitialDataFile, isLeadByte);
}

std::optional<EnvironmentSaveProblem> SaveEnvironmentPage(Model& model, FileSystem& files,
                                                          const EnvironmentPage& page) {
  const auto interval = ParseIntegerText(page.ComboBoxInterval);
  if (!interval) return TypedNotAnInteger{page.ComboBoxInterval};
  if (*interval < kLowestLaunchInterval) return IntervalTooShort{};
  const auto limit = ParseIntegerText(page.ComboBoxResource);
  if (!limit) return TypedNotAnInteger{page.ComboBoxResource};
  if (*limit < kLowestResourceLimit) return ResourceLimitTooLow{};

  model.StartScreenSaverOnIconClick = page.CheckBoxG1;
  model.TrayAfterRun = page.CheckBoxG2;
  model.LoadListAtStartup = page.CheckBoxS1;
  model.ImeOnPerProgram = page.CheckBoxS2;
  model.DefaultDataFile = model.ProgramFolder + page.EditSFName;
  model.LaunchInterval = *interval;
  model.ResourceLimit = *limit;
  if (auto error = WriteConfigFile(model, files)) return *error;
  return std::nullopt;
}

}  // namespace qvn
