// The skinned menus under settings a program reads when it starts: 144 dots per inch, and the
// system versions Wine can report (Windows 98, NT 4, 8.1, 10). The parent test puts the setting in
// the registry, runs this executable again with a filter for one child test, and puts the
// setting back; the child's own output shows above the parent's verdict. The default version
// is checked in the parent process itself.
#include "tests/skin/frame/menu_pixels.h"

#include <cstdlib>
#include <cstring>

#include "skin/data/win32/skin_platform.h"
#include "skin/frame/dpi_scale.h"
#include "tests/common/child_run.h"

namespace varnelta::testing_menus {
namespace {

using testing::TRegistrySetting;

constexpr const char* kChildVariable = "VARNELTA_MENU_CHILD";
constexpr const char* kItemHeightVariable = "VARNELTA_MENU_NT_ITEM_HEIGHT";

// Runs this executable with one test and `child` in kChildVariable (and `extra` in
// kItemHeightVariable); its exit code.
DWORD RunChild(const wchar_t* test, const std::string& child, const std::string& extra = {}) {
  std::vector<std::pair<const char*, std::string>> variables{{kChildVariable, child}};
  if (!extra.empty()) variables.emplace_back(kItemHeightVariable, extra);
  return testing::RunChild(test, variables);
}

std::wstring ExeName() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring path(self);
  return path.substr(path.find_last_of(L"\\/") + 1);
}

// What the main window's skinned system menu (Alt+Space) shows.
struct TSystemMenuSeen {
  std::vector<std::wstring> Texts;
  int OwnerDrawn = 0;
  bool WindowSkinned = false;  // the "#32768" window answers the skinners' probe
  std::size_t PopupSkinners = 0;
  int TextItemHeight = 0;      // the first item with text
  // The border's middle row after the whole window was painted over with kCovered and a
  // non-client paint was asked for the left half only.
  COLORREF LeftBorder = 0;
  COLORREF RightBorder = 0;
};
constexpr COLORREF kCovered = RGB(255, 0, 128);

TSystemMenuSeen OpenSystemMenu(TForm& main, TSkinManage& manager) {
  TSystemMenuSeen seen;
  int ticks = 0;
  int painted = 0;
  TLoopDriver driver([&] {
    HWND menuWindow = VisibleMenuWindow();
    if (!menuWindow || ++ticks < 3) return false;
    if (painted) {
      // A few turns of the menu loop later (the system shows what was drawn then).
      if (++painted < 4) return false;
      const TBitmap shown = ScreenPixels(menuWindow);
      seen.LeftBorder = shown.Colour(1, shown.Height() / 2);
      seen.RightBorder = shown.Colour(shown.Width() - 2, shown.Height() / 2);
      Key(menuWindow, VK_ESCAPE);
      return true;
    }
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_ID;
      GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
      seen.OwnerDrawn += (info.fType & MFT_OWNERDRAW) != 0;
      seen.Texts.push_back(info.wID ? MenuTextByCommand(menu, info.wID) : std::wstring());
      RECT r{};
      if (!seen.TextItemHeight && !seen.Texts.back().empty() && GetMenuItemRect(menuWindow, menu, static_cast<UINT>(i), &r)) {
        seen.TextItemHeight = r.bottom - r.top;
      }
    }
    seen.WindowSkinned = SendMessageW(menuWindow, kMsgIsSkinned, 0, 0) == 1;
    seen.PopupSkinners = manager.PopupSkinnerCount();
    RECT w{};
    GetWindowRect(menuWindow, &w);
    {
      TWindowDC dc(menuWindow, true);
      TBrushHandle brush(CreateSolidBrush(kCovered));
      RECT all{0, 0, w.right - w.left, w.bottom - w.top};
      FillRect(dc.Get(), &all, brush.Get());
    }
    TRegionHandle left(CreateRectRgn(w.left, w.top, w.left + (w.right - w.left) / 2, w.bottom));
    SendMessageW(menuWindow, WM_NCPAINT, reinterpret_cast<WPARAM>(left.Get()), 0);
    painted = 1;
    return false;
  });
  SendMessageW(main.Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  PumpPending();
  return seen;
}

// The default version (6.1 under Wine 8): the border is painted through the update region
// (GetDCEx), so only the asked-for half changes. The item height is handed to the Windows 98 child.
TEST_F(MenuSkinTest, SystemMenuUnderTheVersionsWineReports) {
  const TPlatformVersion& v = RecordedVersion();
  std::printf("default: version %lu.%lu, %s family\n", v.Major, v.Minor, v.IsNT ? "NT" : "95");
  const TSystemMenuSeen seen = OpenSystemMenu(*main, *manager);
  ASSERT_FALSE(seen.Texts.empty());
  EXPECT_TRUE(seen.WindowSkinned);
  EXPECT_EQ(seen.OwnerDrawn, static_cast<int>(seen.Texts.size()));
  EXPECT_NE(seen.LeftBorder, kCovered);
  EXPECT_EQ(seen.RightBorder, kCovered) << "the update region was not honoured";
  ASSERT_GT(seen.TextItemHeight, 0);
  page.reset();
  main.reset();
  PumpPending();
  for (const char* version : {"win98", "nt40", "win81", "win10"}) {
    const std::wstring wide(version, version + std::strlen(version));
    TRegistrySetting setting(L"Software\\Wine\\AppDefaults\\" + ExeName(), L"Version", wide);
    EXPECT_EQ(RunChild(L"MenuSkinChild.SystemMenuUnderVersion", version, std::to_string(seen.TextItemHeight)), 0u)
        << version << ": the child's checks failed (its output is above)";
  }
}

class MenuSkinChild : public MenuSkinTest {
 protected:
  void SetUp() override {
    const char* child = std::getenv(kChildVariable);
    if (!child) GTEST_SKIP() << "runs as a child of another test";
    kind = child;
    MenuSkinTest::SetUp();
  }
  std::string kind;
};

TEST_F(MenuSkinChild, SystemMenuUnderVersion) {
  const TPlatformVersion& v = RecordedVersion();
  std::printf("%s: version %lu.%lu, %s family\n", kind.c_str(), v.Major, v.Minor, v.IsNT ? "NT" : "95");
  const TSystemMenuSeen seen = OpenSystemMenu(*main, *manager);
  ASSERT_FALSE(seen.Texts.empty());
  EXPECT_EQ(seen.OwnerDrawn, static_cast<int>(seen.Texts.size())) << "every item is drawn by the skin";
  if (kind == "win98") {
    // Windows 98: the menu window keeps the system's look, its items are the skin's and 4
    // pixels taller than on the NT family.
    EXPECT_FALSE(v.IsNT);
    EXPECT_FALSE(seen.WindowSkinned);
    EXPECT_EQ(seen.PopupSkinners, 0u);
    EXPECT_EQ(seen.RightBorder, kCovered);
    EXPECT_EQ(seen.LeftBorder, kCovered);
    const char* ntHeight = std::getenv(kItemHeightVariable);
    ASSERT_NE(ntHeight, nullptr);
    EXPECT_EQ(seen.TextItemHeight, std::atoi(ntHeight) + 4);
  } else if (kind == "nt40") {
    // NT 4: the fixed menu.
    EXPECT_TRUE(seen.WindowSkinned);
    ASSERT_GE(seen.Texts.size(), 3u);
    EXPECT_EQ(seen.Texts.front(), L" Restore ");
    EXPECT_EQ(seen.Texts[seen.Texts.size() - 2], L"");
    EXPECT_EQ(seen.Texts.back(), L" Close \tALT+F4");
    for (const std::wstring& text : seen.Texts) {
      EXPECT_TRUE(text.empty() || text == L" Restore " || text == L" Maximize " || text == L" Minimize " ||
                  text == L" Close \tALT+F4")
          << "not an item of the fixed menu";
    }
  } else if (kind == "win81" || kind == "win10") {
    // Windows 8.1 (6.3) and 10 (10.0): the whole border through the window DC, whatever the
    // update region.
    EXPECT_TRUE(seen.WindowSkinned);
    EXPECT_NE(seen.LeftBorder, kCovered);
    EXPECT_NE(seen.RightBorder, kCovered) << "painted through the update region";
  } else {
    ADD_FAILURE() << "no checks for " << kind;
  }
}

TEST(MenuSkinSettings, At144Dpi) {
  TRegistrySetting dpi(L"Control Panel\\Desktop", L"LogPixels", DWORD{144});
  EXPECT_EQ(RunChild(L"MenuSkinChild.At144Dpi", "dpi144"), 0u) << "the child's checks failed (its output is above)";
}

// At 144 DPI the strip follows SM_CYMENU, the bar's offsets and the items' boxes grow by half.
TEST_F(MenuSkinChild, At144Dpi) {
  ASSERT_EQ(Screen().PixelsPerInch(), 144);
  const int cyMenu = GetSystemMetrics(SM_CYMENU);
  std::printf("144 dpi: SM_CYMENU %d\n", cyMenu);
  const TRect& strip = Bar().BarRect();
  EXPECT_EQ(frame->Metrics().MenuBar, cyMenu);
  EXPECT_EQ(strip.Height(), cyMenu);
  EXPECT_EQ(strip.Top, frame->Metrics().Title);
  // The first cell after the picture's left end and 6 (4 at 96 DPI); cells text width + 15.
  const TDataSkinObject& bar = *main->SkinData1->Skin().MenuBar;
  EXPECT_EQ(Bar().Items()[0].Bounds.Left, strip.Left + ScalePixel(bar.Margins.Left, 144) + 6);
  TFontHandle font = CreateMenuFont();
  TWindowDC screen(nullptr);
  TSelectObject keep(screen.Get(), font.Get());
  for (const TMenuBtn& b : Bar().Items()) {
    RECT r{0, 0, 0, 0};
    DrawTextW(screen.Get(), b.FCaption.c_str(), -1, &r, DT_CALCRECT | DT_NOCLIP);
    EXPECT_EQ(b.Bounds.Width(), r.right + 15);
  }

  HMENU drop = Bar().Items()[1].FSubMenu;  // 撤销, -, 剪切, 复制, 粘贴, -, 自动换行 (checked), Show marks
  const TOpener open = [this](std::function<bool()> step) { OpenByMessage(1, std::move(step)); };
  if (const char* shots = std::getenv("VARNELTA_MENU_SHOTS")) {  // a picture to look at, on request
    OpenAndCapture(open, drop, [&](HWND) {
      // The drop-down lies inside the window here.
      ScreenPixels(page->Handle()).SaveToFile(std::string(shots) + "/dpi144_dropdown.bmp");
    });
  }
  UseTellingMenuItemPicture(*main->SkinData1);
  const TCapture c = OpenAndCapture(open, drop);
  ASSERT_EQ(c.Items.size(), 8u);
  const TItemPixels text(c, 2);
  const TItemPixels line(c, 1);
  const TItemPixels checked(c, 6);
  EXPECT_EQ(text.Height(), cyMenu);
  EXPECT_EQ(line.Height(), 12);  // 8 at 96 DPI
  // The glyph box: 2 + the picture's left end (8) from the left, 2 from the top, 24 square; the
  // check mark centred in it.
  const TCheckMark mark = SystemCheckMark();
  ASSERT_FALSE(mark.Black.empty());
  const RECT glyph{2 + 8, 2, 2 + 8 + 24, 2 + 24};
  EXPECT_GT(checked.Count(RGB(0, 0, 0), glyph.left, glyph.top, glyph.right, glyph.bottom), 0);
  const auto ink = checked.Ink(kFill[1], glyph.left - 2, glyph.right + 2);
  std::printf("144 dpi: check mark %dx%d, ink columns %d to %d\n", mark.Width, mark.Height, ink.first, ink.second);
  EXPECT_GE(ink.first, glyph.left);
  EXPECT_LT(ink.second, glyph.right);
  EXPECT_NEAR((ink.first + ink.second) / 2.0, (glyph.left + glyph.right) / 2.0, 2.0) << "not centred in the glyph box";
  // The shortcut ends 17 pixels (11 at 96 DPI) left of the item's right edge.
  const COLORREF menuText = Rgb(main->SkinData1->Skin().Colours[kColourMenuText]);
  const auto ref = ReferenceInk(ShortCutToText(static_cast<TShortCut>(Item("CutItem").ShortCut())), false,
                                DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX, 200, text.Height(), menuText, kFill[1]);
  EXPECT_EQ(text.Ink(kFill[1], text.Width() / 2, text.Width() - 1).second, (text.Width() - 17) - (200 - ref.second));
}

}  // namespace
}  // namespace varnelta::testing_menus
