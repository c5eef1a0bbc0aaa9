#include "app/run_guard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvn {
namespace {

// The guard of a main window whose close is recorded, with whether the close
// found the window free to go.
struct GuardedWindow {
  std::vector<std::string> done;
  RunGuard guard{[this] { done.push_back(guard.MayClose() ? "closed" : "close refused"); }};
};

TEST(RunGuard, NothingStartsInsideARunAndEverythingAgainAfterIt) {
  GuardedWindow window;
  window.guard.Run([&] {
    window.done.push_back("run");
    // What the tray's menu would start in a pause: a second run, the tray, a dialog.
    window.guard.Run([&] { window.done.push_back("second run"); });
    window.guard.Do([&] { window.done.push_back("tray"); });
    EXPECT_TRUE(window.guard.Running());
  });
  EXPECT_FALSE(window.guard.Running());
  window.guard.Do([&] { window.done.push_back("tray"); });
  window.guard.Run([&] { window.done.push_back("next run"); });
  EXPECT_EQ(window.done, (std::vector<std::string>{"run", "tray", "next run"}));
}

TEST(RunGuard, ACloseDuringARunIsCarriedOutOnceWhenItEnds) {
  GuardedWindow window;
  window.guard.Run([&] {
    // The close box, then the run's own end without the tray setting.
    EXPECT_FALSE(window.guard.MayClose());
    EXPECT_FALSE(window.guard.MayClose());
    window.done.push_back("run ends");
  });
  EXPECT_EQ(window.done, (std::vector<std::string>{"run ends", "closed"}));

  window.done.clear();
  window.guard.Run([&] { window.done.push_back("run"); });
  EXPECT_TRUE(window.guard.MayClose());
  EXPECT_EQ(window.done, (std::vector<std::string>{"run"})) << "no close was left over";
}

}  // namespace
}  // namespace qvn
