// Only one copy of the launcher runs at a time. A copy started while another
// runs brings that one to the front (out of the task tray, if it is there)
// and ends without touching any file.
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

  // Brings the running copy's main window, found by its class and title, to
  // the front, restored when minimised or in the tray. Waits a little for a
  // copy that is still starting.
  void BringRunningCopyToFront(const wchar_t* windowClass, const wchar_t* windowTitle);

  // The message a second copy sends the running one's main window: come
  // back as the tray's "メインウィンドウを表示(&M)" would, and to the front.
  // The window answers kCameBack. 0 when it could not be registered.
  static UINT ComeBackMessage();
  static constexpr LRESULT kCameBack = 1;

 private:
  // Both owned here, held for the life of the copy: the system removes a
  // named object when its last handle is closed.
  ui::UniqueHandle mutex_;
  ui::UniqueHandle mainWindowReady_;
};

}  // namespace qvn
