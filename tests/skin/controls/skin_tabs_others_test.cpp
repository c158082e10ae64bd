// The tab, header, date picker, media player, size box and picture page skinners on the
// gallery's Lists and Others pages, and skinning switched off and on again.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "runtime/date_picker.h"
#include "runtime/dib_section.h"
#include "runtime/handle_count.h"
#include "runtime/list_controls.h"
#include "runtime/stand_in_controls.h"
#include "runtime/tab_controls.h"
#include "skin/controls/skin_adv_page.h"
#include "skin/controls/skin_date_time.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_mp.h"
#include "skin/controls/skin_sizer.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_tab31.h"
#include "skin/controls/skin_tab_btn.h"
#include "skin/controls/skin_tab_sheet.h"
#include "skin/controls/skinner_registry.h"
#include "skin/controls/tab_geometry.h"
#include "skin/data/img_util.h"
#include "tests/common/child_run.h"
#include "tests/skin/controls/gallery_page_test_util.h"

namespace varnelta {
namespace {

using testing::GalleryPageTest;
using testing::PaintedPixels;
using testing::PumpPending;
using testing::PumpUntil;
using testing::Ref;

TRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

class ListsPageTest : public GalleryPageTest {
 protected:
  void SetUp() override {
    GalleryPageTest::SetUp();
    std::vector<std::wstring> rows = form->SkinData1->Skin3rdRows();
    rows.push_back(L"TTabPictureControl=advpagecontrol");
    form->SkinData1->SetSkin3rdRows(rows);
    LoadPage("lists.txt");
  }
};

TEST_F(ListsPageTest, TabsOnEverySideShowTheFocusedTabFromFrameTwoOfTheTurnedPicture) {
  const TDataSkinBorder& tabs = *Skin().Tabs;
  const struct {
    const char* name;
    int side;
  } rows[] = {{"PagesTop", tabTop}, {"PagesBottom", tabBottom}, {"PagesLeft", tabLeft}, {"PagesRight", tabRight}};
  for (const auto& row : rows) {
    auto* s = PageSkinner<TSkinTab>(row.name);
    ASSERT_NE(s, nullptr) << row.name;
    EXPECT_EQ(s->FTabPosition, row.side) << row.name;
    EXPECT_EQ(s->FKind, 2) << row.name;  // a page control's tabs
    HWND window = HandleOf(row.name);
    const TBitmap pixels = PaintedPixels(window);
    ASSERT_EQ(SendMessageW(window, TCM_GETCURFOCUS, 0, 0), 0);
    RECT item{};
    ASSERT_TRUE(SendMessageW(window, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)));
    TBitmap picture = tabs.Image;
    if (row.side == tabBottom) FlipBitmap(picture);
    int cx = 0, cy = 0;
    const int h = picture.Height();
    if (row.side == tabBottom) {
      // Bottom tabs overlap the pane at their top: their far (bottom) corner is compared.
      FlipBitmap(picture);
      ASSERT_TRUE(testing::OpaqueCornerPixel(picture, 5, 2, 2, cx, cy)) << row.name;
      FlipBitmap(picture);
      cy = h - 1 - cy;
    } else {
      ASSERT_TRUE(testing::OpaqueCornerPixel(picture, 5, 2, 5, cx, cy)) << row.name;
    }
    const std::uint32_t expected = picture.Colour(picture.Width() / 5 + cx, cy);
    const TRect strip = FromRect(s->LastStrip()), display = FromRect(s->LastDisplay());
    const TRect inBuffer = TabInBuffer(FromRect(item), strip, display, row.side);
    // The buffer point, turned into place as the strip is.
    const int bx = inBuffer.Left + cx;
    const int by = row.side == tabBottom ? inBuffer.Bottom - (h - cy) : inBuffer.Top + cy;
    const TPoint size = TabBufferSize(strip, row.side);
    TPoint at{strip.Left + bx, strip.Top + by};
    if (row.side == tabLeft) at = {strip.Left + by, strip.Top + size.X - 1 - bx};
    if (row.side == tabRight) at = {strip.Left + size.Y - 1 - by, strip.Top + bx};
    EXPECT_EQ(pixels.Colour(at.X, at.Y), expected) << row.name << " at " << at.X << ", " << at.Y;
  }
}

TEST_F(ListsPageTest, PagesGetTheirSkinnersAndButtonTabsTheButtonSkinner) {
  EXPECT_NE(PageSkinner<TSkinTabBtn>("PagesButtons"), nullptr);
  EXPECT_NE(PageSkinner<TSkinTab>("TabsPlain"), nullptr);
  EXPECT_NE(PageSkinner<TSkinTabSheet>("PagesTopSheet1"), nullptr);
  EXPECT_NE(PageSkinner<TSkinTab31>("TabSetOn"), nullptr);
  // The sheet shows the face colour.
  RedrawWindow(HandleOf("PagesTopSheet1"), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  const TBitmap shown = testing::ScreenPixels(HandleOf("PagesTopSheet1"));
  EXPECT_EQ(shown.Colour(shown.Width() / 2, shown.Height() / 2), ColorToRGB(Skin().Colours[kColourButtonFace]));
}

TEST_F(ListsPageTest, PicturePageGetsBothTabPicturesBuiltFromTheSkin) {
  auto* control = Find<TTabPictureControl>("TabPictures");
  auto* s = PageSkinner<TSkinAdvPage>("TabPictures");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->FMode, 4);
  EXPECT_EQ(control->TabBackGround()->Width(), 100);
  EXPECT_EQ(control->TabBackGround()->Height(), 21);
  EXPECT_EQ(control->TabBackGroundActive()->Width(), 100);
  s->Unhook();
  s->Detach();
  EXPECT_TRUE(control->TabBackGround()->Empty());
  EXPECT_TRUE(control->TabBackGroundActive()->Empty());
}

// Answers the close message of the tab skinner as a program would.
struct CloseAnswer {
  LRESULT answer = 0;
  int calls = 0;
  WPARAM tabControl = 0;
  LPARAM index = -1;
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    if (m == kMsgCloseTab) {
      auto* me = reinterpret_cast<CloseAnswer*>(self);
      ++me->calls;
      me->tabControl = wp;
      me->index = lp;
      if (me->answer != 0) return me->answer;
    }
    return DefSubclassProc(w, m, wp, lp);
  }
};

