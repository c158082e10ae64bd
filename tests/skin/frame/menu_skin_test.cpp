// The skinned menus under the window system, on the stored test form (a menu bar, drop-downs,
// two popup menus) beside the skinned main window: the bar, tracking by mouse message and
// keyboard (the modal menu loop is driven from a timer that fires inside it), the popup
// window's border, the owner-drawn items, the system menu, unskinning, and handles.
#include <windows.h>
#include <commctrl.h>

#include "tests/skin/frame/menu_skin_fixture.h"

namespace varnelta::testing_menus {
namespace {

TEST_F(MenuSkinTest, BarReplacesTheSystemMenuBar) {
  EXPECT_EQ(GetMenu(page->Handle()), nullptr);
  EXPECT_EQ(frame->Metrics().MenuBar, GetSystemMetrics(SM_CYMENU));
  ASSERT_EQ(Bar().Items().size(), 4u);
  const TDataSkinObject& element = *main->SkinData1->Skin().MenuBar;
  const TRect& strip = Bar().BarRect();
  EXPECT_EQ(strip.Top, frame->Metrics().Title);
  EXPECT_EQ(strip.Height(), GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(Bar().Items()[0].Bounds.Left, strip.Left + element.Margins.Left + 4);
  // Cells: the caption's width in the menu font plus 10, one after another.
  TFontHandle font = CreateMenuFont();
  TWindowDC screen(nullptr);
  TSelectObject keep(screen.Get(), font.Get());
  int x = Bar().Items()[0].Bounds.Left;
  for (const TMenuBtn& b : Bar().Items()) {
    RECT r{0, 0, 0, 0};
    DrawTextW(screen.Get(), b.FCaption.c_str(), -1, &r, DT_CALCRECT | DT_NOCLIP);
    EXPECT_EQ(b.Bounds.Left, x);
    EXPECT_EQ(b.Bounds.Width(), r.right + 10);
    EXPECT_EQ(b.Bounds.Height(), strip.Height() - 1);
    x = b.Bounds.Right;
  }
  EXPECT_EQ(Bar().Items()[0].FCaption, L"文件(&F)");
  EXPECT_FALSE(Bar().Items()[3].FEnabled);
}

TEST_F(MenuSkinTest, ArrowsSwitchWithWrapAndEscapeCloses) {
  const long hooks = HandleCounter::Live(THandleKind::Hook);
  std::vector<int> opened;
  int firstSelected = -2;
  RECT menuRect{};
  int step = 0;
  OpenByMessage(0, [&] {
    HWND menu = VisibleMenuWindow();
    const auto open = TFrameMenus::OpenItem();
    if (!menu || !open) return false;
    if (opened.empty() || opened.back() != static_cast<int>(*open)) {
      opened.push_back(static_cast<int>(*open));
      if (opened.size() == 1) GetWindowRect(menu, &menuRect);
    }
    switch (step) {
      case 0:  // the posted VK_DOWN selected the first item
        if (Hilited(Bar().Items()[0].FSubMenu) < 0) return false;
        firstSelected = Hilited(Bar().Items()[0].FSubMenu);
        Key(menu, VK_RIGHT);  // File → Edit
        break;
      case 1:
        if (*open != 1) return false;
        Key(menu, VK_RIGHT);  // Edit → View
        break;
      case 2:
        if (*open != 2) return false;
        Key(menu, VK_RIGHT);  // View → (Help opens nothing) → File
        break;
      case 3:
        if (*open != 0) return false;
        Key(menu, VK_LEFT);  // File → View
        break;
      case 4:
        if (*open != 2) return false;
        Key(menu, VK_ESCAPE);
        Key(menu, VK_ESCAPE);
        return true;
    }
    ++step;
    return false;
  });
  PumpPending();
  EXPECT_EQ(firstSelected, 0);
  EXPECT_EQ(opened, (std::vector<int>{0, 1, 2, 0, 2}));
  RECT window{};
  GetWindowRect(page->Handle(), &window);
  EXPECT_EQ(menuRect.left, window.left + Bar().Items()[0].Bounds.Left);
  EXPECT_EQ(menuRect.top, window.top + Bar().Items()[0].Bounds.Bottom);
  EXPECT_FALSE(TFrameMenus::OpenItem().has_value());
  EXPECT_EQ(HandleCounter::Live(THandleKind::Hook), hooks);
  EXPECT_EQ(manager->PopupSkinnerCount(), 0u);
}

TEST_F(MenuSkinTest, KeyboardOpensByAcceleratorAndF10) {
  std::optional<std::size_t> seen;
  auto watch = [&] {
    HWND menu = VisibleMenuWindow();
    if (!menu || !TFrameMenus::OpenItem()) return false;
    seen = TFrameMenus::OpenItem();
    Key(menu, VK_ESCAPE);
    return true;
  };
  {
    TLoopDriver driver(watch);
    SendMessageW(page->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'e');  // Alt+E
  }
  EXPECT_EQ(seen, std::optional<std::size_t>(1));
  seen.reset();
  {
    TLoopDriver driver(watch);
    SendMessageW(page->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);  // F10 or Alt alone
  }
  EXPECT_EQ(seen, std::optional<std::size_t>(0));
}

// Alt plus a letter typed in a control reaches the form as CM_DIALOGCHAR, which opens the bar
// item; the system's menu mode (SC_KEYMENU) is never asked.
int g_keyMenus = 0;
LRESULT CALLBACK CountKeyMenus(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) ++g_keyMenus;
  return DefSubclassProc(window, msg, wParam, lParam);
}

TEST_F(MenuSkinTest, AltLetterInAControlOpensTheBarItemThroughDialogChar) {
  const HWND memo = Find<TMemo>("Memo1").Handle();
  ASSERT_TRUE(SetWindowSubclass(page->Handle(), CountKeyMenus, 1, 0));
  g_keyMenus = 0;
  std::vector<WPARAM> dialogChars;
  page->SetMessageHandler(CM_DIALOGCHAR, [&](TMessage& m) {
    dialogChars.push_back(m.WParam);
    m.Result = 0;  // the form itself knows no such key: the skinned bar decides
  });
  std::optional<std::size_t> seen;
  {
    TLoopDriver driver([&] {
      HWND menu = VisibleMenuWindow();
      if (!menu || !TFrameMenus::OpenItem()) return false;
      seen = TFrameMenus::OpenItem();
      Key(menu, VK_ESCAPE);
      return true;
    });
    SendMessageW(memo, WM_SYSCHAR, L'f', LPARAM{1} << 29);  // Alt+F, as the keyboard gives it
  }
  PumpPending();
  RemoveWindowSubclass(page->Handle(), CountKeyMenus, 1);
  page->SetMessageHandler(CM_DIALOGCHAR, nullptr);
  EXPECT_EQ(seen, std::optional<std::size_t>(0));  // "文件(&F)"
  EXPECT_EQ(dialogChars, std::vector<WPARAM>{L'f'});
  EXPECT_EQ(g_keyMenus, 0);
}

TEST_F(MenuSkinTest, DisabledBarItemPostsItsCommandButOpensNothing) {
  std::vector<WPARAM> commands;
  page->SetMessageHandler(WM_COMMAND, [&](TMessage& m) { commands.push_back(m.WParam); });
  bool opened = false;
  OpenByMessage(3, [&] {
    opened = opened || VisibleMenuWindow() != nullptr;
    return true;
  });
  PumpPending();
  EXPECT_FALSE(opened);
  EXPECT_EQ(commands, std::vector<WPARAM>{Item("HelpMenu").Command()});
}

TEST_F(MenuSkinTest, DropDownItemsAreOwnerDrawnWithTextStillReadable) {
  UINT type = 0;
  std::wstring text;
  OpenByMessage(0, [&] {
    HWND menu = VisibleMenuWindow();
    if (!menu) return false;
    HMENU drop = Bar().Items()[0].FSubMenu;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(drop, 0, TRUE, &info);
    type = info.fType;
    text = MenuTextByCommand(drop, Item("NewItem").Command());
    Key(menu, VK_ESCAPE);
    return true;
  });
  PumpPending();
  EXPECT_TRUE(type & MFT_OWNERDRAW);
  EXPECT_EQ(text, L"新建(&N)\tCtrl+N");
}

// Items with an image index show that image of their menu's image list in the glyph box (its
// transparent colour left out); a checked one shows it on a dithered, sunken box.
TEST_F(MenuSkinTest, ItemImagesComeFromTheMenusImageList) {
  ASSERT_EQ(Find<TImageList>("MenuImages1").Count(), 2);
  const int margin = MenuItemMarginLeft({frame->SkinData(), manager, frame->Dpi()});
  // The glyph box's pixels of item `position` of bar item `index`'s drop-down.
  auto glyphBox = [&](std::size_t index, UINT position) {
    TBitmap box;
    int ticks = 0;
    OpenByMessage(index, [&] {
      HWND menu = VisibleMenuWindow();
      if (!menu || ++ticks < 4) return false;
      RECT window{}, item{};
      GetWindowRect(menu, &window);
      GetMenuItemRect(nullptr, Bar().Items()[index].FSubMenu, position, &item);  // the menu window's own
      box = ScreenPixels(menu).Copy(item.left - window.left + 1 + margin, item.top - window.top + 1, 16, 16);
      Key(menu, VK_ESCAPE);
      return true;
    });
    PumpPending();
    return box;
  };
  const TBitmap plain = glyphBox(0, 0);  // "新建(&N)", image 0: a navy frame filled white
  ASSERT_EQ(plain.Width(), 16);
  EXPECT_EQ(OpaquePixel(plain.Pixel(3, 2)), 0x000080u);
  EXPECT_EQ(OpaquePixel(plain.Pixel(7, 7)), 0xFFFFFFu);
  EXPECT_NE(OpaquePixel(plain.Pixel(0, 0)), 0xC0C0C0u);  // the list's transparent colour
  const TBitmap checked = glyphBox(1, 7);  // "Show marks", checked, image 1: a red diamond
  ASSERT_EQ(checked.Width(), 16);
  EXPECT_EQ(OpaquePixel(checked.Pixel(7, 7)), 0xE02020u);
  const std::uint32_t face = PixelFromColour(GetSysColor(COLOR_BTNFACE)) & 0xFFFFFF;
  const std::uint32_t light = PixelFromColour(GetSysColor(COLOR_BTNHIGHLIGHT)) & 0xFFFFFF;
  const std::uint32_t a = OpaquePixel(checked.Pixel(1, 1)), b = OpaquePixel(checked.Pixel(2, 1));
  EXPECT_TRUE((a == face && b == light) || (a == light && b == face)) << std::hex << a << " " << b;
  EXPECT_EQ(OpaquePixel(checked.Pixel(0, 0)), PixelFromColour(GetSysColor(COLOR_3DDKSHADOW)) & 0xFFFFFF);

  // Drawing the images leaves no handle behind; a freed list leaves its menu without images.
  std::vector<long> before;
  for (int k = 0; k < static_cast<int>(THandleKind::Count); ++k) before.push_back(HandleCounter::Live(static_cast<THandleKind>(k)));
  glyphBox(1, 7);
  glyphBox(0, 0);
  for (int k = 0; k < static_cast<int>(THandleKind::Count); ++k) {
    EXPECT_EQ(HandleCounter::Live(static_cast<THandleKind>(k)), before[static_cast<std::size_t>(k)]) << kHandleKindNames[k];
  }
  TMainMenu& menu = Find<TMainMenu>("MainMenu1");
  delete &Find<TImageList>("MenuImages1");
  EXPECT_EQ(menu.Images(), nullptr);
  const TBitmap gone = glyphBox(0, 0);
  ASSERT_EQ(gone.Width(), 16);
  EXPECT_NE(OpaquePixel(gone.Pixel(3, 2)), 0x000080u);
}

// An image list takes the cells of a bitmap resource of the program.
TEST(ImageListResourceTest, CellsOfAProgramBitmap) {
  TImageList list(nullptr);
  EXPECT_EQ(list.AddResource(L"MORVANEMENU"), 0);  // four 16 x 16 glyphs side by side
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.TransparentColour(), 0xFFFFFFu);
  EXPECT_EQ(list.AddResource(L"NO SUCH BITMAP"), -1);
  EXPECT_EQ(list.Count(), 4);
}

TEST_F(MenuSkinTest, PopupWindowBorderComesFromTheSkin) {
  const TDataSkinObject& back = *main->SkinData1->Skin().MenuBackground;
  TBitmap printed;
  TBitmap shown;
  RECT windowRect{};
  POINT clientOrigin{};
  int ticks = 0;
  OpenByMessage(0, [&] {
    HWND menu = VisibleMenuWindow();
    // A few turns of the menu loop after it shows, so the screen has what was painted.
    if (!menu || ++ticks < 3) return false;
    GetWindowRect(menu, &windowRect);
    ClientToScreen(menu, &clientOrigin);
    printed = PrintWindowPixels(menu);
    shown = ScreenPixels(menu);
    Key(menu, VK_ESCAPE);
    return true;
  });
  PumpPending();
  ASSERT_FALSE(printed.Empty());
  // Report what the system gives a menu window as its border (window minus client).
  std::printf("menu window border: left %ld, top %ld\n", clientOrigin.x - windowRect.left, clientOrigin.y - windowRect.top);
  ASSERT_GE(back.Margins.Left, 3);
  const int w = printed.Width();
  const int h = printed.Height();
  const int bw = back.Image.Width();
  const int bh = back.Image.Height();
  for (const TBitmap* picture : {&printed, &shown}) {
    EXPECT_EQ(OpaquePixel(picture->Pixel(0, 0)), OpaquePixel(back.Image.Pixel(0, 0)));
    EXPECT_EQ(OpaquePixel(picture->Pixel(w - 1, 0)), OpaquePixel(back.Image.Pixel(bw - 1, 0)));
    EXPECT_EQ(OpaquePixel(picture->Pixel(0, h - 1)), OpaquePixel(back.Image.Pixel(0, bh - 1)));
    EXPECT_EQ(OpaquePixel(picture->Pixel(w - 1, h - 1)), OpaquePixel(back.Image.Pixel(bw - 1, bh - 1)));
    EXPECT_EQ(OpaquePixel(picture->Pixel(2, h / 2)), OpaquePixel(back.Image.Pixel(2, bh / 2)));
  }
}

TEST_F(MenuSkinTest, PopupMenusOwnerDrawnExceptTheDisabledTag) {
  TPopupMenu* skinned = &Find<TPopupMenu>("PopupMenu1");
  TPopupMenu* plain = &Find<TPopupMenu>("PopupMenu2");
  EXPECT_TRUE(skinned->OwnerDraw());
  EXPECT_FALSE(plain->OwnerDraw());
  EXPECT_TRUE(static_cast<bool>(Item("PopCopy").OnDrawItem));
  EXPECT_FALSE(static_cast<bool>(Item("PlainOne").OnDrawItem));
  std::size_t skinners = 0;
  UINT type = 0;
  TLoopDriver driver([&] {
    HWND menu = VisibleMenuWindow();
    if (!menu) return false;
    skinners = manager->PopupSkinnerCount();
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(static_cast<HMENU>(skinned->Handle()), 0, TRUE, &info);
    type = info.fType;
    Key(menu, VK_ESCAPE);
    return true;
  });
  skinned->Popup(300, 300);
  PumpPending();
  EXPECT_EQ(skinners, 1u);
  EXPECT_TRUE(type & MFT_OWNERDRAW);
}

TEST_F(MenuSkinTest, SystemMenuItemsAreDrawnBySkin) {
  int count = 0;
  int ownerDrawn = 0;
  std::wstring closeText;
  TLoopDriver driver([&] {
    HWND menu = VisibleMenuWindow();
    if (!menu) return false;
    auto handle = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
    count = GetMenuItemCount(handle);
    for (int i = 0; i < count; ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_ID;
      GetMenuItemInfoW(handle, static_cast<UINT>(i), TRUE, &info);
      if (info.fType & MFT_OWNERDRAW) ++ownerDrawn;
      const std::wstring text = MenuTextByCommand(handle, info.wID);
      if (text.find(L"Close") != std::wstring::npos || text.find(L"关闭") != std::wstring::npos) closeText = text;
    }
    Key(menu, VK_ESCAPE);
    return true;
  });
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  PumpPending();
  std::printf("system menu items: %d\n", count);
  EXPECT_GT(count, 0);
  EXPECT_EQ(ownerDrawn, count);
  EXPECT_FALSE(closeText.empty());
}

TEST_F(MenuSkinTest, UnskinGivesEveryMenuItsOwnLookBack) {
  // Open once so the drop-down's items are switched to owner-draw.
  OpenByMessage(0, [&] {
    HWND menu = VisibleMenuWindow();
    if (!menu) return false;
    Key(menu, VK_ESCAPE);
    return true;
  });
  PumpPending();
  main->SkinData1->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(page->Handle()) == nullptr; }));
  PumpPending();
  HMENU bar = GetMenu(page->Handle());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar, static_cast<HMENU>(Find<TMainMenu>("MainMenu1").Handle()));
  HMENU drop = GetSubMenu(bar, 0);
  for (int i = 0; i < GetMenuItemCount(drop); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(drop, static_cast<UINT>(i), TRUE, &info);
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW) << i;
  }
  TPopupMenu* popup = &Find<TPopupMenu>("PopupMenu1");
  EXPECT_FALSE(popup->OwnerDraw());
  EXPECT_FALSE(static_cast<bool>(Item("PopCopy").OnDrawItem));
  main->SkinData1->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] {
    const TWinSkinForm* f = manager->FindFormSkinner(page->Handle());
    return f && f->SkinMenu();
  }));
  EXPECT_EQ(GetMenu(page->Handle()), nullptr);
}

