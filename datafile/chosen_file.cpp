#include "datafile/chosen_file.h"

#include <string>

#include "datafile/file_list.h"

namespace qvn {
namespace {

// Loads `path` into SlotList and makes it the current file; the main window
// follows. False, with the error shown, when the file could not be loaded.
bool MakeCurrent(Model& model, DataFileHost& host, SlotDisplay& display, const std::string& path) {
  if (const auto error = LoadDataFile(model, host.Files(), path)) {
    host.ShowError(*error);
    return false;
  }
  model.CurrentDataFile = path;
  display.ShowSlotIcons();
  display.ShowSlotHints();
  return true;
}

}  // namespace

void OpenChosenDataFile(Model& model, DataFileHost& host, SlotDisplay& display,
                        int openDialogResult, std::string_view chosenEntry) {
  if (!WasChosen(openDialogResult)) return;
  if (!MakeCurrent(model, host, display, DataFilePath(model, chosenEntry, host.LeadBytes())))
    return;
  if (openDialogResult == kChosenAsDefault) MakeCurrentFileTheDefault(model, host);
}

bool SaveListAs(Model& model, DataFileHost& host, SlotDisplay& display, int saveDialogResult,
                std::string_view chosenName, const SlotPaths& paths, const SlotCodes& codes) {
  if (!WasChosen(saveDialogResult)) return false;
  const std::string path = DataFilePath(model, chosenName, host.LeadBytes());
  if (const auto error = WriteDataFile(host.Files(), path, paths, codes)) {
    host.ShowError(*error);
    return false;
  }
  // What the main window shows is the file as written, read back, under the
  // name it has on disk: saved as "EDIT" over "edit.qvl", it stays "edit.qvl".
  if (!MakeCurrent(model, host, display, NameOnDisk(host.Files(), path, host.LeadBytes())))
    return false;
  if (saveDialogResult == kChosenAsDefault) MakeCurrentFileTheDefault(model, host);
  return true;
}

void MakeCurrentFileTheDefault(Model& model, DataFileHost& host) {
  if (model.CurrentDataFile.empty()) return;
  model.DefaultDataFile = model.CurrentDataFile;
  if (const auto error = host.RewriteConfiguration()) host.ShowError(*error);
}

}  // namespace qvn
