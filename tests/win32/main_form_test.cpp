// The main window created inside the test program: its real pop-up menu read
// back from Windows, its controls' places and the slot hints.
#include "app/main_form.h"

#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>

#include "core/ansi_text.h"
#include "datafile/open_dialog.h"
#include "tests/win32/test_support.h"
#include "ui/message_box.h"

namespace qvn {
namespace {

struct ShownItem {
  std::wstring caption;  // "-" for a separator
  bool enabled;
  std::vector<ShownItem> submenu;

  bool operator==(const ShownItem&) const = default;
};

void PrintTo(const ShownItem& item, std::ostream* out) {
  *out << ToAnsi(item.caption).value_or("?") << (item.enabled ? "" : " (disabled)");
  if (!item.submenu.empty()) {
    *out << " {";
    for (const auto& subitem : item.submenu) PrintTo(subitem, out), *out << "; ";
    *out << "}";
  }
}

// Everything a user sees of a Win32 menu, in order.
std::vector<ShownItem> ReadMenu(HMENU menu) {
  std::vector<ShownItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t caption[256] = {};
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = 256;
    GetMenuItemInfoW(menu, i, TRUE, &info);
    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    // A separator cannot be chosen either way; only items have a state to show.
    ShownItem item{separator ? L"-" : caption, separator || (info.fState & MFS_DISABLED) == 0, {}};
    if (info.hSubMenu != nullptr) item.submenu = ReadMenu(info.hSubMenu);
    items.push_back(item);
  }
  return items;
}

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.CreateWindowAndControls());
    form.FormCreate();
  }

  qvntest::TempFolder folder;
  Model model;
  TMainForm form{model, *ToAnsi(folder.File(L"Quorvane.exe"))};
};

TEST_F(MainFormTest, PopupMenuHoldsEveryItemInOrder) {
  const std::vector<ShownItem> expected = {
      {L"連続起動(&E)", true, {}},
      {L"連続起動データ読み込み(&R)...", true, {}},
      {L"-", true, {}},
      {L"ユーザー設定(&S)...", true, {}},
      {L"オプション(&O)",
       true,
       {
           {L"デフォルトファイルに設定(&D)", true, {}},
           {L"-", true, {}},
           // Wine reports the NT family, where there are no resource heaps to show.
           {L"リソース残量を表示(&R)...", false, {}},
           {L"-", true, {}},
           {L"スタートアップに登録(&I)", true, {}},
       }},
      {L"-", true, {}},
      {L"タスクトレイに格納(&T)", true, {}},
      {L"-", true, {}},
      {L"ヘルプ(&H)",
       true,
       {
           {L"目次(&C)", true, {}},
           {L"-", true, {}},
           {L"バージョン情報(&V)...", true, {}},
       }},
      {L"-", true, {}},
      {L"終了(&X)", true, {}},
  };
  EXPECT_EQ(ReadMenu(form.PopupMenu1.Handle()), expected);
}

TEST_F(MainFormTest, ExactlyOneOfTheTrayItemsIsInTheMenu) {
  auto captions = [&] {
    std::vector<std::wstring> result;
    for (const auto& item : ReadMenu(form.PopupMenu1.Handle())) result.push_back(item.caption);
    return result;
  };
  auto count = [](const std::vector<std::wstring>& all, const wchar_t* caption) {
    return std::count(all.begin(), all.end(), caption);
  };
  auto shown = captions();
  EXPECT_EQ(count(shown, L"タスクトレイに格納(&T)"), 1);
  EXPECT_EQ(count(shown, L"メインウィンドウを表示(&M)"), 0);

  form.PopupMenu1.Item("miTaskTray").visible = false;
  form.PopupMenu1.Item("miFormShow").visible = true;
  shown = captions();
  EXPECT_EQ(count(shown, L"タスクトレイに格納(&T)"), 0);
  EXPECT_EQ(count(shown, L"メインウィンドウを表示(&M)"), 1);
}

TEST_F(MainFormTest, MenuItemsReportTheirHintsWhenHighlighted) {
  HMENU menu = form.PopupMenu1.Handle();
  // The first item, and the third item of the options submenu.
  auto hintOf = [&](HMENU in, UINT position) {
    const UINT id = GetMenuItemID(in, position);
    return form.PopupMenu1.HintFor(MAKEWPARAM(id, MF_HILITE), reinterpret_cast<LPARAM>(in));
  };
  EXPECT_EQ(hintOf(menu, 0), L"|表示されているソフトウェアを連続起動します.");
  EXPECT_EQ(hintOf(GetSubMenu(menu, 4), 4), L"|Quorvane をスタートアップに登録します.");
  // A submenu item itself has no hint.
  EXPECT_EQ(
      form.PopupMenu1.HintFor(MAKEWPARAM(4, MF_POPUP | MF_HILITE), reinterpret_cast<LPARAM>(menu)),
      L"");
}

