#include "datafile/deletion.h"

namespace qvn {

DeletionRefusal RefusalToDelete(const Model& model, FileSystem& files, const std::string& path,
                                LeadByteRule isLeadByte) {
  const auto is = [&](const std::string& role) {
    return EqualsIgnoringAsciiCase(path, role, isLeadByte);
  };
  if (!files.Exists(path)) return DeletionRefusal::kMissing;
  if (is(model.CurrentDataFile)) return DeletionRefusal::kCurrentFile;
  if (is(model.DefaultDataFile)) return DeletionRefusal::kDefaultFile;
  if (is(model.InitialDataFile)) return DeletionRefusal::kInitialFile;
  return DeletionRefusal::kNone;
}

}  // namespace qvn
