// The bit, menu and speed button skinners on the buttons page of the gallery, read through the
// form reader: the dispatch gives each class its skinner; bit buttons lay glyph and caption out
// with three equal gaps in the four layouts and show the glyph cell of their state; the menu
// button's frames, arrow and drop-down click; speed buttons flat and raised, hot, pressed, held
// down and grouped; a freed speed button lets its skinner go; a thousand hover and press cycles
// leave every handle count flat.
#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/bit_btn.h"
#include "runtime/dib_section.h"
#include "runtime/handle_count.h"
#include "runtime/menu_button.h"
#include "runtime/speed_button.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_menu_button.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/data/skin_types.h"
#include "tests/skin/controls/gallery_test_util.h"

namespace varnelta {
namespace {

using testing::GalleryPageTest;
using testing::GraphicPixels;
using testing::PaintedPixels;
using testing::PumpPending;

// The top left colour of a Buttons frame as a skinned button shows it (face colour where the
// picture is magenta).
TColor CornerColour(const TSkinElements& skin, int frame) {
  const TDataSkinButton& b = *skin.Buttons;
  const int cell = b.Image.Width() / (b.FrameCount > 0 ? b.FrameCount : 5);
  const TColor c = b.Image.Colour(cell * (frame - 1), 0);
  return c == clFuchsia && b.Trans == 1 ? ColorToRGB(skin.Colours[kColourButtonFace]) : c;
}

class GlyphButtonsTest : public GalleryPageTest {
 protected:
  void SetUp() override {
    GalleryPageTest::SetUp();
    OpenPage("buttons.txt");
  }
  // Paints a windowed button and gives the skinner's frame.
  template <class T>
  int Frame(TWinControl* control) {
    PaintedPixels(control->Handle());
    return Skinner<T>(control).LastFrame();
  }
};

TEST_F(GlyphButtonsTest, EachButtonClassReachesItsSkinner) {
  EXPECT_NE(SkinnerFor<TSkinButton>(Find<TButton>("PushNormal")), nullptr);
  EXPECT_EQ(SkinnerFor<TSkinBitButton>(Find<TButton>("PushNormal")), nullptr);
  for (const char* name : {"BitLeft", "BitRightOff", "BitTop", "BitBottom"}) {
    auto* b = Find<TBitBtn>(name);
    ASSERT_NE(b, nullptr) << name;
    EXPECT_NE(SkinnerFor<TSkinBitButton>(b), nullptr) << name;
    EXPECT_EQ(SendMessageW(b->Handle(), 0x3523, 0, 0), 1) << name;
  }
  EXPECT_NE(SkinnerFor<TSkinMenuButton>(Find<TRzMenuButton>("MenuButton")), nullptr);
  for (const char* name : {"SpeedRaised", "SpeedFlatOff", "SpeedDown", "SpeedGlyph", "SpeedGroupB"}) {
    EXPECT_NE(SkinnerFor<TSkinSpeedButton>(Find<TSpeedButton>(name)), nullptr) << name;
  }
}

TEST_F(GlyphButtonsTest, BitButtonsPlaceGlyphAndCaptionWithThreeEqualGapsInEachLayout) {
  struct Case {
    const char* name;
    bool horizontal;
    bool glyphFirst;
  } cases[] = {{"BitLeft", true, true}, {"BitRight", true, false}, {"BitTop", false, true}, {"BitBottom", false, false}};
  for (const Case& c : cases) {
    auto* b = Find<TBitBtn>(c.name);
    auto* s = &Skinner<TSkinBitButton>(b);
    ASSERT_NE(s, nullptr) << c.name;
    PaintedPixels(b->Handle());
    const RECT g = s->LastGlyphRect(), t = s->LastTextRect();
    EXPECT_EQ(g.right - g.left, 16) << c.name;
    EXPECT_GT(t.right - t.left, 5) << c.name;
    const int length = c.horizontal ? b->Width() : b->Height();
    const int g0 = c.horizontal ? g.left : g.top, g1 = c.horizontal ? g.right : g.bottom;
    const int t0 = c.horizontal ? t.left : t.top, t1 = c.horizontal ? t.right : t.bottom;
    // The margin on the glyph's side equals the spacing; the text's side keeps what the
    // division by three leaves over.
    const int glyphSide = c.glyphFirst ? g0 : length - g1;
    const int middle = c.glyphFirst ? t0 - g1 : g0 - t1;
    const int textSide = c.glyphFirst ? length - t1 : t0;
    EXPECT_EQ(glyphSide, middle) << c.name;
    EXPECT_LE(std::abs(textSide - glyphSide), 2) << c.name;
  }
}

TEST_F(GlyphButtonsTest, BitButtonGlyphCellFollowsTheStateAndTheClickComesOnce) {
  auto* b = &Control<TBitBtn>("BitLeft");
  auto* s = &Skinner<TSkinBitButton>(b);
  int clicks = 0;
  b->OnClick = TNotifyEvent{"", [&](TComponent*) { ++clicks; }};
  const auto glyphCentre = [&](const TBitmap& pixels) {
    const RECT g = s->LastGlyphRect();
    return pixels.Colour(g.left + 8, g.top + 8);
  };
  SetFocus(form->Memo1->Handle());
  PumpPending();
  EXPECT_EQ(glyphCentre(PaintedPixels(b->Handle())), RGB(0, 128, 0));  // the up cell
  EXPECT_EQ(s->LastFrame(), bfNormal);
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  EXPECT_EQ(glyphCentre(PaintedPixels(b->Handle())), RGB(0, 0, 160));  // the down cell
  EXPECT_EQ(s->LastFrame(), bfPressed);
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  EXPECT_EQ(clicks, 1);
  auto* off = &Control<TBitBtn>("BitLeftOff");
  auto* offSkinner = &Skinner<TSkinBitButton>(off);
  const TBitmap pixels = PaintedPixels(off->Handle());
  EXPECT_EQ(offSkinner->LastFrame(), bfDisabled);
  const RECT g = offSkinner->LastGlyphRect();
  EXPECT_EQ(pixels.Colour(g.left + 8, g.top + 8), RGB(128, 128, 128));  // the disabled cell, greyed
  EXPECT_EQ(pixels.Colour(0, 0), CornerColour(Skin(), bfDisabled));
  // The disabled caption is in the shadow colour.
  int shadow = 0;
  const RECT t = offSkinner->LastTextRect();
  for (int y = t.top; y < t.bottom; ++y) {
    for (int x = t.left; x < t.right; ++x) shadow += pixels.Colour(x, y) == GetSysColor(COLOR_BTNSHADOW);
  }
  EXPECT_GT(shadow, 5);
}

TEST_F(GlyphButtonsTest, MenuButtonFramesArrowAndDropDown) {
  auto* b = &Control<TRzMenuButton>("MenuButton");
  auto* s = &Skinner<TSkinMenuButton>(b);
  ASSERT_NE(s, nullptr);
  int clicks = 0, drops = 0;
  b->OnClick = TNotifyEvent{"", [&](TComponent*) { ++clicks; }};
  b->OnDropDown = TNotifyEvent{"", [&](TComponent*) { ++drops; }};
  SetFocus(form->Memo1->Handle());
  PumpPending();
  const TBitmap normal = PaintedPixels(b->Handle());
  EXPECT_EQ(s->LastFrame(), bfNormal);
  const int w = b->Width(), h = b->Height();
  EXPECT_EQ(normal.Colour(w - 12, h / 2), GetSysColor(COLOR_WINDOWTEXT));  // inside the arrow
  EXPECT_LT(s->LastTextRect().right, w - 17 + 2);                          // the caption stays left of it
  SetFocus(b->Handle());
  EXPECT_EQ(Frame<TSkinMenuButton>(b), bfHot);  // focus shows the mouse-over frame
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  EXPECT_EQ(s->LastFrame(), bfPressed);
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(drops, 1);
  auto* off = &Control<TRzMenuButton>("MenuButtonOff");
  const TBitmap disabled = PaintedPixels(off->Handle());
  EXPECT_EQ(Skinner<TSkinMenuButton>(off).LastFrame(), bfDisabled);
  EXPECT_EQ(disabled.Colour(w - 12, h / 2), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(GlyphButtonsTest, SpeedButtonsFlatRaisedHotPressedAndDown) {
  auto* raised = &Control<TSpeedButton>("SpeedRaised");
  auto* flat = &Control<TSpeedButton>("SpeedFlat");
  auto* rs = &Skinner<TSkinSpeedButton>(raised);
  auto* fs = &Skinner<TSkinSpeedButton>(flat);
  const COLORREF face = ColorToRGB(Skin().Colours[kColourButtonFace]);
  EXPECT_EQ(GraphicPixels(*raised).Colour(0, 0), CornerColour(Skin(), bfNormal));
  EXPECT_EQ(rs->LastFrame(), bfNormal);
  // A flat button shows only its background until the mouse is over it.
  const TBitmap still = GraphicPixels(*flat);
  for (const auto& [x, y] : {std::pair{0, 0}, {flat->Width() - 1, flat->Height() - 1}, {1, flat->Height() / 2}}) {
    EXPECT_EQ(still.Colour(x, y), face) << x << "," << y;
  }
  flat->Perform(CM_MOUSEENTER);
  EXPECT_EQ(GraphicPixels(*flat).Colour(0, 0), CornerColour(Skin(), bfHot));
  EXPECT_EQ(fs->LastFrame(), bfHot);
  flat->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(GraphicPixels(*flat).Colour(0, 0), CornerColour(Skin(), bfPressed));
  flat->Perform(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  flat->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(GraphicPixels(*flat).Colour(0, 0), face);
  EXPECT_EQ(fs->LastFrame(), bfNormal);

  GraphicPixels(*Find<TSpeedButton>("SpeedDown"));
  EXPECT_EQ(Skinner<TSkinSpeedButton>(Find<TSpeedButton>("SpeedDown")).LastFrame(), bfPressed);
  auto* off = &Control<TSpeedButton>("SpeedRaisedOff");
  EXPECT_EQ(GraphicPixels(*off).Colour(0, 0), CornerColour(Skin(), bfDisabled));
  // A glyph-only button shows its picture (a dark red square) centred.
  auto* glyph = &Control<TSpeedButton>("SpeedGlyph");
  const TBitmap g = GraphicPixels(*glyph);
  const int x0 = (glyph->Width() - 16) / 2;
  EXPECT_EQ(g.Colour(x0 + 3, (glyph->Height() - 16 + 1) / 2 + 3), RGB(160, 0, 0));
}

TEST_F(GlyphButtonsTest, GroupedSpeedButtonsMoveTheDownStateAndClickOnce) {
  auto* a = &Control<TSpeedButton>("SpeedGroupA");
  auto* b = &Control<TSpeedButton>("SpeedGroupB");
  int clicks = 0;
  b->OnClick = TNotifyEvent{"", [&](TComponent*) { ++clicks; }};
  ASSERT_TRUE(a->Down());
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  GraphicPixels(*a);
  GraphicPixels(*b);
  EXPECT_EQ(Skinner<TSkinSpeedButton>(a).LastFrame(), bfNormal);
  EXPECT_EQ(Skinner<TSkinSpeedButton>(b).LastFrame(), bfPressed);
  // Released outside: no click.
  a->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  a->Perform(WM_LBUTTONUP, 0, MAKELPARAM(-20, 3));
  EXPECT_TRUE(b->Down());
}

TEST_F(GlyphButtonsTest, SwitchingOffPaintsNativelyAndAFreedSpeedButtonLetsItsSkinnerGo) {
  auto* raised = &Control<TSpeedButton>("SpeedRaised");
  auto* s = &Skinner<TSkinSpeedButton>(raised);
  EXPECT_EQ(raised->Perform(0x3523), 1);
  raised->Perform(0x3506, 0);
  const COLORREF native = GraphicPixels(*raised).Colour(raised->Width() / 2, 1);
  EXPECT_EQ(native, GetSysColor(COLOR_BTNHIGHLIGHT));  // the raised system edge
  raised->Perform(0x3506, 1);
  EXPECT_EQ(GraphicPixels(*raised).Colour(0, 0), CornerColour(Skin(), bfNormal));
  delete raised;
  EXPECT_EQ(s->State(), scsWindowDestroyed);
  EXPECT_EQ(s->Control(), nullptr);
  TWinSkinForm* frame = PageFrame();
  ASSERT_NE(frame, nullptr);
  frame->PurgeDestroyed();
  for (const auto& skinner : frame->Controls()) EXPECT_NE(skinner.get(), s);
}

TEST_F(GlyphButtonsTest, WithoutAButtonsPictureGlyphAndMenuButtonsKeepTheSystemLook) {
  TSkinData plain(nullptr);  // no Buttons picture
  for (const char* name : {"BitLeft", "MenuButton"}) {
    auto* b = &Control<TButton>(name);
    SetFocus(form->Memo1->Handle());
    b->Perform(0x3506, 0);  // the page's own skinner stands aside
    const TBitmap native = PaintedPixels(b->Handle());
    std::unique_ptr<TSkinButton> s;
    if (std::string(name) == "BitLeft") {
      s = std::make_unique<TSkinBitButton>();
    } else {
      s = std::make_unique<TSkinMenuButton>();
    }
    s->Start(PageFrame(), &plain, b, nullptr, false, nullptr);
    ASSERT_EQ(s->State(), scsAttached) << name;
    EXPECT_FALSE(s->Active()) << name;
    EXPECT_EQ(PaintedPixels(b->Handle()), native) << name;
    s->Unhook();
    b->Perform(0x3506, 1);
  }
}

TEST_F(GlyphButtonsTest, ThousandHoverAndPressCyclesLeaveHandleCountsFlat) {
  auto* bit = &Control<TBitBtn>("BitTop");
  auto* menu = &Control<TRzMenuButton>("MenuButton");
  auto* speed = &Control<TSpeedButton>("SpeedGlyphFlat");
  const auto cycle = [&] {
    for (TWinControl* w : {static_cast<TWinControl*>(bit), static_cast<TWinControl*>(menu)}) {
      SendMessageW(w->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
      SendMessageW(w->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
      SendMessageW(w->Handle(), WM_MOUSELEAVE, 0, 0);
      SendMessageW(w->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
      PaintedPixels(w->Handle());
    }
    speed->Perform(CM_MOUSEENTER);
    speed->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    speed->Perform(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    speed->Perform(CM_MOUSELEAVE);
    GraphicPixels(*speed);
  };
  cycle();  // buffers made once
  PumpPending();
  std::vector<long> before;
  for (int i = 0; i < static_cast<int>(THandleKind::Count); ++i) before.push_back(HandleCounter::Live(static_cast<THandleKind>(i)));
  const int sections = TDibSection::LiveCount();
  for (int i = 0; i < 1000; ++i) cycle();
  PumpPending();
  EXPECT_EQ(TDibSection::LiveCount(), sections);
  for (int i = 0; i < static_cast<int>(THandleKind::Count); ++i) {
    EXPECT_LE(HandleCounter::Live(static_cast<THandleKind>(i)), before[static_cast<std::size_t>(i)]) << kHandleKindNames[i];
  }
}

}  // namespace
}  // namespace varnelta
