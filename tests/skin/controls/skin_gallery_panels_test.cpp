// The container and scroll-bar control skinners on the panels page of the gallery, read through
// the form reader: the dispatch gives each class its skinner; the common status bar shows its
// panels with their bevels and alignments (right-to-left swapping sides) and the simple text over
// a lowered edge; the group box caption sits 8 pixels from its side; a panel's colour comes back
// on detach; a scroll-bar control is covered by one overlay whose thumb follows the position; a
// list view gets its overlays and hands its header to a header skinner when one is registered.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "runtime/list_controls.h"
#include "runtime/panels.h"
#include "runtime/scroll_bar.h"
#include "runtime/status_bar.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/other_skinners.h"
#include "skin/controls/skin_list_view.h"
#include "skin/controls/skin_sc_control.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/controls/skinner_registry.h"
#include "skin/data/skin_types.h"
#include "tests/skin/controls/gallery_test_util.h"

namespace varnelta {
namespace {

using testing::GalleryPageTest;
using testing::PaintedPixels;
using testing::PumpPending;

class GalleryPanelsTest : public GalleryPageTest {
 protected:
  void SetUp() override {
    GalleryPageTest::SetUp();
    OpenPage("panels.txt");
  }
  // Pixels darker than the face inside a rectangle of a picture.
  static int DarkPixels(const TBitmap& pixels, const RECT& r) {
    int dark = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) dark += (pixels.Colour(x, y) & 0xFF) < 0x60;
    }
    return dark;
  }
};

TEST_F(GalleryPanelsTest, EachContainerClassReachesItsSkinner) {
  for (const char* name : {"PanelBar", "SimpleBar"}) {
    auto* bar = Find<TStatusBar>(name);
    EXPECT_NE(SkinnerFor<TSkinStatusBar>(bar), nullptr) << name;
    EXPECT_EQ(SendMessageW(bar->Handle(), 0x3523, 0, 0), 1) << name;
  }
  auto* panel = &Control<TPanel>("RaisedPanel");
  EXPECT_NE(SkinnerFor<TSkinBox>(panel), nullptr);
  EXPECT_EQ(SendMessageW(panel->Handle(), 0x3523, 0, 0), 0);  // recoloured, not hooked
  EXPECT_NE(SkinnerFor<TSkinGroupBox>(Find<TGroupBox>("LeftGroup")), nullptr);
  EXPECT_NE(SkinnerFor<TSkinScControl>(Find<TScrollBar>("HorzBar")), nullptr);
  EXPECT_NE(SkinnerFor<TSkinScControl>(Find<TScrollBar>("VertBar")), nullptr);
}

TEST_F(GalleryPanelsTest, StatusBarWindowHoldsThePanelsWithBevelsAndAlignments) {
  HWND bar = Control<TStatusBar>("PanelBar").Handle();
  ASSERT_EQ(SendMessageW(bar, SB_GETPARTS, 0, 0), 4);
  struct Case {
    int index;
    const wchar_t* text;
    WORD type;
  } cases[] = {{0, L"就绪", 0}, {1, L"\tCentre", SBT_POPOUT}, {2, L"右", SBT_RTLREADING}, {3, L"None", SBT_NOBORDERS}};
  for (const Case& c : cases) {
    wchar_t text[64] = {};
    const LRESULT got = SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(c.index), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, c.text) << c.index;  // right-aligned right-to-left text goes to the left
    EXPECT_EQ(HIWORD(got) & (SBT_POPOUT | SBT_NOBORDERS | SBT_RTLREADING), c.type) << c.index;
  }
  // Stored again, the panels are written once, inside their bar.
  const std::string written = WriteComponentText(*page);
  const auto first = written.find("object StatusPanel1: TStatusPanel");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(written.find("object StatusPanel1: TStatusPanel", first + 1), std::string::npos);
  EXPECT_LT(written.find("object PanelBar: TStatusBar"), first);
}