TEST_F(MenuSkinTest, FaultsLongCaptionAndNarrowBar) {
  // A 200-character Chinese caption is cut at the bar's buffer, never overflows.
  Item("ViewMenu").SetCaption(std::wstring(200, L'菜'));
  PumpPending();
  ASSERT_EQ(Bar().Items().size(), 4u);
  EXPECT_LE(Bar().Items()[2].FCaption.size(), 200u);
  // A window much narrower than the bar's items still paints and answers.
  SetWindowPos(page->Handle(), nullptr, 0, 0, 60, 200, SWP_NOMOVE | SWP_NOZORDER);
  PumpPending();
  frame->PaintFrame();
  EXPECT_TRUE(IsWindow(page->Handle()));
}

TEST_F(MenuSkinTest, HandlesStayFlatOverManyOpenings) {
  auto counts = [] {
    std::vector<long> c;
    for (THandleKind k : {THandleKind::Font, THandleKind::Brush, THandleKind::Bitmap, THandleKind::DC, THandleKind::Hook,
                          THandleKind::Region}) {
      c.push_back(HandleCounter::Live(k));
    }
    return c;
  };
  auto closeAtOnce = [] {
    HWND menu = VisibleMenuWindow();
    if (!menu) return false;
    Key(menu, VK_ESCAPE);
    return true;
  };
  OpenByMessage(0, closeAtOnce);  // the first opening makes what stays (fonts of the bar)
  PumpPending();
  const auto before = counts();
  const int dibs = TDibSection::LiveCount();
  TPopupMenu* popup = &Find<TPopupMenu>("PopupMenu1");
  for (int i = 0; i < 100; ++i) {
    OpenByMessage(static_cast<std::size_t>(i % 3), closeAtOnce);
    {
      TLoopDriver driver(closeAtOnce);
      popup->Popup(300, 300);
    }
    PumpPending();
  }
  EXPECT_EQ(counts(), before);
  EXPECT_EQ(TDibSection::LiveCount(), dibs);
  EXPECT_EQ(manager->PopupSkinnerCount(), 0u);
  EXPECT_EQ(manager->MenuKind(), kMenuKindPopup);
  EXPECT_FALSE(manager->MenusOpen());
}

