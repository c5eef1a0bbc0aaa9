// What the data-file commands (the read command, the save sequence, the
// default-file command) need of the program around them: the files, the
// code page's splitting rule, the error box and the configuration file. The
// main window's slot row is reached through SlotDisplay.
#pragma once

#include <optional>

#include "core/errors.h"
#include "core/file_system.h"
#include "core/path_names.h"

namespace qvn {

// How a data-file dialog ended (OpenDialogResult, SaveDialogResult). The
// caller presets kNotChosen; the close box leaves it so.
enum DialogResult : int {
  kNotChosen = -1,
  kCancelled = 0,
  kChosen = 1,           // "開く(&O)", "保存(&S)"
  kChosenAsDefault = 2,  // "デフォルトファイルに設定して開く(&D)" / "...保存(&D)"
};

// True when the dialog ended with a file to open or a name to save under.
inline bool WasChosen(int result) {
  return result == kChosen || result == kChosenAsDefault;
}

class DataFileHost {
 public:
  virtual ~DataFileHost() = default;

  virtual FileSystem& Files() = 0;
  virtual LeadByteRule LeadBytes() = 0;
  // Shows an error in the default error box.
  virtual void ShowError(const Error& error) = 0;
  // Rewrites the configuration file from the settings in memory (making it
  // again when it was deleted). The error, if one stopped it.
  virtual std::optional<Error> RewriteConfiguration() = 0;
};

}  // namespace qvn
