// The resource dialog shown for real inside the test program, beside a real
// main window, and the probe on the system the tests run on.
//
// The dialog is modal, so the test thread sits in its message loop; a thread
// timer looks at the dialog from inside that loop and acts the way a user
// would, with the mouse or the keyboard.
#include "sysres/res_show_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "core/ansi_text.h"
#include "sysres/free_resources.h"
#include "tests/win32/test_support.h"
#include "ui/application.h"

namespace qvn {
namespace {

constexpr DWORD kTimeoutMs = 10000;

// Answers fixed percentages, and notes for each question whether the dialog
// already existed.
class FakeProbe : public ResourceProbe {
 public:
  FakeProbe(std::uint16_t system, std::uint16_t gdi, std::uint16_t user)
      : system_(system), gdi_(gdi), user_(user) {}

  std::uint16_t FreePercent(ResourceKind kind) override {
    asked.push_back(kind);
    dialogExisted.push_back(FindWindowW(L"TfrmResShow", nullptr) != nullptr);
    switch (kind) {
      case ResourceKind::System:
        return system_;
      case ResourceKind::Gdi:
        return gdi_;
      case ResourceKind::User:
        return user_;
    }
    return 0;
  }

  std::vector<ResourceKind> asked;
  std::vector<bool> dialogExisted;

 private:
  std::uint16_t system_, gdi_, user_;
};

// The timer's way back into the test; one dialog is open at a time.
std::function<void()>* currentTick = nullptr;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (currentTick != nullptr) (*currentTick)();
}

// Runs `open`, which shows the dialog modally, and calls `whileOpen` with the
// dialog about every 10 ms while it is visible. A dialog still open after the
// time-out is closed; the answer is then false.
bool WhileDialogOpen(const std::function<void()>& open,
                     const std::function<void(TfrmResShow& dialog)>& whileOpen) {
  const DWORD start = GetTickCount();
  bool timedOut = false;
  std::function<void()> tick = [&] {
    HWND hwnd = FindWindowW(L"TfrmResShow", nullptr);
    if (hwnd == nullptr || !IsWindowVisible(hwnd)) return;
    if (GetTickCount() - start > kTimeoutMs) {
      timedOut = true;
      PostMessageW(hwnd, WM_CLOSE, 0, 0);
      return;
    }
    whileOpen(*dynamic_cast<TfrmResShow*>(ui::Window::FromHandle(hwnd)));
  };
  currentTick = &tick;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, OnTimer);
  open();
  KillTimer(nullptr, timer);
  currentTick = nullptr;
  return !timedOut;
}

// A rectangle of `child` in the client area of `parent`.
RECT PlaceIn(HWND child, HWND parent) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LOGFONTW FontOf(const ui::Control& control) {
  LOGFONTW face{};
  GetObjectW(control.font(), sizeof face, &face);
  return face;
}

// Records the left-button releases that this thread's message loops take
// from the queue, by window.
class ButtonUpRecorder {
 public:
  ButtonUpRecorder() {
    current_ = this;
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, OnMessage, nullptr, GetCurrentThreadId());
  }
  ~ButtonUpRecorder() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  bool Seen(HWND hwnd) const { return std::find(seen_.begin(), seen_.end(), hwnd) != seen_.end(); }

 private:
  static LRESULT CALLBACK OnMessage(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_LBUTTONUP) {
      current_->seen_.push_back(message->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline ButtonUpRecorder* current_ = nullptr;
  HHOOK hook_ = nullptr;
  std::vector<HWND> seen_;
};

class ResShowFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mainForm.CreateWindowAndControls());
    mainForm.FormCreate();
    // Where the main window stands now is where the dialog goes. It stays
    // hidden: without a window manager, every window hidden again costs Wine
    // two seconds.
    mainForm.MoveTo({100, 200});
  }

  qvntest::TempFolder folder;
  Model model;
  TMainForm mainForm{model, *ToAnsi(folder.File(L"Quorvane.exe"))};
};

