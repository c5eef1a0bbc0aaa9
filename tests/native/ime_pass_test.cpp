#include "launch/ime_pass.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace qvn {
namespace {

constexpr std::uint32_t kLauncherProcess = 100;
constexpr std::uint32_t kLauncherThread = 101;
constexpr std::uint32_t kStartedProcess = 200;
constexpr std::uint32_t kStartedThread = 201;
constexpr std::uint32_t kOtherProcess = 300;

// A desktop of top-level windows, each with or without an input method, and a
// log of every request that changes one.
class FakeDesktop : public ImePlatform {
 public:
  struct Window {
    std::uint32_t threadId = kStartedThread;
    std::uint32_t processId = kStartedProcess;
    bool visible = true;
    bool owned = false;
    bool desktop = false;
    bool hasIme = true;
    bool imeOpen = false;
    bool hung = false;  // its IME window gives no answer
  };

  std::map<int, Window> windows;  // by id; visited in id order
  std::vector<std::string> log;
  int contextsHeld = 0;

  static WindowId Id(int n) { return reinterpret_cast<WindowId>(static_cast<std::intptr_t>(n)); }
  static int N(WindowId id) { return static_cast<int>(reinterpret_cast<std::intptr_t>(id)); }
  // Default IME windows are numbered 1000 + their window's number.
  static constexpr int kImeWindowBase = 1000;

  void ForEachTopLevelWindow(const std::function<void(WindowId)>& visit) override {
    for (const auto& entry : windows) visit(Id(entry.first));
  }
  bool IsDesktopWindow(WindowId w) override { return windows.at(N(w)).desktop; }
  bool HasOwner(WindowId w) override { return windows.at(N(w)).owned; }
  bool IsVisible(WindowId w) override { return windows.at(N(w)).visible; }
  WindowOwnerIds OwnerIdsOf(WindowId w) override {
    return {windows.at(N(w)).threadId, windows.at(N(w)).processId};
  }
  std::uint32_t CurrentThreadId() override { return kLauncherThread; }

  void* GetContext(WindowId w) override {
    log.push_back("context " + std::to_string(N(w)));
    if (!windows.at(N(w)).hasIme) return nullptr;
    ++contextsHeld;
    return w;
  }
  bool IsContextOpen(void* context) override { return windows.at(N(context)).imeOpen; }
  void OpenContext(void* context) override {
    log.push_back("open context " + std::to_string(N(context)));
    windows.at(N(context)).imeOpen = true;
  }
  void ReleaseContext(WindowId w, void* context) override {
    EXPECT_EQ(w, context);
    --contextsHeld;
  }

