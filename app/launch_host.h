// What the launch engine reaches on Windows: the real processes, pauses and
// resources, the user through the program's message boxes, and the main
// window.
#pragma once

#include <functional>
#include <utility>

#include "launch/launch_sequence.h"
#include "ui/form.h"

namespace qvn {

class MainWindowLaunchHost final : public LaunchHost {
 public:
  // `mainWindow` owns the messages and the consent prompt; the run ends with
  // `moveToTray` or `closeLauncher`.
  MainWindowLaunchHost(const Model& model, ui::Form& mainWindow, std::function<void()> moveToTray,
                       std::function<void()> closeLauncher)
      : model_(model),
        mainWindow_(mainWindow),
        moveToTray_(std::move(moveToTray)),
        closeLauncher_(std::move(closeLauncher)) {}

  LeadByteRule LeadBytes() override;
  StartResult CreateProgramProcess(const StartRequest& request) override;
  StartResult StartThroughShell(const StartRequest& request) override;
  void RunImeActivationPass(std::uint32_t processId) override;
  void Pause(std::int32_t milliseconds) override;
  bool ResourcesBelowLimit() override;
  void ShowLaunchMessage(LaunchMessage message) override;
  LaunchAnswer ConfirmLaunch(LaunchMessage question) override;
  void ReportStartFailures(const std::vector<StartFailure>& failures,
                           bool consecutiveLaunch) override;
  void BringLauncherToFront() override;
  void MoveToTray() override;
  void CloseLauncher() override;

 private:
  const Model& model_;
  ui::Form& mainWindow_;
  std::function<void()> moveToTray_;
  std::function<void()> closeLauncher_;
};

}  // namespace qvn