// Counts the screen saver's starts on a window instead of starting it.
LRESULT CALLBACK CountScreenSaver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR count) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_SCREENSAVE) {
    ++*reinterpret_cast<int*>(count);
    return 0;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

TEST_F(MainFormTest, TheTrayIconsTipAndLeftClickFollowTheScreenSaverSetting) {
  const std::wstring screenSaverTip =
      L"左クリック: スクリーンセーバー\r\n右クリック: ポップアップメニュー";
  int screenSavers = 0;
  ASSERT_TRUE(SetWindowSubclass(form.hwnd(), CountScreenSaver, 1,
                                reinterpret_cast<DWORD_PTR>(&screenSavers)));
  const auto leftClick = [&] {
    SendMessageW(form.hwnd(), kTrayCallbackMessage, 0, MAKELPARAM(qvn::kTraySelect, kTrayIconId));
  };
  model.StartScreenSaverOnIconClick = true;
  form.MoveToTray();
  ASSERT_TRUE(form.TrayIconShown());
  EXPECT_EQ(form.TrayIconTip(), screenSaverTip);

  model.ResourceLimit = 100;  // Wine has no resource heaps: 100 % free of each
  leftClick();
  EXPECT_EQ(screenSavers, 1);
  model.ResourceLimit = 101;
  leftClick();
  EXPECT_EQ(screenSavers, 1) << "started with resources below the limit";
  EXPECT_FALSE(IsWindowVisible(form.hwnd()));

  // The tip stays as it was added; the click follows the setting.
  model.StartScreenSaverOnIconClick = false;
  EXPECT_EQ(form.TrayIconTip(), screenSaverTip);
  leftClick();
  EXPECT_TRUE(IsWindowVisible(form.hwnd()));
  EXPECT_FALSE(form.TrayIconShown());
  form.MoveToTray();
  EXPECT_EQ(form.TrayIconTip(),
            L"左クリック: メインウィンドウ\r\n右クリック: ポップアップメニュー");
  form.RemoveTrayIcon();
  RemoveWindowSubclass(form.hwnd(), CountScreenSaver, 1);
}

TEST_F(MainFormTest, TheSlotRowLiesInsideTheGroupAtItsPitch) {
  auto placeIn = [](HWND child, HWND parent) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };
  const RECT group = placeIn(form.GroupBox1.hwnd(), form.Panel1.hwnd());
  EXPECT_EQ(group.left, 5);
  EXPECT_EQ(group.top, 5);
  EXPECT_EQ(group.right - group.left, 323);
  EXPECT_EQ(group.bottom - group.top, 58);

  const RECT strip = placeIn(form.Label2.hwnd(), form.GroupBox1.hwnd());
  EXPECT_EQ(strip.left, 10);
  EXPECT_EQ(strip.top, 15);
  EXPECT_EQ(strip.right - strip.left, 290);
  EXPECT_EQ(strip.bottom - strip.top, 32);

  ui::Image* images[] = {&form.Image1, &form.Image2, &form.Image3, &form.Image4,
                         &form.Image5, &form.Image6, &form.Image7, &form.Image8};
  for (int i = 0; i < kSlotCount; ++i) {
    const RECT image = placeIn(images[i]->hwnd(), form.GroupBox1.hwnd());
    EXPECT_EQ(image.left, 10 + 37 * i) << "Image" << i + 1;
    EXPECT_EQ(image.top, 15);
    EXPECT_EQ(image.right - image.left, 32);
    // The icon lies on top of the strip, so the pointer finds the icon there.
    POINT centre{(image.left + image.right) / 2, (image.top + image.bottom) / 2};
    EXPECT_EQ(ChildWindowFromPoint(form.GroupBox1.hwnd(), centre), images[i]->hwnd());
  }

  const RECT hintLine = placeIn(form.Label1.hwnd(), form.Panel1.hwnd());
  EXPECT_EQ(hintLine.left, 2);
  EXPECT_EQ(hintLine.top, 67);
}

