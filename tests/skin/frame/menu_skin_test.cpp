// The skinned menus under the window system, on the stored test form (a menu bar, drop-downs,
// two popup menus) beside the skinned main window: the bar, tracking by mouse message and
// keyboard (the modal menu loop is driven from a timer that fires inside it), the popup
// window's border, the owner-drawn items, the system menu, unskinning, and handles.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/form_reader.h"
#include "runtime/handle_count.h"
#include "runtime/menu_handles.h"
#include "runtime/menus.h"
#include "skin/data/skin_types.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/frame_menus.h"
#include "skin/frame/menu_item_painter.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_menu.h"
#include "skin/frame/win_skin_popmenu.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

using testing::PumpPending;
using testing::PumpUntil;

std::string ReadText(const char* name) {
  std::ifstream in(std::filesystem::path(VARNELTA_GALLERY_DIR) / name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs `step` from a timer inside whatever modal loop is running, until it answers true.
class TLoopDriver {
 public:
  explicit TLoopDriver(std::function<bool()> step) : step_(std::move(step)) {
    Current() = this;
    timer_ = SetTimer(nullptr, 0, 60, &TLoopDriver::Tick);
  }
  ~TLoopDriver() {
    if (timer_) KillTimer(nullptr, timer_);
    Current() = nullptr;
  }
  TLoopDriver(const TLoopDriver&) = delete;
  TLoopDriver& operator=(const TLoopDriver&) = delete;

 private:
  static TLoopDriver*& Current() {
    static TLoopDriver* current = nullptr;
    return current;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TLoopDriver* d = Current();
    if (!d || d->done_) return;
    d->done_ = d->step_() || ++d->ticks_ > 200;
  }
  std::function<bool()> step_;
  UINT_PTR timer_ = 0;
  int ticks_ = 0;
  bool done_ = false;
};

HWND VisibleMenuWindow() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        if (testing::ClassOf(w) == L"#32768" && IsWindowVisible(w)) {
          *reinterpret_cast<HWND*>(p) = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  if (!found) found = FindWindowW(L"#32768", nullptr);
  return found && IsWindowVisible(found) ? found : nullptr;
}

int Hilited(HMENU menu) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
  }
  return -1;
}

void Key(HWND window, WPARAM key) { PostMessageW(window, WM_KEYDOWN, key, 0); }

// Every pixel of a window as WM_PRINT gives it.
TBitmap PrintWindowPixels(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  TDibSection dib(r.right - r.left, r.bottom - r.top);
  TMemoryDC dc(nullptr);
  TSelectObject keep(dc.Get(), dib.Handle());
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc.Get()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  return dib.ToBitmap();
}

// What the screen shows of a window.
TBitmap ScreenPixels(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  TDibSection dib(r.right - r.left, r.bottom - r.top);
  TMemoryDC dc(nullptr);
  TSelectObject keep(dc.Get(), dib.Handle());
  TWindowDC screen(nullptr);
  BitBlt(dc.Get(), 0, 0, r.right - r.left, r.bottom - r.top, screen.Get(), r.left, r.top, SRCCOPY);
  GdiFlush();
  return dib.ToBitmap();
}

class MenuSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    main = std::make_unique<TForm1>(nullptr);
    main->Show();
    manager = TSkinManage::Current();
    ASSERT_TRUE(PumpUntil([&] {
      const TWinSkinForm* f = manager->FindFormSkinner(main->Handle());
      return f && f->State() == fsRunning;
    }));
    OpenPage("menus.txt");
  }
  void OpenPage(const char* file) {
    page = std::make_unique<TForm>(nullptr);
    ReadComponentText(*page, ReadText(file));
    page->Show();
    SetForegroundWindow(page->Handle());
    ASSERT_TRUE(PumpUntil([&] {
      const TWinSkinForm* f = manager->FindFormSkinner(page->Handle());
      return f && f->State() == fsRunning && f->SkinMenu();
    }));
    frame = manager->FindFormSkinner(page->Handle());
    PumpPending();
  }
  void TearDown() override {
    page.reset();
    main.reset();
    PumpPending();
  }
  template <class T = TMenuItem>
  T& Find(const char* name) {
    auto* found = dynamic_cast<T*>(page->FindComponent(name));
    if (!found) throw std::runtime_error(std::string("the test form has no ") + name);
    return *found;
  }
  TMenuItem& Item(const char* name) { return Find(name); }
  TWinSkinMenu& Bar() { return *frame->SkinMenu(); }
  // Opens bar item `index` by the 0x3518 message at its cell, while `step` runs in the loop.
  void OpenByMessage(std::size_t index, std::function<bool()> step) {
    RECT window{};
    GetWindowRect(page->Handle(), &window);
    const TRect cell = Bar().Items()[index].Bounds;
    TLoopDriver driver(std::move(step));
    SendMessageW(page->Handle(), kMsgMenuBarClick, 0,
                 MAKELPARAM(window.left + cell.Left + 2, window.top + cell.Top + 2));
  }

  std::unique_ptr<TForm1> main;
  std::unique_ptr<TForm> page;
  TSkinManage* manager = nullptr;
  TWinSkinForm* frame = nullptr;
};

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

