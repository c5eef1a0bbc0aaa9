// What the launch engine reaches on Windows: the real processes, pauses and
// resources, the user through the program's message boxes, and the main
// window.
#pragma once

#include "launch/launch_sequence.h"

namespace qvn {

class TMainForm;

class MainWindowLaunchHost final : public LaunchHost {
 public:
  MainWindowLaunchHost(const Model& model, TMainForm& mainForm)
      : model_(model), mainForm_(mainForm) {}

  LeadByteRule LeadBytes() override;
  std::optional<std::uint32_t> StartProgram(int index) override;
  void RunImeActivationPass(std::uint32_t processId) override;
  void Pause(std::int32_t milliseconds) override;
  bool ResourcesBelowLimit() override;
  void ShowLaunchMessage(LaunchMessage message) override;
  LaunchAnswer ConfirmLaunch(LaunchMessage question) override;
  void BringLauncherToFront() override;
  void MoveToTray() override;
  void CloseLauncher() override;

 private:
  const Model& model_;
  TMainForm& mainForm_;
};

}  // namespace qvn
