#include "app/launch_host.h"

#include "app/main_form.h"
#include "core/ansi_text.h"
#include "launch/launch_messages.h"
#include "launch/win32_launcher.h"
#include "sysres/free_resources.h"
#include "sysres/resource_guard.h"

namespace qvn {

LeadByteRule MainWindowLaunchHost::LeadBytes() {
  return IsAnsiLeadByte;
}

std::optional<std::uint32_t> MainWindowLaunchHost::StartProgram(int index) {
  return StartSlotProcess(model_, index);
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
  qvn::ShowLaunchMessage(mainForm_.hwnd(), message);
}

LaunchAnswer MainWindowLaunchHost::ConfirmLaunch(LaunchMessage question) {
  return qvn::ConfirmLaunch(mainForm_.hwnd(), question);
}

void MainWindowLaunchHost::BringLauncherToFront() {
  qvn::BringLauncherToFront(mainForm_.hwnd());
}

void MainWindowLaunchHost::MoveToTray() {
  mainForm_.MoveToTray();
}

void MainWindowLaunchHost::CloseLauncher() {
  mainForm_.miCloseClick();
}

}  // namespace qvn