TEST_F(GalleryPanelsTest, SkinnedStatusBarsDrawCentredAndSwappedPanelTextAndSimpleText) {
  HWND bar = Control<TStatusBar>("PanelBar").Handle();
  const TBitmap pixels = PaintedPixels(bar);
  RECT centre{}, swapped{};
  SendMessageW(bar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&centre));
  SendMessageW(bar, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&swapped));
  const auto half = [](RECT r, bool left) {
    const int mid = (r.left + r.right) / 2;
    return left ? RECT{r.left + 2, r.top + 2, mid, r.bottom - 2} : RECT{mid, r.top + 2, r.right - 2, r.bottom - 2};
  };
  // "Centre" straddles the middle; the swapped panel's text is on its left.
  const RECT middle{(centre.left + centre.right) / 2 - 4, centre.top + 2, (centre.left + centre.right) / 2 + 4, centre.bottom - 2};
  EXPECT_GT(DarkPixels(pixels, middle), 3);
  EXPECT_LT(DarkPixels(pixels, {centre.left + 2, centre.top + 2, centre.left + 20, centre.bottom - 2}), 2);
  EXPECT_GT(DarkPixels(pixels, half(swapped, true)), 5);
  EXPECT_EQ(DarkPixels(pixels, half(swapped, false)), 0);

  HWND simple = Control<TStatusBar>("SimpleBar").Handle();
  EXPECT_NE(SendMessageW(simple, SB_ISSIMPLE, 0, 0), 0);
  const TBitmap s = PaintedPixels(simple);
  EXPECT_GT(DarkPixels(s, {2, 2, 120, s.Height() - 2}), 10);
}

TEST_F(GalleryPanelsTest, GroupBoxCaptionsSitEightPixelsFromTheirSide) {
  for (const auto& [name, right] : {std::pair{"LeftGroup", false}, {"RightGroup", true}}) {
    auto* box = Find<TGroupBox>(name);
    auto* s = &Skinner<TSkinGroupBox>(box);
    ASSERT_NE(s, nullptr) << name;
    EXPECT_EQ((GetWindowLongPtrW(box->Handle(), GWL_EXSTYLE) & WS_EX_RIGHT) != 0, right) << name;
    PaintedPixels(box->Handle());
    if (right) {
      EXPECT_EQ(s->CaptionRect().right, box->Width() - 8);
    } else {
      EXPECT_EQ(s->CaptionRect().left, 8);
    }
    EXPECT_GT(s->CaptionRect().right - s->CaptionRect().left, 10) << name;
  }
}

TEST_F(GalleryPanelsTest, PanelTakesTheFaceColourAndDetachGivesItsOwnBack) {
  auto* panel = &Control<TPanel>("LoweredPanel");
  auto* s = &Skinner<TSkinBox>(panel);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(panel->Color(), Skin().Colours[kColourButtonFace]);
  s->Detach();
  EXPECT_EQ(panel->Color(), clBtnFace);
  EXPECT_EQ(s->State(), scsDetached);
}

