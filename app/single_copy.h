// Only one copy of the launcher runs at a time. A copy started while another
// runs brings that one to the front and ends without touching any file.
#pragma once

#include <windows.h>

#include "ui/handles.h"

namespace qvn {

class SingleCopy {
 public:
  SingleCopy() = default;
  SingleCopy(const SingleCopy&) = delete;
  SingleCopy& operator=(const SingleCopy&) = delete;

  // True when this copy is the one to run; false when another copy runs or is
  // starting at this moment.
  bool Claim();

  // Tells copies started from now on that the main window can be found.
  void AnnounceMainWindow();

  // Brings the running copy's main window to the front, restored when
  // minimised. Waits a little for a copy that is still starting.
  void BringRunningCopyToFront();

 private:
  // Both owned here, held for the life of the copy: the system removes a
  // named object when its last handle is closed.
  ui::UniqueHandle mutex_;
  ui::UniqueHandle mainWindowReady_;
};

}  // namespace qvn