TEST_F(ListsPageTest, CloseBoxesAskTheFrameAndFreeThePageOnlyWhenUnanswered) {
  auto* pages = Find<TPageControl>("PagesClose");
  auto* s = PageSkinner<TSkinTab>("PagesClose");
  ASSERT_NE(s, nullptr);
  EXPECT_TRUE(s->FCloseButtons);
  EXPECT_FALSE(PageSkinner<TSkinTab>("PagesTop")->FCloseButtons);
  HWND window = HandleOf("PagesClose");
  const TBitmap pixels = PaintedPixels(window);
  ASSERT_EQ(s->FCloseRects.size(), 3u);
  RECT item{};
  // The first tab: three do not fit, and the strip's up-down covers the right end.
  SendMessageW(window, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const TRect box = TabCloseBox(TabInBuffer(FromRect(item), FromRect(s->LastStrip()), FromRect(s->LastDisplay()), tabTop));
  EXPECT_EQ(FromRect(s->FCloseRects[0]), box);
  EXPECT_EQ(box.Left, item.right - 8);
  // The box's left side (buffer rows are one below the window's for top tabs).
  EXPECT_EQ(pixels.Colour(box.Left, box.Top + 1), ColorToRGB(Skin().Colours[kColourButtonShadow]));
  // The tabs make room for their boxes: half a box and two pixels more on each side of the text
  // than a tab of the same caption without one, given back when the skinner lets go.
  const auto tabWidth = [](HWND w, int i) {
    RECT r{};
    SendMessageW(w, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return r.right - r.left;
  };
  HWND plain = HandleOf("PagesTop");
  EXPECT_EQ(tabWidth(window, 0), tabWidth(plain, 0) + 10);

  CloseAnswer answer;
  answer.answer = 1;
  SetWindowSubclass(page->Handle(), CloseAnswer::Proc, 78, reinterpret_cast<DWORD_PTR>(&answer));
  const LPARAM click = MAKELPARAM(box.Left + 2, box.Top + 2 - 1);  // window y = buffer y - 1 for top tabs
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, click);
  EXPECT_EQ(answer.calls, 1);
  EXPECT_EQ(answer.tabControl, reinterpret_cast<WPARAM>(window));
  EXPECT_EQ(answer.index, 0);
  EXPECT_EQ(pages->PageCount(), 3);  // kept

  answer.answer = 0;
  HWND sheet = pages->Pages(0)->Handle();
  const long windows = HandleCounter::Live(THandleKind::Window);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, click);
  PumpPending();
  EXPECT_EQ(answer.calls, 2);
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(page->FindComponent("PagesCloseSheet1"), nullptr);
  EXPECT_FALSE(IsWindow(sheet));
  EXPECT_EQ(HandleCounter::Live(THandleKind::Window), windows - 1);
  EXPECT_EQ(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0), 2);
  RemoveWindowSubclass(page->Handle(), CloseAnswer::Proc, 78);
  s->Detach();
  EXPECT_EQ(tabWidth(window, 0), tabWidth(plain, 1));
}

