// One thing at a time on the main window. A launch, or a dialog opened from
// the main window, is a run: it takes a while and answers messages meanwhile
// (a pause keeps the windows painted, a dialog has its loop), so commands can
// reach the main window in the middle of it (a taskbar may send the tray
// icon's clicks). While a run is in progress, a command that would start,
// load, open a dialog or move to or from the tray is refused quietly, and the
// program's end is put off until the run is over, then carried out. Painting
// and the system's own questions are no commands; they are answered as ever.
#pragma once

#include <functional>

namespace qvn {

class RunGuard {
 public:
  // `closeProgram` closes the main window; it is called when a close that
  // was put off may go.
  explicit RunGuard(std::function<void()> closeProgram);
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

  bool Running() const { return running_; }

  // A command that is a run: carried out now, unless a run is in progress.
  // A close asked for meanwhile follows when it ends.
  void Run(const std::function<void()>& command);
  // A command that is over at once (opening the menu, a move to or from the
  // tray): carried out now, unless a run is in progress.
  void Do(const std::function<void()>& command);
  // Whether the main window may close now. While a run is in progress it may
  // not: the close is carried out once the run has ended.
  bool MayClose();

 private:
  std::function<void()> closeProgram_;
  bool running_ = false;
  bool closeWanted_ = false;
};

}  // namespace qvn