// Sent what Windows sends a window moved to a monitor of `dpi`, `window` lays
// itself out there: every control inside its parent, every font scaled.
void ExpectLaidOutAgainAt(HWND window, int dpi) {
  const auto fontHeight = [](HWND control) {
    LOGFONTW face{};
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    return font != nullptr && GetObjectW(font, sizeof face, &face) != 0 ? face.lfHeight : 0L;
  };
  std::vector<std::pair<HWND, LONG>> fonts;  // the controls at every depth, parents first
  for (size_t i = 0; i <= fonts.size(); ++i) {
    HWND parent = i == 0 ? window : fonts[i - 1].first;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      fonts.emplace_back(child, fontHeight(child));
    }
  }
  const int oldDpi = ui::Dpi(window);
  constexpr UINT kGetDpiScaledSize = 0x02E4, kDpiChanged = 0x02E0;  // not in older headers
  RECT rect;
  GetWindowRect(window, &rect);
  SIZE size{rect.right - rect.left, rect.bottom - rect.top};
  SendMessageW(window, kGetDpiScaledSize, dpi, reinterpret_cast<LPARAM>(&size));
  RECT suggested{rect.left, rect.top, rect.left + size.cx, rect.top + size.cy};
  SendMessageW(window, kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(qvntest::ControlOutsideItsParent(window), L"")
      << qvntest::Utf8(qvntest::ClassOf(window));
  for (auto [control, height] : fonts) {
    EXPECT_NEAR(fontHeight(control), MulDiv(height, dpi, oldDpi), 1)
        << qvntest::Utf8(qvntest::TextOf(control));
  }
}

std::function<void()>* onTick = nullptr;
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (onTick != nullptr) (*onTick)();
}

// Moved to monitors of other scaling, the main window lays itself out again
// (the slot icons taken out at the new size, not stretched), and so does
// every dialog and message box.
TEST_F(MainFormTest, EveryWindowLaysItselfOutAgainAtEachDpi) {
  model.SlotList[0] = *ToAnsi(qvntest::BuiltProgramPath());
  form.ShowSlotIcons();
  for (int dpi : {120, 144, 192, 96}) {
    ExpectLaidOutAgainAt(form.hwnd(), dpi);
    LOGFONTW face{};
    GetObjectW(form.GroupBox1.font(), sizeof face, &face);
    EXPECT_EQ(face.lfHeight, -MulDiv(13, dpi, 96));
    const RECT group = form.GroupBox1.ScreenRect();
    EXPECT_NEAR(group.right - group.left, MulDiv(323, dpi, 96), 1);
    ICONINFO icon{};
    ASSERT_TRUE(GetIconInfo(form.Image1.icon(), &icon));
    BITMAP bitmap{};
    GetObjectW(icon.hbmMask, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, MulDiv(32, dpi, 96)) << dpi;
    DeleteObject(icon.hbmColor), DeleteObject(icon.hbmMask);
  }
  // Each dialog of the menu, the settings' save dialog and a message box, once
  // while it shows; then it is closed.
  std::set<std::wstring> seen;
  std::function<void()> checkShown = [&] {
    HWND shown = GetActiveWindow();
    if (shown == form.hwnd() || !IsWindowVisible(shown)) return;
    const bool first = seen.insert(qvntest::ClassOf(shown)).second;
    if (first) ExpectLaidOutAgainAt(shown, ui::Dpi(shown) * 3 / 2);
    HWND save = first ? qvntest::VisibleButtonIn(shown, L"設定保存(&S)...") : nullptr;
    PostMessageW(save != nullptr ? save : shown, save != nullptr ? BM_CLICK : WM_CLOSE, 0, 0);
  };
  onTick = &checkShown;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
  form.miSetupClick(), form.miResShowClick(), form.miAboutClick();
  miDataReadClick(model, form, form, form);
  ui::ShowError(form.hwnd(), L"エラー");
  KillTimer(nullptr, timer);
  EXPECT_EQ(seen, (std::set<std::wstring>{L"#32770", L"TAboutBox", L"TSetupForm", L"TfrmOpenDlg",
                                          L"TfrmResShow", L"TfrmSaveDlg"}));
}