TEST_F(ResShowFormTest, MeasuresSystemGdiAndUserBeforeTheDialogExists) {
  FakeProbe probe(45, 60, 72);
  ASSERT_TRUE(WhileDialogOpen([&] { ShowResourceDialog(mainForm, probe); },
                              [](TfrmResShow& dialog) { dialog.Panel1Click(); }));
  const std::vector<ResourceKind> order = {ResourceKind::System, ResourceKind::Gdi,
                                           ResourceKind::User};
  EXPECT_EQ(probe.asked, order);
  EXPECT_EQ(probe.dialogExisted, std::vector<bool>(3, false));
  // Released after it closed.
  EXPECT_EQ(FindWindowW(L"TfrmResShow", nullptr), nullptr);
}

TEST_F(ResShowFormTest, ShowsEachValueInTheRowOfItsKind) {
  FakeProbe probe(45, 60, 72);
  std::vector<std::wstring> names, values;
  ASSERT_TRUE(WhileDialogOpen(
      [&] { ShowResourceDialog(mainForm, probe); },
      [&](TfrmResShow& dialog) {
        names = {dialog.Label1.Text(), dialog.Label2.Text(), dialog.Label3.Text()};
        values = {dialog.lblUserRes.Text(), dialog.lblGDIRes.Text(), dialog.lblSysRes.Text()};
        dialog.Panel1Click();
      }));
  EXPECT_EQ(names, (std::vector<std::wstring>{L"ユーザー：", L"グラフィック：", L"システム："}));
  EXPECT_EQ(values, (std::vector<std::wstring>{L"72%", L"60%", L"45%"}));
}

TEST_F(ResShowFormTest, IsASmallBorderlessWindowWithItsTextsInRowsAndColumns) {
  FakeProbe probe(0, 100, 7);
  ASSERT_TRUE(WhileDialogOpen(
      [&] { ShowResourceDialog(mainForm, probe); },
      [&](TfrmResShow& dialog) {
        EXPECT_EQ(dialog.Text(), L"リソース残量表示");
        const LONG style = GetWindowLongW(dialog.hwnd(), GWL_STYLE);
        EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_DLGFRAME), 0);
        EXPECT_EQ(GetWindow(dialog.hwnd(), GW_OWNER), mainForm.hwnd());
        RECT client, window;
        GetClientRect(dialog.hwnd(), &client);
        GetWindowRect(dialog.hwnd(), &window);
        EXPECT_EQ(client.right, 202);
        EXPECT_EQ(client.bottom, 103);
        EXPECT_EQ(window.right - window.left, 202);  // no frame around it

        // The panel fills the dialog and carries the hint of how to close it.
        const RECT panel = PlaceIn(dialog.Panel1.hwnd(), dialog.hwnd());
        EXPECT_EQ(panel.left, 0);
        EXPECT_EQ(panel.top, 0);
        EXPECT_EQ(panel.right, 202);
        EXPECT_EQ(panel.bottom, 103);
        EXPECT_EQ(dialog.Panel1.hint(),
                  L"|閉じるときは,文字以外のスペースを左クリックしてください.");

        EXPECT_EQ(dialog.Label4.Text(), L"各リソースの残量は以下の通りです.");
        EXPECT_EQ(dialog.lblUserRes.Text(), L"7%");
        EXPECT_EQ(dialog.lblGDIRes.Text(), L"100%");
        EXPECT_EQ(dialog.lblSysRes.Text(), L"0%");

        // The top line, then the rows user, graphics and system, all inside
        // the panel's bevel; names on the left, values to their right.
        const HWND parent = dialog.Panel1.hwnd();
        const RECT top = PlaceIn(dialog.Label4.hwnd(), parent);
        const ui::Control* rows[3][2] = {{&dialog.Label1, &dialog.lblUserRes},
                                         {&dialog.Label2, &dialog.lblGDIRes},
                                         {&dialog.Label3, &dialog.lblSysRes}};
        LONG above = top.bottom;
        const LONG nameLeft = PlaceIn(dialog.Label1.hwnd(), parent).left;
        const LONG valueLeft = PlaceIn(dialog.lblUserRes.hwnd(), parent).left;
        LONG widestName = 0;
        for (const auto& row : rows) {
          const RECT name = PlaceIn(row[0]->hwnd(), parent);
          const RECT value = PlaceIn(row[1]->hwnd(), parent);
          EXPECT_GE(name.top, above);
          EXPECT_EQ(value.top, name.top);
          EXPECT_EQ(name.left, nameLeft);
          EXPECT_EQ(value.left, valueLeft);
          widestName = std::max(widestName, name.right);
          EXPECT_LE(value.right, 202 - 3);
          EXPECT_LE(name.bottom, 103 - 3);
          above = name.bottom;
        }
        EXPECT_GT(valueLeft, widestName);
        EXPECT_GE(top.left, 3);
        EXPECT_GE(top.top, 3);
        EXPECT_LE(top.right, 202 - 3);

        // The top line in the dialog's face; the rows at 15 pixels, the
        // system row bold and underlined.
        EXPECT_EQ(FontOf(dialog.Label4).lfHeight, -12);
        EXPECT_STREQ(FontOf(dialog.Label4).lfFaceName, L"ＭＳ Ｐゴシック");
        EXPECT_EQ(FontOf(dialog.Label4).lfCharSet, SHIFTJIS_CHARSET);
        for (const ui::Control* label :
             {&dialog.Label1, &dialog.lblUserRes, &dialog.Label2, &dialog.lblGDIRes}) {
          EXPECT_EQ(FontOf(*label).lfHeight, -15);
          EXPECT_EQ(FontOf(*label).lfWeight, FW_NORMAL);
          EXPECT_FALSE(FontOf(*label).lfUnderline);
        }
        for (const ui::Control* label : {&dialog.Label3, &dialog.lblSysRes}) {
          EXPECT_EQ(FontOf(*label).lfHeight, -15);
          EXPECT_EQ(FontOf(*label).lfWeight, FW_BOLD);
          EXPECT_TRUE(FontOf(*label).lfUnderline);
        }
        dialog.Panel1Click();
      }));
}

