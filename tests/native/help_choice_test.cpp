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
  EXPECT_EQ(ChooseHelpViewer({.winHelpFileBeside = true}), HelpViewer::kNone);
  EXPECT_EQ(ChooseHelpViewer({.windowsHelpInstalled = true}), HelpViewer::kNone);
  EXPECT_EQ(ChooseHelpViewer({}), HelpViewer::kNone);
}

}  // namespace
}  // namespace qvn