TEST_F(MenuSkinTest, PopupWindowBorderComesFromTheSkin) {
  const TDataSkinObject& back = *main->SkinData1->Skin().MenuBackground;
  TBitmap printed;
  TBitmap shown;
  RECT windowRect{};
  POINT clientOrigin{};
  OpenByMessage(0, [&] {
    HWND menu = VisibleMenuWindow();
    if (!menu) return false;
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

class MenuSkinRtlTest : public MenuSkinTest {
 protected:
  void SetUp() override {
    Application().Initialize();
    main = std::make_unique<TForm1>(nullptr);
    main->Show();
    manager = TSkinManage::Current();
    ASSERT_TRUE(PumpUntil([&] {
      const TWinSkinForm* f = manager->FindFormSkinner(main->Handle());
      return f && f->State() == fsRunning;
    }));
    OpenPage("menus_rtl.txt");
  }
};

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
}  // namespace varnelta

namespace varnelta {
namespace {

// Pictures to look at (written only when VARNELTA_MENU_SHOTS names a folder): the bar active and
// inactive, an open drop-down, the system menu.
TEST_F(MenuSkinTest, ShotsToLookAt) {
  const char* folder = std::getenv("VARNELTA_MENU_SHOTS");
  if (!folder) GTEST_SKIP() << "VARNELTA_MENU_SHOTS is not set";
  const std::string dir(folder);
  RECT window{};
  GetWindowRect(page->Handle(), &window);
  auto desk = [&](const RECT& r) {
    TDibSection dib(r.right - r.left, r.bottom - r.top);
    TMemoryDC dc(nullptr);
    TSelectObject keep(dc.Get(), dib.Handle());
    TWindowDC screen(nullptr);
    BitBlt(dc.Get(), 0, 0, r.right - r.left, r.bottom - r.top, screen.Get(), r.left, r.top, SRCCOPY);
    GdiFlush();
    return dib.ToBitmap();
  };
  ScreenPixels(page->Handle()).SaveToFile(dir + "/bar_active.bmp");
  SetForegroundWindow(main->Handle());
  PumpUntil([] { return false; }, 300);
  ScreenPixels(page->Handle()).SaveToFile(dir + "/bar_inactive.bmp");
  SetForegroundWindow(page->Handle());
  PumpUntil([] { return false; }, 300);
  int ticks = 0;
  OpenByMessage(1, [&] {
    HWND menu = VisibleMenuWindow();
    if (!menu || ++ticks < 4) return false;
    if (ticks == 4) {
      Key(menu, VK_DOWN);
      Key(menu, VK_DOWN);
      return false;
    }
    RECT r{window.left, window.top, window.right + 150, window.bottom + 150};
    desk(r).SaveToFile(dir + "/dropdown.bmp");
    Key(menu, VK_ESCAPE);
    return true;
  });
  PumpPending();
  ticks = 0;
  TLoopDriver driver([&] {
    HWND menu = VisibleMenuWindow();
    if (!menu || ++ticks < 4) return false;
    RECT r{};
    GetWindowRect(menu, &r);
    desk(r).SaveToFile(dir + "/system_menu.bmp");
    Key(menu, VK_ESCAPE);
    return true;
  });
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  PumpPending();
}

TEST_F(MenuSkinRtlTest, ShotsToLookAt) {
  const char* folder = std::getenv("VARNELTA_MENU_SHOTS");
  if (!folder) GTEST_SKIP() << "VARNELTA_MENU_SHOTS is not set";
  int ticks = 0;
  RECT window{};
  GetWindowRect(page->Handle(), &window);
  OpenByMessage(0, [&] {
    HWND menu = VisibleMenuWindow();
    if (!menu || ++ticks < 10) return false;
    RECT r{window.left - 150, window.top, window.right, window.bottom + 150};
    TDibSection dib(r.right - r.left, r.bottom - r.top);
    TMemoryDC dc(nullptr);
    TSelectObject keep(dc.Get(), dib.Handle());
    TWindowDC screen(nullptr);
    BitBlt(dc.Get(), 0, 0, r.right - r.left, r.bottom - r.top, screen.Get(), r.left, r.top, SRCCOPY);
    GdiFlush();
    dib.ToBitmap().SaveToFile(std::string(folder) + "/rtl_dropdown.bmp");
    Key(menu, VK_ESCAPE);
    return true;
  });
}

}  // namespace
}  // namespace varnelta

namespace varnelta {
namespace {

double Now() {
  LARGE_INTEGER f{}, c{};
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1e6 / static_cast<double>(f.QuadPart);
}

// Figures (printed only when VARNELTA_MENU_TIMING is set; nothing is asserted on time).
TEST_F(MenuSkinTest, TimingFigures) {
  if (!std::getenv("VARNELTA_MENU_TIMING")) GTEST_SKIP() << "VARNELTA_MENU_TIMING is not set";
  TWindowDC dc(page->Handle(), true);
  const TRect strip = Bar().BarRect();
  constexpr int kRounds = 500;
  double start = Now();
  for (int i = 0; i < kRounds; ++i) Bar().PaintBar(dc.Get(), strip, true, false);
  std::printf("PaintBar: %.1f us\n", (Now() - start) / kRounds);

  TMenuPaintContext context{main->SkinData1, manager, 96};
  TMenuItemLook look = LookOf(Item("CopyItem"));
  RECT r{0, 0, 180, 20};
  TDibSection target(200, 40);
  TMemoryDC memory(nullptr);
  TSelectObject keep(memory.Get(), target.Handle());
  start = Now();
  for (int i = 0; i < kRounds; ++i) DrawMenuItem(context, look, memory.Get(), (i & 1) != 0, r);
  std::printf("DrawMenuItem: %.1f us per item\n", (Now() - start) / kRounds);

  // A popup menu of 30 items: its non-client paint, through WM_PRINT of the whole window.
  TPopupMenu& popup = Find<TPopupMenu>("PopupMenu1");
  for (int i = 0; i < 26; ++i) {
    auto* extra = new TMenuItem(page.get());
    extra->SetCaption(L"项目 " + std::to_wstring(i));
    popup.Items()->Add(extra);
  }
  double ncPaint = 0;
  TLoopDriver driver([&] {
    HWND menu = VisibleMenuWindow();
    if (!menu) return false;
    RECT w{};
    GetWindowRect(menu, &w);
    const double t0 = Now();
    for (int i = 0; i < 50; ++i) SendMessageW(menu, WM_NCPAINT, 1, 0);
    ncPaint = (Now() - t0) / 50;
    Key(menu, VK_ESCAPE);
    return true;
  });
  popup.Popup(200, 100);
  PumpPending();
  std::printf("popup non-client paint (30 items): %.1f us\n", ncPaint);

  // Click to drop-down visible: from the 0x3518 message to the menu window shown (median of 100).
  std::vector<double> delays;
  RECT window{};
  GetWindowRect(page->Handle(), &window);
  const TRect cell = Bar().Items()[0].Bounds;
  for (int i = 0; i < 100; ++i) {
    double sent = 0;
    TLoopDriver close([&] {
      HWND menu = VisibleMenuWindow();
      if (!menu) return false;
      Key(menu, VK_ESCAPE);
      return true;
    });
    // The drop-down is visible once its first item has been drawn.
    static double* shown = nullptr;
    double visibleAt = 0;
    shown = &visibleAt;
    HHOOK hook = SetWindowsHookExW(
        WH_CALLWNDPROCRET,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
          const auto* ret = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
          if (code == HC_ACTION && ret && ret->message == WM_DRAWITEM && *shown == 0) *shown = Now();
          return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    sent = Now();
    SendMessageW(page->Handle(), kMsgMenuBarClick, 0, MAKELPARAM(window.left + cell.Left + 2, window.top + cell.Top + 2));
    if (hook) UnhookWindowsHookEx(hook);
    if (visibleAt > 0) delays.push_back(visibleAt - sent);
    PumpPending();
  }
  std::sort(delays.begin(), delays.end());
  if (!delays.empty()) std::printf("click to drop-down visible: median %.0f us (%zu samples)\n", delays[delays.size() / 2], delays.size());
}

}  // namespace
}  // namespace varnelta
