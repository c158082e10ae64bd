// The control skinners' pure rules: button frames, captions and glyph layouts, the forwarded
// press point, scroll thumbs, hit testing, the dragged thumb and the combo box button.
#include <gtest/gtest.h>

#include "skin/controls/button_layout.h"
#include "skin/controls/scroll_maths.h"

namespace varnelta {
namespace {

TEST(ButtonFrameTest, PriorityDisabledThenPressedThenHotThenFocusOrDefault) {
  struct Case {
    std::uint8_t mouse;
    bool enabled, focused, isDefault;
    int push, menu;
  } cases[] = {
      {0, true, false, false, bfNormal, bfNormal},
      {0, true, true, false, bfFocused, bfHot},
      {0, true, false, true, bfFocused, bfNormal},  // default counts only for push buttons
      {kMouseHot, true, true, false, bfHot, bfHot},
      {kMousePressed, true, true, true, bfPressed, bfPressed},
      {kMouseHot | kMousePressed, true, false, false, bfPressed, bfPressed},
      {kMouseHot | kMousePressed, false, true, true, bfDisabled, bfDisabled},
      {0, false, false, true, bfDisabled, bfDisabled},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PushButtonFrame(c.mouse, c.enabled, c.focused, c.isDefault), c.push)
        << int(c.mouse) << c.enabled << c.focused << c.isDefault;
    EXPECT_EQ(MenuButtonFrame(c.mouse, c.enabled, c.focused), c.menu) << int(c.mouse) << c.enabled << c.focused;
  }
}

TEST(ButtonCaptionTest, OnlyTheFirstDoubleBarBreaksTheLine) {
  EXPECT_EQ(ReplaceFirstBar(L"上||下||x"), L"上\r\n下||x");
  EXPECT_EQ(ReplaceFirstBar(L"plain"), L"plain");
  EXPECT_EQ(ReplaceFirstBar(L"|"), L"|");
  EXPECT_EQ(ReplaceFirstBar(L"||"), L"\r\n");
}

TEST(ButtonCaptionTest, CentredBlockSitsOnePixelAboveTheMiddle) {
  // 75 x 25 button, caption 31 x 13: right by 22, down by (25-13)/2-1 = 5.
  EXPECT_EQ(CentreBlock({0, 0, 75, 25}, {31, 13}, true), (TRect{22, 5, 53, 18}));
  // Odd differences truncate toward zero; a block larger than the rectangle moves up and left.
  EXPECT_EQ(CentreBlock({2, 2, 10, 10}, {3, 3}, true), (TRect{4, 3, 7, 6}));
  EXPECT_EQ(CentreBlock({0, 0, 10, 4}, {20, 10}, true), (TRect{-5, -4, 15, 6}));
  // Not centred: the block keeps the rectangle's width.
  EXPECT_EQ(CentreBlock({3, 0, 50, 20}, {10, 10}, false), (TRect{3, 4, 50, 14}));
}

TEST(GlyphLayoutTest, AutomaticMarginAndSpacingGiveThreeEqualGaps) {
  const TPoint client{100, 40}, glyph{16, 16}, text{30, 13};
  for (int layout : {glLeft, glRight}) {
    const TGlyphPlacement p = PlaceGlyph(client, glyph, text, layout, -1, -1, false);
    const int first = layout == glLeft ? p.GlyphPos.X : p.TextPos.X;
    const int firstEnd = layout == glLeft ? p.GlyphPos.X + glyph.X : p.TextPos.X + text.X;
    const int second = layout == glLeft ? p.TextPos.X : p.GlyphPos.X;
    const int secondEnd = layout == glLeft ? p.TextPos.X + text.X : p.GlyphPos.X + glyph.X;
    EXPECT_EQ(first, 18) << layout;
    EXPECT_EQ(second - firstEnd, 18) << layout;
    EXPECT_EQ(client.X - secondEnd, 18) << layout;
    EXPECT_EQ(p.GlyphPos.Y, 12);  // (40 - 16 + 1) / 2
    EXPECT_EQ(p.TextPos.Y, 14);   // (40 - 13 + 1) / 2
  }
  const TGlyphPlacement top = PlaceGlyph({60, 70}, glyph, {20, 13}, glTop, -1, -1, false);
  EXPECT_EQ(top.GlyphPos.Y, 13);  // (70 - 29) / 3
  EXPECT_EQ(top.TextPos.Y, 13 + 16 + 13);
  EXPECT_EQ(top.GlyphPos.X, 22);
  EXPECT_TRUE(top.AlignCentre);
}

TEST(GlyphLayoutTest, FixedMarginOrSpacingAndMissingPartsTable) {
  struct Case {
    TPoint glyph, text;
    int layout, margin, spacing;
    bool centred;
    int glyphAxis, textAxis;
  } cases[] = {
      {{16, 16}, {30, 13}, glLeft, 4, 6, false, 4, 26},       // both fixed
      {{16, 16}, {30, 13}, glLeft, 4, -1, false, 4, 45},      // spacing (100-20-30)/2 = 25
      {{16, 16}, {30, 13}, glLeft, -1, 6, false, 24, 46},     // block centred: (100-52)/2
      {{16, 16}, {30, 13}, glLeft, 4, 6, true, 24, 46},       // taCenter ignores the margin
      {{16, 16}, {0, 0}, glLeft, -1, 10, false, 42, 58},      // no caption: no spacing
      {{0, 0}, {30, 13}, glLeft, -1, -1, false, 35, 35},      // no glyph: (100-30)/2 margin
      {{16, 16}, {30, 13}, glRight, 4, 6, false, 80, 44},     // from the right edge
      {{16, 16}, {30, 13}, 9, 4, 6, false, 4, 26},            // unknown layout: left
  };
  for (const Case& c : cases) {
    const TGlyphPlacement p = PlaceGlyph({100, 40}, c.glyph, c.text, c.layout, c.margin, c.spacing, c.centred);
    EXPECT_EQ(p.GlyphPos.X, c.glyphAxis) << c.layout << "/" << c.margin << "/" << c.spacing;
    EXPECT_EQ(p.TextPos.X, c.textAxis) << c.layout << "/" << c.margin << "/" << c.spacing;
  }
  EXPECT_EQ(GlyphLayoutFromName("blglyphbottom"), glBottom);
  EXPECT_EQ(GlyphLayoutFromName("something"), glLeft);
}

TEST(MouseDownPointTest, PackedHalvesUnlessTheControlIsTooLarge) {
  // Signed halves: (-3, 7).
  EXPECT_EQ(MouseDownPoint(0x0007FFFD, {100, 30}, {999, 999}, {0, 0}), (TPoint{-3, 7}));
  // 40000 pixels wide: the cursor in client coordinates.
  EXPECT_EQ(MouseDownPoint(0x00078000, {40000, 30}, {35010, 120}, {10, 100}), (TPoint{35000, 20}));
  EXPECT_EQ(MouseDownPoint(0x0001'0001, {0x8000, 0x8000}, {0, 0}, {0, 0}), (TPoint{1, 1}));
}

TEST(ScrollThumbTest, ScrollBarControlThumbTable) {
  struct Case {
    int bar, arrow;
    TScrollRange range;
    TThumbSpan thumb;
  } cases[] = {
      {117, 17, {0, 0, 10, 0}, {17, 25}},       // range 0: no division, first place, 8-px minimum
      {117, 17, {0, 0, 0, 0}, {17, 34}},        // range 0 without a page: arrow-long thumb
      {117, 17, {0, 100, 21, 0}, {17, 34}},     // 83 * 20 / 100 = 16.6, rounded to 17
      {117, 17, {0, 100, 21, 50}, {59, 76}},   // 17 + 41.5 rounded half up
      {117, 17, {0, 1000, 2, 500}, {55, 63}},   // tiny page: 8 pixels, 17 + 75 / 2
      {117, 17, {0, 100, 0, 100}, {83, 100}},   // no page: length = arrow, end at bar - arrow
      {117, 17, {10, 20, 0, 10}, {17, 34}},
  };
  for (const Case& c : cases) {
    const TThumbSpan t = ScrollControlThumb(c.bar, c.arrow, c.range);
    EXPECT_EQ(t, c.thumb) << c.range.Min << ".." << c.range.Max << " page " << c.range.Page << " pos " << c.range.Pos;
    if (c.range.Page != 0) {
      EXPECT_GE(t.End - t.Start, kMinThumbLength);
    }
  }
}

TEST(ScrollThumbTest, HitTestPartsAlongTheBar) {
  const TThumbSpan thumb{40, 60};
  const struct {
    int p, part;
  } cases[] = {{0, spFirstArrow}, {16, spFirstArrow}, {17, spTrackBefore}, {39, spTrackBefore},
               {40, spThumb},     {59, spThumb},      {60, spTrackAfter},  {82, spTrackAfter},
               {83, spSecondArrow}, {200, spSecondArrow}, {-5, spFirstArrow}};
  for (const auto& c : cases) EXPECT_EQ(ScrollHitTest(c.p, 17, thumb, 100), c.part) << c.p;
}

TEST(ScrollThumbTest, FollowThumbClampsBetweenTheArrows) {
  EXPECT_EQ(FollowThumbStart(40, 5, 17, 100, 20), 45);
  EXPECT_EQ(FollowThumbStart(40, -100, 17, 100, 20), 17);
  EXPECT_EQ(FollowThumbStart(40, 100, 17, 100, 20), 63);
  // A bar too short for arrows and thumb: the lower bound, never a reversed clamp.
  EXPECT_EQ(FollowThumbStart(20, 30, 17, 40, 20), 17);
}

TEST(ListDragTest, PositionFollowsTheMouseAndStopsAtTheLastPage) {
  // 30 items, 8 shown: nMax 29, nPage 8; track 100, thumb 27.
  const TScrollRange r{0, 29, 8, 0};
  EXPECT_EQ(ListDragPosition(0, 0, 100, 27, r), 0);
  EXPECT_EQ(ListDragPosition(0, -50, 100, 27, r), 0);
  EXPECT_EQ(ListDragPosition(0, 35, 100, 27, r), 10);  // 35 * 21 / 73 = 10.07
  EXPECT_EQ(ListDragPosition(0, 500, 100, 27, r), 22);  // nMax - nPage + 1
  EXPECT_EQ(ListDragPosition(10, 63, 100, 27, r), 22);
  // Without a page the offset stops where the thumb meets the second arrow.
  const TScrollRange noPage{0, 50, 0, 0};
  EXPECT_EQ(ListDragPosition(0, 1000, 100, 20, noPage), 40);
  EXPECT_EQ(ListDragPosition(0, 40, 100, 20, noPage), 20);
  // No room to move the thumb: the first position, no division by zero.
  EXPECT_EQ(ListDragPosition(0, 30, 20, 20, r), 0);
}

TEST(ComboRectsTest, ButtonAndGlyphOnEitherSide) {
  // Wine's 17-pixel bars on a 91 x 21 box: the button covers x 71..90.
  const TComboRects right = ComboButtonRects({0, 0, 91, 21}, 17, false);
  EXPECT_EQ(right.Button, (TRect{72, 0, 91, 21}));
  EXPECT_EQ(right.GlyphArea, (TRect{72, 0, 89, 21}));
  EXPECT_EQ(right.TextClip, (TRect{2, 2, 70, 19}));
  const TComboRects left = ComboButtonRects({0, 0, 91, 21}, 17, true);
  EXPECT_EQ(left.Button, (TRect{0, 0, 19, 21}));
  EXPECT_EQ(left.GlyphArea, (TRect{2, 0, 19, 21}));
  EXPECT_EQ(left.TextClip, (TRect{21, 2, 89, 19}));
  EXPECT_EQ(CentredCell({72, 0, 89, 21}, 9, 5), (TRect{76, 8, 85, 13}));
}

TEST(ComboRectsTest, DisabledWinsOverPressedAndHotAndPressedOverHot) {
  struct Case {
    bool enabled, pressed, hot, focused;
    int frame;
  } cases[] = {
      {true, false, false, false, 1}, {true, true, false, false, 2}, {true, false, true, false, 4},
      {true, false, false, true, 4},  {true, true, true, true, 2},   {false, false, false, false, 3},
      {false, true, false, false, 3}, {false, false, true, true, 3}, {false, true, true, true, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComboButtonFrame(c.enabled, c.pressed, c.hot, c.focused), c.frame)
        << c.enabled << c.pressed << c.hot << c.focused;
  }
}

}  // namespace
}  // namespace varnelta