// The Lists page in a child process started at 144 DPI.
constexpr const char* kDpiChild = "VARNELTA_LISTS_AT_144_DPI";

class ListsPageAt144Dpi : public ListsPageTest {
 protected:
  void SetUp() override {
    if (!std::getenv(kDpiChild)) GTEST_SKIP() << "runs as a child of another test";
    ListsPageTest::SetUp();
  }
};

TEST(ListsPageDpi, CloseBoxesAndTheRoomForThemGrowWithTheScreen) {
  testing::TRegistrySetting dpi(L"Control Panel\\Desktop", L"LogPixels", DWORD{144});
  EXPECT_EQ(testing::RunChild(L"ListsPageAt144Dpi.CloseBoxes", {{kDpiChild, "1"}}), 0u)
      << "the child's checks failed (its output is above)";
}

TEST_F(ListsPageAt144Dpi, CloseBoxes) {
  ASSERT_EQ(Screen().PixelsPerInch(), 144);
  auto* s = PageSkinner<TSkinTab>("PagesClose");
  ASSERT_NE(s, nullptr);
  HWND window = HandleOf("PagesClose");
  PaintedPixels(window);
  ASSERT_FALSE(s->FCloseRects.empty());
  RECT item{};
  SendMessageW(window, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const TRect tab = TabInBuffer(FromRect(item), FromRect(s->LastStrip()), FromRect(s->LastDisplay()), tabTop);
  // 8 and 2 pixels at 96 DPI: 12 and 3.
  EXPECT_EQ(FromRect(s->FCloseRects[0]), (TRect{tab.Right - 12, tab.Top + 3, tab.Right - 3, tab.Top + 12}));
  RECT plain{};
  SendMessageW(HandleOf("PagesTop"), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&plain));
  EXPECT_EQ(item.right - item.left, plain.right - plain.left + 16);
  EXPECT_EQ(item.bottom - item.top, plain.bottom - plain.top);
}

TEST_F(ListsPageTest, HeaderFollowsTheHotItemAndListViewHeadersCanBeSkinned) {
  HWND header = HandleOf("HeaderOn");
  auto* s = PageSkinner<TSkinHeader>("HeaderOn");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->FHotItem, -1);
  RECT item{};
  SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const int x = (item.left + item.right) / 2, y = (item.top + item.bottom) / 2;
  const TBitmap before = PaintedPixels(header);
  SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  EXPECT_EQ(s->FHotItem, 1);
  const TBitmap hot = PaintedPixels(header);
  int changed = 0;
  for (int px = item.left; px < item.right; ++px) changed += before.Colour(px, 1) != hot.Colour(px, 1);
  EXPECT_GT(changed, 0);
  SendMessageW(header, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(s->FHotItem, -1);
  // The list view's skinner makes its header's skinner by name.
  HWND listHeader = Find<TListView>("ListViewOn")->HeaderHandle();
  ASSERT_NE(listHeader, nullptr);
  std::unique_ptr<TSkinControl> made = CreateSkinner("TSkinHeader");
  ASSERT_NE(made, nullptr);
  made->Start(PageFrame(), form->SkinData1, nullptr, listHeader, false, nullptr);
  EXPECT_EQ(SendMessageW(listHeader, 0x3523, 0, 0), 1);
  const TBitmap pixels = PaintedPixels(listHeader);
  EXPECT_EQ(Ref(dynamic_cast<TSkinHeader*>(made.get())).FItemRects.size(), 3u);
  (void)pixels;
  made->Unhook();
}