TEST_F(GalleryPanelsTest, ScrollBarControlOverlayCoversItAndItsThumbFollowsThePosition) {
  auto* control = &Control<TScrollBar>("HorzBar");
  auto* s = &Skinner<TSkinScControl>(control);
  ASSERT_NE(s, nullptr);
  TWScrollbar* overlay = s->Bar();
  ASSERT_NE(overlay, nullptr);
  ASSERT_TRUE(overlay->Visible());
  RECT bar{}, over{};
  GetWindowRect(control->Handle(), &bar);
  GetWindowRect(overlay->Handle(), &over);
  EXPECT_TRUE(EqualRect(&bar, &over));
  EXPECT_FALSE(overlay->Vertical());
  TWScrollbar* vertical = Skinner<TSkinScControl>(Find<TScrollBar>("VertBar")).Bar();
  ASSERT_NE(vertical, nullptr);
  EXPECT_TRUE(vertical->Vertical());
  const auto thumbNow = [&] {
    RedrawWindow(overlay->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return overlay->Thumb();
  };
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  const int length = bar.right - bar.left;
  const TThumbSpan at30 = thumbNow();
  EXPECT_EQ(at30, ScrollControlThumb(length, arrow, {0, 100, 20, 30}));
  // The keyboard moves the native position; the reflected notice reaches the control.
  int changes = 0;
  control->OnChange = TNotifyEvent{"", [&](TComponent*) { ++changes; }};
  SetFocus(control->Handle());
  SendMessageW(control->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(control->Position(), 31);
  EXPECT_EQ(changes, 1);
  control->SetPosition(81);  // the last position a page of 20 leaves
  EXPECT_EQ(thumbNow(), ScrollControlThumb(length, arrow, {0, 100, 20, 81}));
  EXPECT_GT(overlay->Thumb().Start, at30.Start);
  // A range of nothing puts the thumb at its first place.
  TWScrollbar* tiny = Skinner<TSkinScControl>(Find<TScrollBar>("TinyBar")).Bar();
  ASSERT_NE(tiny, nullptr);
  RedrawWindow(tiny->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(tiny->Thumb().Start, arrow);
  // The overlay is painted from the skin, not left blank.
  const TBitmap pixels = testing::ScreenPixels(overlay->Handle());
  int notFace = 0;
  const COLORREF face = ColorToRGB(Skin().Colours[kColourButtonFace]);
  for (int x = 0; x < pixels.Width(); ++x) notFace += pixels.Colour(x, pixels.Height() / 2) != face;
  EXPECT_GT(notFace, pixels.Width() / 4);
  // Beneath the overlay the control paints only the face: the native bar is never drawn.
  const TBitmap beneath = testing::PaintedPixels(control->Handle());
  EXPECT_EQ(testing::PixelsOtherThan(beneath, {0, 0, beneath.Width(), beneath.Height()}, face), 0);
}

// Stands in for the header skinner: attaches to the header by handle.
TEST_F(GalleryPanelsTest, ListViewGetsOverlaysAndItsHeaderOnlyWithAHeaderSkinner) {
  const auto dispatch = [&] {
    auto* list = new TListView(page.get());
    list->SetParent(page.get());
    list->SetBounds(300, 230, 240, 100);
    std::vector<std::wstring> rows;
    for (int i = 0; i < 100; ++i) rows.push_back(L"行 " + std::to_wstring(i));
    list->SetColumns({L"名称", L"大小"});
    list->SetItems(rows);
    TWinSkinForm* frame = PageFrame();
    if (!frame) throw std::runtime_error("the page is not skinned");
    manager->DispatchControl(*frame, *list, page.get());
    return list;
  };
  // Without a header skinner registered the header stays native.
  UnregisterSkinner("TSkinHeader");
  TListView* plain = dispatch();
  RegisterOtherSkinners();
  auto* s = &Skinner<TSkinListView>(plain);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Header(), nullptr);
  ASSERT_NE(s->VertBar(), nullptr);
  EXPECT_TRUE(s->VertBar()->Visible());
  EXPECT_FALSE(s->HorzBar()->Visible());

  TListView* withHeader = dispatch();
  auto* h = &Skinner<TSkinListView>(withHeader);
  ASSERT_NE(h, nullptr);
  ASSERT_NE(h->Header(), nullptr);
  HWND header = reinterpret_cast<HWND>(SendMessageW(withHeader->Handle(), LVM_GETHEADER, 0, 0));
  EXPECT_EQ(h->Header()->Handle(), header);
  EXPECT_EQ(SendMessageW(header, 0x3523, 0, 0), 1);
  delete withHeader;  // header, list view and overlays go; the skinners are left in state 6
  EXPECT_EQ(h->State(), scsWindowDestroyed);
}

}  // namespace
}  // namespace varnelta
