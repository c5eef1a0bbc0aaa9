#include "datafile/deletion.h"

namespace qvn {

DeletionRefusal RefusalToDelete(const Model& model, FileSystem& files, const std::string& path) {
  if (!files.Exists(path)) return DeletionRefusal::kMissing;
  if (path == model.CurrentDataFile) return DeletionRefusal::kCurrentFile;
  if (path == model.DefaultDataFile) return DeletionRefusal::kDefaultFile;
  if (path == model.InitialDataFile) return DeletionRefusal::kInitialFile;
  return DeletionRefusal::kNone;
}

}  // namespace qvn
