#include "app/launch_host.h"

#include "core/ansi_text.h"
#include "launch/launch_messages.h"
#include "launch/win32_launcher.h"
#include "sysres/free_resources.h"
#include "sysres/resource_guard.h"

namespace qvn {

LeadByteRule MainWindowLaunchHost::LeadBytes() {
  return IsAnsiLeadByte;
}

StartResult MainWindowLaunchHost::CreateProgramProcess(const StartRequest& request) {
  return StartProgram(request);
}

StartResult MainWindowLaunchHost::StartThroughShell(const StartRequest& request) {
  return StartProgramThroughShell(request, mainWindow_.hwnd());
}

void MainWindowLaunchHost::RunImeActivationPass(std::uint32_t processId) {
  qvn::RunImeActivationPass(processId);
}

void MainWindowLaunchHost::Pause(std::int32_t milliseconds) {
  PauseLaunch(milliseconds);
}

bool MainWindowLaunchHost::ResourcesBelowLimit() {
  SystemResourceProbe probe;
  return qvn::ResourcesBelowLimit(probe, model_.ResourceLimit);
}

void MainWindowLaunchHost::ShowLaunchMessage(LaunchMessage message) {
  qvn::ShowLaunchMessage(mainWindow_.hwnd(), message);
}

LaunchAnswer MainWindowLaunchHost::ConfirmLaunch(LaunchMessage question) {
  return qvn::ConfirmLaunch(mainWindow_.hwnd(), question);
}

void MainWindowLaunchHost::ReportStartFailures(const std::vector<StartFailure>& failures,
                                               bool consecutiveLaunch) {
  ShowStartFailures(mainWindow_.hwnd(), failures, consecutiveLaunch);
}

void MainWindowLaunchHost::BringLauncherToFront() {
  qvn::BringLauncherToFront(mainWindow_.hwnd());
}

void MainWindowLaunchHost::MoveToTray() {
  moveToTray_();
}

void MainWindowLaunchHost::CloseLauncher() {
  closeLauncher_();
}

}  // namespace qvn