TEST_F(MenuSkinRtlTest, CellsRunFromTheRightAndArrowsMirror) {
  const TRect& strip = Bar().BarRect();
  const TDataSkinObject& element = *main->SkinData1->Skin().MenuBar;
  EXPECT_EQ(Bar().Items()[0].Bounds.Right, strip.Right - element.Margins.Right - 8);
  EXPECT_LT(Bar().Items()[1].Bounds.Right, Bar().Items()[0].Bounds.Left + 1);
  std::vector<int> opened;
  int step = 0;
  OpenByMessage(0, [&] {
    HWND menu = VisibleMenuWindow();
    const auto open = TFrameMenus::OpenItem();
    if (!menu || !open) return false;
    if (opened.empty() || opened.back() != static_cast<int>(*open)) opened.push_back(static_cast<int>(*open));
    if (step == 0) {
      if (Hilited(Bar().Items()[0].FSubMenu) < 0) return false;
      Key(menu, VK_LEFT);  // mirrored: the next item
      ++step;
      return false;
    }
    if (*open != 1) return false;
    Key(menu, VK_ESCAPE);
    return true;
  });
  PumpPending();
  EXPECT_EQ(opened, (std::vector<int>{0, 1}));
}

}  // namespace
}  // namespace varnelta::testing_menus
