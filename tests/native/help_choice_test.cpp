#include "app/help_choice.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(HelpChoice, WindowsHelpShowsOnlyAHelpFileThatIsThere) {
  EXPECT_EQ(ChooseHelpViewer({.windowsHelpInstalled = true, .winHelpFileBeside = true}),
            HelpViewer::kWindowsHelp);
  EXPECT_EQ(ChooseHelpViewer(
                {.windowsHelpInstalled = true, .winHelpFileBeside = true, .htmlHelpBeside = true}),
            HelpViewer::kWindowsHelp);
  // A system with Windows Help but no QVN.hlp, as the package ships it.
  EXPECT_EQ(ChooseHelpViewer({.windowsHelpInstalled = true, .htmlHelpBeside = true}),
            HelpViewer::kBrowser);
}

TEST(HelpChoice, WithoutWindowsHelpTheHtmlHelpOpensOrTheAbsenceIsReported) {
  EXPECT_EQ(ChooseHelpViewer({.winHelpFileBeside = true, .htmlHelpBeside = true}),
            HelpViewer::kBrowser);
  EXPECT_EQ(ChooseHelpViewer({.winHelpFileBeside = true}), HelpViewer::kNoWindowsHelp);
  EXPECT_EQ(ChooseHelpViewer({}), HelpViewer::kNoWindowsHelp);
  // Windows Help is there, so what is missing is the help file.
  EXPECT_EQ(ChooseHelpViewer({.windowsHelpInstalled = true}), HelpViewer::kNoHelpFile);
}

}  // namespace
}  // namespace qvn