TEST_F(MainFormTest, SlotHintsFollowWhichSlotsAreSet) {
  using qvntest::kSetSlotHint, qvntest::kUnsetSlotHint;
  // Start-up found no list to load: eight unset slots.
  EXPECT_EQ(form.Image1.hint(), kUnsetSlotHint);
  EXPECT_EQ(form.Image8.hint(), kUnsetSlotHint);
  EXPECT_EQ(form.GroupBox1.hint(), qvntest::kGroupHint);

  SetUnsetSlots(model);
  model.SlotList[1] = "C:\\Tools\\edit.exe";
  form.ShowSlotHints();
  EXPECT_EQ(form.Image1.hint(), kUnsetSlotHint);
  EXPECT_EQ(form.Image2.hint(), kSetSlotHint);
}

// What a screen reader reads as a control's name: its own name through Active
// Accessibility (oleacc.dll, loaded here as a reader loads it); for an edit
// or combo box, whose text is its value, that of the static text just before
// it, as "Providing the Name Property" (learn.microsoft.com) describes.
std::wstring NameByTheRule(HWND control) {
  const std::wstring kind = qvntest::ClassOf(control);
  if (kind == L"Edit" || kind == L"ComboBox") {
    control = GetWindow(control, GW_HWNDPREV);
    if (control == nullptr || qvntest::ClassOf(control) != L"Static") return L"";
  }
  static const auto fromWindow = reinterpret_cast<decltype(&AccessibleObjectFromWindow)>(
      GetProcAddress(LoadLibraryW(L"oleacc.dll"), "AccessibleObjectFromWindow"));
  IAccessible* object = nullptr;
  BSTR name = nullptr;
  if (fromWindow == nullptr || FAILED(fromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&object)))) {
    return L"";
  }
  VARIANT self{};  // lVal 0: CHILDID_SELF
  self.vt = VT_I4;
  const std::wstring text = SUCCEEDED(object->get_accName(self, &name)) && name ? name : L"";
  SysFreeString(name);
  object->Release();
  return text;
}

TEST_F(MainFormTest, EverySlotArrowEditAndComboBoxHasAName) {
  SetUnsetSlots(model);
  model.SlotList[1] = "C:\\Tools\\edit.exe";
  form.ShowSlotHints();
  EXPECT_EQ(NameByTheRule(form.Image2.hwnd()), L"No.2 edit.exe");
  EXPECT_EQ(NameByTheRule(form.Image8.hwnd()), L"No.8 未設定");

  int named = 0, unnamed = 0;
  std::thread reader([&] {
    const ui::ComApartment com;
    HWND dialog = nullptr;  // waited for until it shows: the modal loop waits for its close
    while (!dialog) dialog = qvntest::WaitForVisibleWindow(GetCurrentProcessId(), L"TSetupForm");
    for (const wchar_t* kind : {L"Edit", L"ComboBox", L"Button"}) {
      for (HWND control : qvntest::DescendantsOf(dialog, kind)) {
        // A combo box's own edit is named with it; of the buttons, the arrows have no caption.
        const bool arrow = (GetWindowLongW(control, GWL_STYLE) & BS_ICON) != 0;
        if (qvntest::ClassOf(GetParent(control)) == L"ComboBox" || (kind[0] == L'B' && !arrow))
          continue;
        ++(NameByTheRule(control).empty() ? unnamed : named);
      }
    }
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  });
  form.miSetupClick();
  reader.join();
  EXPECT_EQ(unnamed, 0);
  EXPECT_EQ(named, 9 + 2 + 7);  // the path boxes, the two numbers, the arrows
}

TEST_F(MainFormTest, ComputesItsPathsFromTheProgramsFolder) {
  const std::string folderPath = *ToAnsi(folder.path());
  EXPECT_EQ(model.ProgramFolder, folderPath);
  EXPECT_EQ(model.InitialDataFile, folderPath + "Start.qvl");
  EXPECT_EQ(model.ConfigFile, folderPath + "Config.qvc");
}

TEST(MainFormStartup, WithTheShortcutPresentTheMenuOffersItsRemoval) {
  const std::wstring link = qvntest::StartupLinkFile();
  HANDLE file = CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "a shortcut was left behind";
  CloseHandle(file);

  qvntest::TempFolder folder;
  Model model;
  TMainForm form{model, *ToAnsi(folder.File(L"Quorvane.exe"))};
  ASSERT_TRUE(form.CreateWindowAndControls());
  form.FormCreate();
  DeleteFileW(link.c_str());
  EXPECT_TRUE(model.StartupLinkRegistered);
  EXPECT_EQ(form.PopupMenu1.Item("miStartup").caption, L"スタートアップから削除(&I)");
}

}  // namespace
}  // namespace qvn
