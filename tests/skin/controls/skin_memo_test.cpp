// The memo skinner under the window system: the two-ring border, the overlays over the native
// scroll bars (placed exactly, hidden with the bar, never in the Tab order), scrolling handed to
// the native bar, the corner between two bars, a re-created memo skinned again, and a system
// without scroll bar information.
#include <gtest/gtest.h>

#include "runtime/std_controls.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_scrollbar_h.h"
#include "skin/data/win32/skin_platform.h"
#include "tests/skin/controls/control_test_util.h"

namespace varnelta {
namespace {

using testing::MainWindowTest;
using testing::PumpPending;
using testing::PumpUntil;
using testing::ScreenPixels;

class SkinMemoTest : public MainWindowTest {
 protected:
  // Memo1 with both scroll bars and 100 lines, skinned again after its window was re-created.
  TSkinScrollbar* MemoWithBars(TScrollStyle bars) {
    form->Memo1->SetScrollBars(bars);
    form->Memo1->SetWordWrap(false);
    std::vector<std::wstring> lines;
    for (int i = 0; i < 100; ++i) lines.push_back(L"第" + std::to_wstring(i) + L"行 " + std::wstring(120, L'x'));
    form->Memo1->SetLines(lines);
    TSkinScrollbar* s = nullptr;
    PumpUntil([&] { return (s = SkinnerOf<TSkinScrollbar>(form->Memo1->Handle())) != nullptr; });
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    return s;
  }
  static RECT NativeBar(HWND window, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(window, object, &info);
    return info.rcScrollBar;
  }
  static RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }
};

TEST_F(SkinMemoTest, BothMemosAreSkinnedWithTwoHiddenToolWindowOverlaysOutOfTheTabOrder) {
  for (TMemo* memo : {form->Memo1, form->Memo2}) {
    auto* s = SkinnerOf<TSkinScrollbar>(memo->Handle());
    ASSERT_NE(s, nullptr) << memo->Name();
    EXPECT_EQ(SendMessageW(memo->Handle(), 0x3523, 0, 0), 1);
    for (TWScrollbar* bar : {s->HorzBar(), s->VertBar()}) {
      ASSERT_NE(bar, nullptr);
      EXPECT_FALSE(IsWindowVisible(bar->Handle()));
      EXPECT_TRUE(GetWindowLongW(bar->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
      EXPECT_FALSE(GetWindowLongW(bar->Handle(), GWL_STYLE) & WS_TABSTOP);
    }
  }
  // Tab from the last control goes round the form's own controls only.
  HWND walk = form->Button1->Handle();
  for (int i = 0; i < 12; ++i) {
    walk = GetNextDlgTabItem(form->Handle(), walk, FALSE);
    EXPECT_NE(testing::ClassOf(walk), L"VarneltaScrollOverlay");
  }
}

TEST_F(SkinMemoTest, BorderRingsAreShadowThenFace) {
  HWND memo = form->Memo2->Handle();
  RedrawWindow(memo, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  const TBitmap pixels = ScreenPixels(memo);
  const TColor shadow = ColorToRGB(Skin().Colours[kColourButtonShadow]);
  const TColor face = ColorToRGB(Skin().Colours[kColourButtonFace]);
  const int w = pixels.Width(), h = pixels.Height();
  for (const auto& [x, y] : std::initializer_list<std::pair<int, int>>{{0, 0}, {w / 2, 0}, {0, h / 2}, {w - 1, h - 1}}) {
    EXPECT_EQ(pixels.Colour(x, y), shadow) << x << "," << y;
  }
  for (const auto& [x, y] : std::initializer_list<std::pair<int, int>>{{1, 1}, {w / 2, 1}, {1, h / 2}, {w - 2, h - 2}}) {
    EXPECT_EQ(pixels.Colour(x, y), face) << x << "," << y;
  }
}

TEST_F(SkinMemoTest, OverlaysLieExactlyOverTheNativeBarsAndTheCornerIsFilled) {
  TSkinScrollbar* s = MemoWithBars(ssBoth);
  ASSERT_NE(s, nullptr);
  HWND memo = form->Memo1->Handle();
  ASSERT_TRUE(IsWindowVisible(s->VertBar()->Handle()));
  ASSERT_TRUE(IsWindowVisible(s->HorzBar()->Handle()));
  for (const auto& [bar, object] : {std::pair{s->VertBar(), OBJID_VSCROLL}, std::pair{s->HorzBar(), OBJID_HSCROLL}}) {
    const RECT overlay = ScreenRect(bar->Handle()), native = NativeBar(memo, object);
    EXPECT_TRUE(EqualRect(&overlay, &native)) << object;
  }
  // Above the memo in z-order.
  HWND above = GetWindow(memo, GW_HWNDPREV);
  bool found = false;
  for (; above; above = GetWindow(above, GW_HWNDPREV)) found |= above == s->VertBar()->Handle();
  EXPECT_TRUE(found);
  const RECT v = NativeBar(memo, OBJID_VSCROLL), hz = NativeBar(memo, OBJID_HSCROLL);
  const RECT m = ScreenRect(memo);
  const TBitmap pixels = ScreenPixels(memo);
  EXPECT_EQ(pixels.Colour(v.left - m.left + 2, hz.top - m.top + 2), ColorToRGB(Skin().Colours[kColourButtonFace]));
}

TEST_F(SkinMemoTest, ArrowAndTrackPressesScrollNativelyThroughTheOverlay) {
  TSkinScrollbar* s = MemoWithBars(ssVertical);
  ASSERT_NE(s, nullptr);
  HWND memo = form->Memo1->Handle();
  HWND overlay = s->VertBar()->Handle();
  RECT r{};
  GetClientRect(overlay, &r);
  struct Case {
    const char* name;
    int y;
    int minimumMove;
  } cases[] = {{"second arrow", r.bottom - 3, 1}, {"track after the thumb", r.bottom - 30, 2}};
  for (const Case& c : cases) {
    const int before = GetScrollPos(memo, SB_VERT);
    // The native tracking loop ends at the release already waiting in the queue.
    PostMessageW(overlay, WM_LBUTTONUP, 0, MAKELPARAM(3, c.y));
    SendMessageW(overlay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, c.y));
    PumpPending();
    EXPECT_GE(GetScrollPos(memo, SB_VERT) - before, c.minimumMove) << c.name;
    EXPECT_EQ(GetCapture(), nullptr) << c.name;
  }
  // The thumb drawn where the native bar has it after the scroll.
  EXPECT_NE(s->VertBar()->Part(), 5);
}

TEST_F(SkinMemoTest, OverlayHidesWithTheBarAndRecreationKeepsFourOverlays) {
  TSkinScrollbar* s = MemoWithBars(ssVertical);
  ASSERT_NE(s, nullptr);
  HWND memo = form->Memo1->Handle();
  ShowScrollBar(memo, SB_VERT, FALSE);
  RedrawWindow(memo, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  EXPECT_FALSE(IsWindowVisible(s->VertBar()->Handle()));
  for (int i = 0; i < 20; ++i) {
    form->Memo1->SetWordWrap(i % 2 == 0);
    PumpPending();
  }
  ASSERT_TRUE(PumpUntil([&] { return SkinnerOf<TSkinScrollbar>(form->Memo1->Handle()) != nullptr; }));
  int overlays = 0;
  for (HWND w = GetWindow(form->Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    overlays += testing::ClassOf(w) == L"VarneltaScrollOverlay";
  }
  EXPECT_EQ(overlays, 4);
}

TEST_F(SkinMemoTest, PlainListBoxGetsAnOverlayOverItsBarThatScrollsNatively) {
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 320,
                              40, 160, 100, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int i = 0; i < 100; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(i).c_str()));
  TSkinScrollbarH s;
  s.Start(Frame(), form->SkinData1, nullptr, list, false, nullptr);
  ASSERT_EQ(s.State(), scsAttached);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  ASSERT_TRUE(IsWindowVisible(s.VertBar()->Handle()));
  EXPECT_FALSE(IsWindowVisible(s.HorzBar()->Handle()));
  const RECT overlay = ScreenRect(s.VertBar()->Handle()), native = NativeBar(list, OBJID_VSCROLL);
  EXPECT_TRUE(EqualRect(&overlay, &native));
  RECT r{};
  GetClientRect(s.VertBar()->Handle(), &r);
  PostMessageW(s.VertBar()->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, r.bottom - 3));
  SendMessageW(s.VertBar()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, r.bottom - 3));
  PumpPending();
  EXPECT_GE(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);
  s.Unhook();
  s.Detach();
  DestroyWindow(list);
}

// A system without GetScrollBarInfo.
class NoScrollInfo : public TSystemPlatform {
 public:
  bool HasScrollBarInfo() const override { return false; }
  BOOL GetScrollBarInfo(HWND, LONG, SCROLLBARINFO*) const override { return FALSE; }
};

TEST_F(SkinMemoTest, WithoutScrollBarInformationTheNativeBarsStayAndWork) {
  NoScrollInfo platform;
  SetSkinPlatform(&platform);
  TSkinScrollbar* s = MemoWithBars(ssVertical);
  ASSERT_NE(s, nullptr);
  EXPECT_FALSE(IsWindowVisible(s->VertBar()->Handle()));
  HWND memo = form->Memo1->Handle();
  // Uncovered, the native bar is drawn: its arrows and thumb are not all face.
  RedrawWindow(memo, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  RECT bar = NativeBar(memo, OBJID_VSCROLL);
  const RECT m = ScreenRect(memo);
  OffsetRect(&bar, -m.left, -m.top);
  EXPECT_GT(testing::PixelsOtherThan(ScreenPixels(memo), bar, ColorToRGB(Skin().Colours[kColourButtonFace])), 20);
  SendMessageW(memo, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(GetScrollPos(memo, SB_VERT), 1);
  SetSkinPlatform(nullptr);
}

}  // namespace
}  // namespace varnelta
