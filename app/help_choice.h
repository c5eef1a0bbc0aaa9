// Which viewer "目次(&C)" hands the help to. Two help files may lie beside the
// program: QVN.hlp for Windows Help, and Quorvane.html for the browser.
#pragma once

namespace qvn {

enum class HelpViewer {
  kWindowsHelp,  // QVN.hlp in Windows Help
  kBrowser,      // Quorvane.html, opened by the shell with the user's browser
  kNoHelpFile,   // nothing can be shown: the user is told to copy
                 // Quorvane.html, the help file that every system can show
};

// What the system has and what lies beside the program.
struct HelpAvailability {
  bool windowsHelpInstalled = false;
  bool winHelpFileBeside = false;
  bool htmlHelpBeside = false;
};

// Windows Help is asked only for a QVN.hlp that is there: newer systems ship a
// stand-in for it that can show no help file at all, so without QVN.hlp the
// HTML help is the one that can be read. When nothing can be shown, the cure
// is the same whatever the system has: the file that the package ships.
constexpr HelpViewer ChooseHelpViewer(const HelpAvailability& help) {
  if (help.windowsHelpInstalled && help.winHelpFileBeside) return HelpViewer::kWindowsHelp;
  if (help.htmlHelpBeside) return HelpViewer::kBrowser;
  return HelpViewer::kNoHelpFile;
}

}  // namespace qvn
