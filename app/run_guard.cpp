#include "app/run_guard.h"

#include <utility>

namespace qvn {

RunGuard::RunGuard(std::function<void()> closeProgram) : closeProgram_(std::move(closeProgram)) {}

void RunGuard::Run(const std::function<void()>& command) {
  if (running_) return;
  running_ = true;
  command();
  running_ = false;
  if (closeWanted_) {
    closeWanted_ = false;
    closeProgram_();
  }
}

void RunGuard::Do(const std::function<void()>& command) {
  if (!running_) command();
}

bool RunGuard::MayClose() {
  if (!running_) return true;
  closeWanted_ = true;
  return false;
}

}  // namespace qvn