TEST_F(ResShowFormTest, StandsAgainstTheMainWindowsRightEdge26PixelsLower) {
  FakeProbe probe(100, 100, 100);
  const RECT main = mainForm.ScreenRect();
  ASSERT_EQ(main.left, 100);
  ASSERT_EQ(main.top, 200);
  RECT placed{};
  ASSERT_TRUE(WhileDialogOpen([&] { ShowResourceDialog(mainForm, probe); },
                              [&](TfrmResShow& dialog) {
                                placed = dialog.ScreenRect();
                                dialog.Panel1Click();
                              }));
  EXPECT_EQ(placed.left, 100 + (main.right - main.left));
  EXPECT_EQ(placed.top, 226);
}

TEST_F(ResShowFormTest, AClickOnTheTextLeavesItOpenAClickBesideItClosesIt) {
  FakeProbe probe(45, 60, 72);
  ButtonUpRecorder buttonUps;
  enum { kStart, kLabelClicked, kPanelClicked } step = kStart;
  bool openAfterLabelClick = false;
  POINT beside{};
  ASSERT_TRUE(WhileDialogOpen([&] { ShowResourceDialog(mainForm, probe); },
                              [&](TfrmResShow& dialog) {
                                switch (step) {
                                  case kStart:
                                    qvntest::LeftClickAt(
                                        qvntest::CentreOf(dialog.lblSysRes.hwnd()));
                                    step = kLabelClicked;
                                    break;
                                  case kLabelClicked: {
                                    if (!buttonUps.Seen(dialog.lblSysRes.hwnd()))
                                      break;  // not handled yet
                                    openAfterLabelClick = IsWindowVisible(dialog.hwnd()) != FALSE;
                                    // Sky-blue space right of the system value.
                                    const RECT value = dialog.lblSysRes.ScreenRect();
                                    beside = {value.right + 10, (value.top + value.bottom) / 2};
                                    EXPECT_EQ(WindowFromPoint(beside), dialog.Panel1.hwnd());
                                    qvntest::LeftClickAt(beside);
                                    step = kPanelClicked;
                                    break;
                                  }
                                  case kPanelClicked:
                                    break;
                                }
                              }));
  EXPECT_TRUE(openAfterLabelClick);
  EXPECT_EQ(step, kPanelClicked);
  EXPECT_EQ(FindWindowW(L"TfrmResShow", nullptr), nullptr);
}

