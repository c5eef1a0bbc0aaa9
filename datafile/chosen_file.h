// What the data-file commands do once a file has been chosen: the read
// command opens it, the save sequence writes the edited list into it, and
// either may make it the default list, as the default-file command does.
#pragma once

#include <string_view>

#include "core/model.h"
#include "core/slot_display.h"
#include "datafile/data_file.h"
#include "datafile/data_file_host.h"

namespace qvn {

// The end of the read command, after the open dialog closed with
// `openDialogResult`. Unless a file was chosen, nothing happens. Otherwise
// the list entry `chosenEntry` (a name as listed, "report.qvl") is loaded
// from ProgramFolder and becomes CurrentDataFile, the main window shows its
// icons and hints, and kChosenAsDefault also makes it the default list
// (MakeCurrentFileTheDefault). A file that fails to load is reported and
// changes nothing: SlotList, CurrentDataFile and the default stay as they were.
void OpenChosenDataFile(Model& model, DataFileHost& host, SlotDisplay& display,
                        int openDialogResult, std::string_view chosenEntry);

// The end of the save sequence, after the save dialog closed with
// `saveDialogResult`. Unless a name was chosen, nothing happens. Otherwise
// the list (`paths`, `codes`) is written to DataFilePath(`chosenName`), read
// back into SlotList, and that file becomes CurrentDataFile (under the name
// it has on disk); the main window
// shows its icons and hints, and kChosenAsDefault also makes it the default
// list. A write or read-back that fails is reported, and CurrentDataFile and
// the default stay as they were. True when the list was written and loaded.
bool SaveListAs(Model& model, DataFileHost& host, SlotDisplay& display, int saveDialogResult,
                std::string_view chosenName, const SlotPaths& paths, const SlotCodes& codes);

// DefaultDataFile := CurrentDataFile, then the configuration file is
// rewritten when it exists (only the default in memory changes otherwise).
// Without a current file there is nothing to make the default: the default
// and the configuration file stay as they are.
void MakeCurrentFileTheDefault(Model& model, DataFileHost& host);

}  // namespace qvn