class OthersPageTest : public GalleryPageTest {
 protected:
  void SetUp() override {
    GalleryPageTest::SetUp();
    LoadPage("others.txt");
  }
};

TEST_F(OthersPageTest, DatePickerArrowIsCellOneThenFourWhenHotAndAClickDropsTheCalendar) {
  auto* s = PageSkinner<TSkinDateTime>("DatePicker");
  ASSERT_NE(s, nullptr);
  ASSERT_NE(s->FArrowButton, nullptr);
  HWND arrow = s->FArrowButton->Handle();
  ASSERT_TRUE(IsWindow(arrow));
  EXPECT_EQ(GetParent(arrow), HandleOf("DatePicker"));
  EXPECT_TRUE(GetWindowLongPtrW(HandleOf("DatePicker"), GWL_STYLE) & WS_CLIPCHILDREN);
  RedrawWindow(arrow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(s->FArrowButton->LastCell(), 1);
  SendMessageW(arrow, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  RedrawWindow(arrow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(s->FArrowButton->LastCell(), 4);
  // Not hot on a disabled picker.
  auto& off = Ref(Ref(PageSkinner<TSkinDateTime>("DatePickerOff")).FArrowButton);
  SendMessageW(off.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_FALSE(off.FHot);
  // A press drops the calendar, which stays unskinned.
  SendMessageW(arrow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  auto& picker = Ref(Find<TDateTimePicker>("DatePicker"));
  EXPECT_TRUE(PumpUntil([&] { return picker.DroppedDown(); }, 3000));
  HWND calendar = reinterpret_cast<HWND>(SendMessageW(picker.Handle(), DTM_GETMONTHCAL, 0, 0));
  if (calendar) {
    EXPECT_NE(SendMessageW(calendar, 0x3523, 0, 0), 1);
    SendMessageW(picker.Handle(), DTM_FIRST + 13, 0, 0);  // close the calendar
  }
  PumpPending();
}

TEST_F(OthersPageTest, MediaPlayerPanelCoversThePlayerWithAGlyphPerButtonState) {
  auto* s = PageSkinner<TSkinMP>("MediaPlayer");
  ASSERT_NE(s, nullptr);
  ASSERT_NE(s->FPanel, nullptr);
  auto& player = Ref(Find<TMediaPlayer>("MediaPlayer"));
  EXPECT_EQ(s->FPanel->BoundsRect(), player.BoundsRect());
  EXPECT_TRUE(IsWindowVisible(s->FPanel->Handle()));
  EXPECT_EQ(s->FPanel->PrefixOf(btPlay), L"CL");
  auto& some = Ref(Ref(PageSkinner<TSkinMP>("MediaPlayerSome")).FPanel);
  EXPECT_EQ(some.PrefixOf(btPause), L"DI");  // visible, not enabled
  EXPECT_EQ(some.PrefixOf(btStep), L"");     // not visible
  EXPECT_EQ(Ref(Ref(PageSkinner<TSkinMP>("MediaPlayerOff")).FPanel).PrefixOf(btPlay), L"DI");
  for (const wchar_t* prefix : {L"EN", L"DI", L"CL"}) {
    for (int i = 0; i < kMediaButtonCount; ++i) {
      EXPECT_NE(FindResourceW(GetModuleHandleW(nullptr), TWMediaPlayer::ResourceName(prefix, i).c_str(), RT_BITMAP),
                nullptr)
          << i;
    }
  }
  // The play glyph is drawn in the first slot.
  RedrawWindow(s->FPanel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  const TBitmap pixels = testing::ScreenPixels(s->FPanel->Handle());
  HBITMAP glyph = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), L"CL_MPPLAY", IMAGE_BITMAP, 0, 0, 0));
  ASSERT_NE(glyph, nullptr);
  BITMAP info{};
  GetObjectW(glyph, sizeof(info), &info);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, glyph);
  // Its first opaque pixel, and a magenta one, which shows the panel's face instead.
  int ox = -1, oy = -1, mx = -1, my = -1;
  for (int y = 0; y < info.bmHeight; ++y) {
    for (int x = 0; x < info.bmWidth; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      if (c != 0xFF00FF && ox < 0) {
        ox = x;
        oy = y;
      }
      if (c == 0xFF00FF && mx < 0) {
        mx = x;
        my = y;
      }
    }
  }
  const COLORREF opaque = ox >= 0 ? GetPixel(dc, ox, oy) : 0;
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(glyph);
  ASSERT_GE(ox, 0);
  const int left = (s->FPanel->FButtonWidth - info.bmWidth) / 2, top = (pixels.Height() - info.bmHeight) / 2;
  EXPECT_EQ(pixels.Colour(left + ox, top + oy), opaque);
  if (mx >= 0) {
    EXPECT_EQ(pixels.Colour(left + mx, top + my), ColorToRGB(Skin().Colours[kColourButtonFace]));
  }
  // Moving the player moves the panel.
  player.SetBounds(8, 200, 253, 30);
  PumpPending();
  EXPECT_EQ(s->FPanel->Top(), 200);
}

TEST_F(OthersPageTest, SizeBoxGetsTheSizerAndTheFaceColour) {
  HWND grip = CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEBOX | SBS_SIZEGRIP, 500, 300, 17,
                              17, page->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  PumpPending();
  TSkinSizer* s = nullptr;
  for (const auto& skinner : PageFrame()->Controls()) {
    if (skinner->Handle() == grip) s = dynamic_cast<TSkinSizer*>(skinner.get());
  }
  ASSERT_NE(s, nullptr);
  RedrawWindow(grip, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  const TBitmap pixels = testing::ScreenPixels(grip);
  EXPECT_EQ(pixels.Colour(8, 8), ColorToRGB(Skin().Colours[kColourButtonFace]));
  DestroyWindow(grip);
}

TEST_F(OthersPageTest, SkinningOffAndOnAHundredTimesLeavesHandleCountsFlat) {
  HWND box = HandleOf("DatePicker");
  auto counts = [] {
    std::vector<long> c;
    for (int k = 0; k < static_cast<int>(THandleKind::Count); ++k) c.push_back(HandleCounter::Live(static_cast<THandleKind>(k)));
    c.push_back(TDibSection::LiveCount());
    return c;
  };
  // Each switch's deferred action is run at once rather than on the manager's next tick.
  auto cycle = [&] {
    form->SkinData1->SetActive(false);
    manager->RunPendingAction();
    EXPECT_TRUE(PumpUntil([&] { return SendMessageW(box, 0x3523, 0, 0) != 1; }));
    form->SkinData1->SetActive(true);
    manager->RunPendingAction();
    EXPECT_TRUE(PumpUntil([&] { return PageSkinner<TSkinDateTime>("DatePicker") != nullptr; }));
    PumpPending();
  };
  // Counted with the manager settled: its tick's timer stopped.
  const auto settled = [&] {
    EXPECT_TRUE(PumpUntil([&] { return !manager->TimerRunning(); }));
    return counts();
  };
  cycle();
  const std::vector<long> before = settled();
  for (int i = 0; i < 100; ++i) cycle();
  EXPECT_EQ(settled(), before);
  EXPECT_NE(PageSkinner<TSkinMP>("MediaPlayer"), nullptr);
}

}  // namespace
}  // namespace varnelta
