// The toolkit's own wiring, on real windows inside the test program: a
// control's command reaches it whatever window it stands in, and a menu table
// is taken as it is written.
#include <gtest/gtest.h>

#include "tests/win32/test_support.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/system_library.h"

namespace ui {
namespace {

const FormDef kTestFormDef = {
    L"QvnToolkitTestForm", L"toolkit",    /*clientWidth=*/200, /*clientHeight=*/100,
    kFixedSingleStyle,     /*exStyle=*/0, /*borderWidth=*/0,   L"ＭＳ Ｐゴシック",
    /*fontHeight=*/12,
};

TEST(ToolkitCommands, AButtonsClickReachesItOnTheFormAndInsideAPanel) {
  Form form;
  Panel panel;
  Button onForm, onPanel;
  ASSERT_TRUE(form.CreateForm(kTestFormDef, nullptr, POINT{}));
  const ControlDef controls[] = {
      {&panel, nullptr, 0, 0, 200, 60, L"", L""},
      {&onPanel, &panel, 10, 10, 75, 24, L"panel", L""},
      {&onForm, nullptr, 10, 70, 75, 24, L"form", L""},
  };
  ASSERT_TRUE(form.CreateControls(controls));
  int formClicks = 0, panelClicks = 0;
  onForm.onClick = [&] { ++formClicks; };
  onPanel.onClick = [&] { ++panelClicks; };

  SendMessageW(onPanel.hwnd(), BM_CLICK, 0, 0);
  SendMessageW(onForm.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(panelClicks, 1);
  EXPECT_EQ(formClicks, 1);
}

TEST(ToolkitMenus, ASubmenuRowWithNothingAboveItStandsInTheMenuItself) {
  constexpr MenuItemDef kRows[] = {
      {"miFirst", 1, L"最初(&F)", L"|first"},
      {"miSub", 1, L"下(&S)", L"|under the first"},
      {"miNext", 0, L"次(&N)", L"|next"},
  };
  PopupMenu menu(kRows);
  ASSERT_EQ(menu.Items().size(), 2u);
  EXPECT_EQ(menu.Items()[0]->name, "miFirst");
  EXPECT_EQ(menu.Item("miSub").caption, L"下(&S)");
  EXPECT_EQ(menu.Items()[0]->items.size(), 1u);
  EXPECT_NE(menu.Handle(), nullptr);
}

// A command whose DLL or function is missing says so, and gets nothing to call.
TEST(SystemLibraryTest, AMissingLibraryOrFunctionIsReportedInJapanese) {
  using Function = DWORD WINAPI();
  Function* found = &GetTickCount;
  SystemLibrary missing{L"qvn_missing.dll", L"テストを実行"};
  const qvntest::SeenBox library = qvntest::WatchBox(
      [&] { found = missing.Find<Function>(nullptr, "GetTickCount"); }, qvntest::CloseBox);
  EXPECT_EQ(found, nullptr);
  EXPECT_EQ(library.text, L"qvn_missing.dll を読み込めないため,テストを実行できません (エラー 126).");

  SystemLibrary kernel{L"kernel32.dll", L"テストを実行"};
  const qvntest::SeenBox function = qvntest::WatchBox(
      [&] { found = kernel.Find<Function>(nullptr, "QvnMissingFunction"); }, qvntest::CloseBox);
  EXPECT_EQ(found, nullptr);
  EXPECT_EQ(function.text,
            L"kernel32.dll に QvnMissingFunction がないため,テストを実行できません.");
  EXPECT_NE(kernel.Find<Function>(nullptr, "GetTickCount"), nullptr);
}

}  // namespace
}  // namespace ui