TEST_F(ResShowFormTest, EscapeClosesIt) {
  FakeProbe probe(45, 60, 72);
  bool pressed = false;
  ASSERT_TRUE(WhileDialogOpen([&] { ShowResourceDialog(mainForm, probe); },
                              [&](TfrmResShow& dialog) {
                                // The key goes to the foreground window: it
                                // is pressed once the dialog is that window.
                                if (pressed || GetForegroundWindow() != dialog.hwnd()) return;
                                qvntest::PressKey(VK_ESCAPE);
                                pressed = true;
                              }));
  EXPECT_TRUE(pressed);
}

TEST_F(ResShowFormTest, ThePanelsHintReachesTheHintLine) {
  FakeProbe probe(45, 60, 72);
  std::wstring hintLine;
  bool moved = false;
  ASSERT_TRUE(
      WhileDialogOpen([&] { ShowResourceDialog(mainForm, probe); },
                      [&](TfrmResShow& dialog) {
                        if (!moved) {
                          // Over a label, which has no hint of its own: the panel's counts.
                          qvntest::MovePointerTo(qvntest::CentreOf(dialog.Label2.hwnd()));
                          moved = true;
                        } else if (mainForm.Label1.Text() ==
                                   L"閉じるときは,文字以外のスペースを左クリックしてください.") {
                          hintLine = mainForm.Label1.Text();
                          dialog.Panel1Click();
                        }
                      }));
  EXPECT_EQ(hintLine, L"閉じるときは,文字以外のスペースを左クリックしてください.");
}

TEST_F(ResShowFormTest, TheMenuItemIsEnabledExactlyOnTheWindows95Family) {
  EXPECT_EQ(mainForm.PopupMenu1.Item("miResShow").enabled,
            RunningPlatformId() == VER_PLATFORM_WIN32_WINDOWS);
}

TEST_F(ResShowFormTest, ShowsWhatTheRunningSystemMeasures) {
  std::vector<std::wstring> values;
  ASSERT_TRUE(WhileDialogOpen(
      [&] { ShowResourceDialog(mainForm); },
      [&](TfrmResShow& dialog) {
        values = {dialog.lblUserRes.Text(), dialog.lblGDIRes.Text(), dialog.lblSysRes.Text()};
        dialog.Panel1Click();
      }));
  ASSERT_EQ(values.size(), 3u);
  for (const std::wstring& value : values) {
    if (RunningPlatformId() == VER_PLATFORM_WIN32_NT) {
      EXPECT_EQ(value, L"100%");
    } else {
      ASSERT_GE(value.size(), 2u);
      EXPECT_EQ(value.back(), L'%');
      const int percent = std::stoi(value.substr(0, value.size() - 1));
      EXPECT_GE(percent, 0);
      EXPECT_LE(percent, 100);
    }
  }
}

// --- The probe itself ------------------------------------------------------------

TEST(FreeResources, EveryKindReadsAPercentageAnd100OnTheNtFamily) {
  for (ResourceKind kind : {ResourceKind::System, ResourceKind::Gdi, ResourceKind::User}) {
    const std::uint16_t percent = GetFreeResourcePercent(kind);
    EXPECT_LE(percent, 100);
    if (RunningPlatformId() == VER_PLATFORM_WIN32_NT) {
      EXPECT_EQ(percent, 100);
    }
  }
}

TEST(FreeResources, TheExportDirectoryGivesWhatTheLoaderGives) {
  HMODULE kernel = GetModuleHandleA("Kernel32.dll");
  const auto* base = reinterpret_cast<const BYTE*>(kernel);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const DWORD imageSize = nt->OptionalHeader.SizeOfImage;
  // Every ordinal the loader resolves to code inside the module itself (a
  // forwarded one lies elsewhere) reads the same from the directory.
  int compared = 0;
  for (WORD ordinal = 1; ordinal < 2000; ++ordinal) {
    const auto loaded =
        reinterpret_cast<const BYTE*>(GetProcAddress(kernel, MAKEINTRESOURCEA(ordinal)));
    if (loaded == nullptr) {
      EXPECT_EQ(ExportByOrdinal(kernel, ordinal), nullptr) << "ordinal " << ordinal;
      continue;
    }
    if (loaded < base || loaded >= base + imageSize) continue;
    EXPECT_EQ(ExportByOrdinal(kernel, ordinal), loaded) << "ordinal " << ordinal;
    ++compared;
  }
  EXPECT_GT(compared, 10);
}

}  // namespace
}  // namespace qvn