  WindowId DefaultImeWindow(WindowId w) override {
    log.push_back("ime window " + std::to_string(N(w)));
    return windows.at(N(w)).hasIme ? Id(kImeWindowBase + N(w)) : nullptr;
  }
  std::optional<std::intptr_t> QueryImeWindowOpenStatus(WindowId imeWindow) override {
    const Window& window = windows.at(N(imeWindow) - kImeWindowBase);
    if (window.hung) return std::nullopt;
    return window.imeOpen ? 1 : 0;
  }
  void OpenImeWindow(WindowId imeWindow) override {
    log.push_back("open ime window " + std::to_string(N(imeWindow) - kImeWindowBase));
    windows.at(N(imeWindow) - kImeWindowBase).imeOpen = true;
  }
};

using Log = std::vector<std::string>;

// --- Which windows are visited -------------------------------------------------

TEST(ImeRoute, OnlyWindowsOfTheStartedProcessAreVisited) {
  EXPECT_EQ(ImeRouteFor({kStartedThread, kStartedProcess}, kStartedProcess, kLauncherThread),
            ImeRoute::kDefaultImeWindow);
  EXPECT_EQ(ImeRouteFor({kLauncherThread, kLauncherProcess}, kStartedProcess, kLauncherThread),
            ImeRoute::kLeave);
  EXPECT_EQ(ImeRouteFor({7, kOtherProcess}, kStartedProcess, kLauncherThread), ImeRoute::kLeave);
  // The launcher's own thread is reached through the input context.
  EXPECT_EQ(ImeRouteFor({kLauncherThread, kLauncherProcess}, kLauncherProcess, kLauncherThread),
            ImeRoute::kInputContext);
}

TEST(ImeActivationPass, OpensTheVisibleUnownedWindowsOfTheStartedProgram) {
  FakeDesktop desktop;
  desktop.windows[1] = {};
  desktop.windows[2] = {};
  ImeActivationPass(desktop, kStartedProcess);
  EXPECT_TRUE(desktop.windows[1].imeOpen);
  EXPECT_TRUE(desktop.windows[2].imeOpen);
}

TEST(ImeActivationPass, LeavesOwnedHiddenAndDesktopWindowsAlone) {
  FakeDesktop desktop;
  desktop.windows[1].owned = true;
  desktop.windows[2].visible = false;
  desktop.windows[3].desktop = true;
  desktop.windows[4].owned = true;
  desktop.windows[4].visible = false;
  ImeActivationPass(desktop, kStartedProcess);
  EXPECT_EQ(desktop.log, Log{});
  for (const auto& entry : desktop.windows) EXPECT_FALSE(entry.second.imeOpen) << entry.first;
}

TEST(ImeActivationPass, LeavesOtherProgramsAndTheLauncherAlone) {
  FakeDesktop desktop;
  desktop.windows[1] = {kLauncherThread, kLauncherProcess};
  desktop.windows[2] = {55, kOtherProcess};
  desktop.windows[3] = {};
  ImeActivationPass(desktop, kStartedProcess);
  EXPECT_EQ(desktop.log, (Log{"ime window 3", "open ime window 3"}));
  EXPECT_FALSE(desktop.windows[1].imeOpen);
  EXPECT_FALSE(desktop.windows[2].imeOpen);
}

TEST(ImeActivationPass, VisitsEveryWindowWhatEachAnswers) {
  FakeDesktop desktop;
  desktop.windows[1].hasIme = false;
  desktop.windows[2].hung = true;
  desktop.windows[3] = {};
  ImeActivationPass(desktop, kStartedProcess);
  EXPECT_TRUE(desktop.windows[3].imeOpen);
}

// --- What is asked of one window ---------------------------------------------

TEST(EnableImeForWindow, AlwaysAnswersTrueSoTheEnumerationGoesOn) {
  FakeDesktop desktop;
  desktop.windows[1] = {};
  desktop.windows[2].desktop = true;
  desktop.windows[3] = {55, kOtherProcess};
  desktop.windows[4].hasIme = false;
  for (int n = 1; n <= 4; ++n) {
    EXPECT_TRUE(EnableImeForWindow(desktop, FakeDesktop::Id(n), kStartedProcess)) << n;
  }
}

TEST(EnableImeForWindow, AnOpenInputMethodIsLeftOpenAndNeverClosed) {
  FakeDesktop desktop;
  desktop.windows[1].imeOpen = true;
  desktop.windows[2] = {kLauncherThread, kLauncherProcess};
  desktop.windows[2].imeOpen = true;
  EnableImeForWindow(desktop, FakeDesktop::Id(1), kStartedProcess);
  EnableImeForWindow(desktop, FakeDesktop::Id(2), kLauncherProcess);
  EXPECT_EQ(desktop.log, (Log{"ime window 1", "context 2"}));
  EXPECT_TRUE(desktop.windows[1].imeOpen);
  EXPECT_TRUE(desktop.windows[2].imeOpen);
  EXPECT_EQ(desktop.contextsHeld, 0);
}

TEST(EnableImeForWindow, AHungWindowIsNotAskedToOpen) {
  FakeDesktop desktop;
  desktop.windows[1].hung = true;
  EnableImeForWindow(desktop, FakeDesktop::Id(1), kStartedProcess);
  EXPECT_EQ(desktop.log, Log{"ime window 1"});
}

TEST(EnableImeForWindow, AWindowWithoutAnInputMethodGetsNoRequest) {
  FakeDesktop desktop;
  desktop.windows[1].hasIme = false;
  desktop.windows[2] = {kLauncherThread, kLauncherProcess};
  desktop.windows[2].hasIme = false;
  EnableImeForWindow(desktop, FakeDesktop::Id(1), kStartedProcess);
  EnableImeForWindow(desktop, FakeDesktop::Id(2), kLauncherProcess);
  EXPECT_EQ(desktop.log, (Log{"ime window 1", "context 2"}));
}

TEST(EnableImeForWindow, TheLaunchersOwnThreadOpensThroughItsContextAndReleasesIt) {
  FakeDesktop desktop;
  desktop.windows[1] = {kLauncherThread, kLauncherProcess};
  EnableImeForWindow(desktop, FakeDesktop::Id(1), kLauncherProcess);
  EXPECT_EQ(desktop.log, (Log{"context 1", "open context 1"}));
  EXPECT_TRUE(desktop.windows[1].imeOpen);
  EXPECT_EQ(desktop.contextsHeld, 0);
}

TEST(EnableImeForWindow, AnotherThreadOfTheLaunchersProcessGoesThroughItsImeWindow) {
  FakeDesktop desktop;
  desktop.windows[1] = {kLauncherThread + 1, kLauncherProcess};
  EnableImeForWindow(desktop, FakeDesktop::Id(1), kLauncherProcess);
  EXPECT_EQ(desktop.log, (Log{"ime window 1", "open ime window 1"}));
}

}  // namespace
}  // namespace qvn
