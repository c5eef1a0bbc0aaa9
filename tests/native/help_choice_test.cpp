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

TEST(HelpChoice, WithoutWindowsHelpTheHtmlHelpOpensOrTheMissingFileIsNamed) {
  EXPECT_EQ(ChooseHelpViewer({.winHelpFileBeside = true, .htmlHelpBeside = true}),
            HelpViewer::kBrowser);
  // Whatever the system has, the cure is to copy Quorvane.html.
  EXPECT_EQ(ChooseHelpViewer({.winHelpFileBeside = true}), HelpViewer::kNoHelpFile);
  EXPECT_EQ(ChooseHelpViewer({}), HelpViewer::kNoHelpFile);
  EXPECT_EQ(ChooseHelpViewer({.windowsHelpInstalled = true}), HelpViewer::kNoHelpFile);
}

}  // namespace
}  // namespace qvn
