// Placing the caption text: alignments left to right and right to left, the right clip, the
// dialog nudge, the caption background ends, and DPI.
#include "skin/frame/caption_layout.h"

#include <gtest/gtest.h>

#include <array>

#include "skin/frame/frame_codes.h"

namespace varnelta::frame {
namespace {

// A title 191 x 30 between side pieces 4 and 5 wide, a 100 x 16 text.
TCaptionFacts Facts(int textWidth = 100) {
  return {.TitleRect = {4, 0, 195, 30}, .TextWidth = textWidth, .TextHeight = 16};
}
const TCaptionStyle kStyle{.TextShift = 6, .TextShiftVert = 2, .TextRightClip = 10};

TEST(CaptionLayoutTest, CaptionTextHasOneBlankBeforeAndTwoAfter) {
  EXPECT_EQ(CaptionText(L"Varnelta"), L" Varnelta  ");
  EXPECT_EQ(CaptionText(L"\u63D0\u793A"), L" \u63D0\u793A  ");
  EXPECT_EQ(CaptionText(L""), L"   ");
}

TEST(CaptionLayoutTest, StyleFromTheTitleElementAtTheScreensDpi) {
  TDataSkinTitle title("Title");
  title.Margins = {6, 3, 10, 99};
  title.TextAlignment = 2;
  title.TextBackLeft = 8;
  title.TextBackRight = 12;
  const TCaptionStyle at96 = CaptionStyleOf(title, 96);
  EXPECT_EQ((std::array{at96.TextShift, at96.TextShiftVert, at96.TextRightClip, at96.TextAlignment,
                        at96.TextBackLeft, at96.TextBackRight}),
            (std::array{6, 3, 10, 2, 8, 12}));
  const TCaptionStyle at144 = CaptionStyleOf(title, 144);
  EXPECT_EQ((std::array{at144.TextShift, at144.TextShiftVert, at144.TextRightClip,
                        at144.TextAlignment, at144.TextBackLeft, at144.TextBackRight}),
            (std::array{9, 5, 15, 2, 12, 18}));
}

TEST(CaptionLayoutTest, AlignmentsLeftToRightAndRightToLeft) {
  struct AlignCase {
    bool rtl;
    int alignment;
    int textWidth;
    TRect expected;
  };
  // Vertical: (30 - 16) / 2 + 2 / 2 = 8. Right to left: 60 pixels of right buttons, then 10 right.
  const AlignCase cases[] = {
      {false, 0, 100, {10, 8, 110, 24}},
      {false, 1, 100, {49, 8, 149, 24}},    // (191 - 100) / 2 = 45
      {false, 2, 100, {85, 8, 185, 24}},    // 191 - 10 - 100 = 81
      {false, 7, 100, {4, 8, 104, 24}},     // unknown alignment: no offset
      {false, 0, 250, {10, 8, 185, 24}},    // clipped at the right clip
      {false, 1, 250, {-25, 8, 185, 24}},   // (191 - 250) / 2 = -29, toward zero
      {true, 0, 100, {45, 8, 145, 24}},     // 191 - 60 - 100 = 31
      {true, 1, 100, {29, 8, 129, 24}},     // (191 - 100 - 60) / 2 = 15
      {true, 2, 100, {20, 8, 120, 24}},     // the shift
      {true, 7, 100, {16, 8, 114, 24}},     // offset 0: left edge at the shift
      {true, 0, 250, {16, 8, 145, 24}},     // offset -119: left edge at the shift, not clipped
  };
  for (const AlignCase& c : cases) {
    TCaptionFacts facts = Facts(c.textWidth);
    facts.RightToLeft = c.rtl;
    facts.RightButtonsExtent = c.rtl ? 60 : 0;
    TCaptionStyle style = kStyle;
    style.TextAlignment = c.alignment;
    const TCaptionLayout layout = LayoutCaption(facts, style);
    EXPECT_EQ(layout.CaptionRect, c.expected) << c.rtl << " " << c.alignment << " " << c.textWidth;
    EXPECT_EQ(layout.TextRect, c.expected);
    EXPECT_EQ(layout.DrawFlags, c.rtl ? kCaptionDrawFlagsRtl : kCaptionDrawFlags);
  }
  EXPECT_EQ(kCaptionDrawFlags, 0x8820u);
  EXPECT_EQ(kCaptionDrawFlagsRtl, 0x28822u);
}

TEST(CaptionLayoutTest, VerticalHalvesTruncateTowardZero) {
  struct VerticalCase {
    int textHeight, shiftVert, top;
  };
  const VerticalCase cases[] = {{16, 2, 8}, {17, 3, 7}, {16, -3, 6}, {40, 0, -5}, {16, 0, 7}};
  for (const VerticalCase& c : cases) {
    TCaptionFacts facts = Facts();
    facts.TextHeight = c.textHeight;
    TCaptionStyle style = kStyle;
    style.TextShiftVert = c.shiftVert;
    const TRect r = LayoutCaption(facts, style).CaptionRect;
    EXPECT_EQ(r.Top, c.top) << c.textHeight << " " << c.shiftVert;
    EXPECT_EQ(r.Height(), c.textHeight);
  }
}

TEST(CaptionLayoutTest, PopupWindowsClipBeforeTheRightButtons) {
  struct PopupCase {
    int extent;
    int right;
  };
  // A 250-pixel text from x = 10 reaches 260.
  const PopupCase cases[] = {{60, 130}, {6, 184}, {5, 260}, {0, 260}, {-20, 260}};
  for (const PopupCase& c : cases) {
    TCaptionFacts facts = Facts(250);
    facts.Popup = true;
    facts.RightButtonsExtent = c.extent;
    EXPECT_EQ(LayoutCaption(facts, kStyle).CaptionRect.Right, c.right) << c.extent;
  }
  TCaptionFacts narrow = Facts(50);  // a short text is not widened to the clip
  narrow.Popup = true;
  narrow.RightButtonsExtent = 60;
  EXPECT_EQ(LayoutCaption(narrow, kStyle).CaptionRect.Right, 60);
}

TEST(CaptionLayoutTest, DialogsMoveLeftAlignedTextLeft) {
  TCaptionFacts facts = Facts();
  facts.BorderKind = bkDialog;
  EXPECT_EQ(LayoutCaption(facts, kStyle).CaptionRect, (TRect{-6, 8, 110, 24}));
  TCaptionStyle centred = kStyle;
  centred.TextAlignment = 1;
  EXPECT_EQ(LayoutCaption(facts, centred).CaptionRect.Left, 49);
  facts.Dpi = 144;  // the fixed nudges scale too
  EXPECT_EQ(LayoutCaption(facts, kStyle).CaptionRect.Left, 10 - 24);
  facts = Facts();
  facts.RightToLeft = true;
  facts.Dpi = 144;
  TCaptionStyle right = kStyle;
  right.TextAlignment = 2;
  EXPECT_EQ(LayoutCaption(facts, right).CaptionRect.Left, 10 + 15);
}

TEST(CaptionLayoutTest, BackgroundEndsAroundTheText) {
  TCaptionStyle style = kStyle;
  style.TextBackLeft = 8;
  style.TextBackRight = 12;
  TCaptionLayout layout = LayoutCaption(Facts(), style);
  EXPECT_EQ(layout.CaptionRect, (TRect{10, 8, 130, 24}));
  EXPECT_EQ(layout.BackRect, (TRect{10, 0, 130, 30}));
  EXPECT_EQ(layout.TextRect, (TRect{18, 8, 118, 24}));

  layout = LayoutCaption(Facts(250), style);  // clipped: the ends stay inside the clip
  EXPECT_EQ(layout.BackRect, (TRect{10, 0, 185, 30}));
  EXPECT_EQ(layout.TextRect, (TRect{18, 8, 173, 24}));

  // Ends wider than a narrow title: the text rectangle is empty, never inverted.
  style.TextBackLeft = 100;
  style.TextBackRight = 100;
  TCaptionFacts narrow = Facts(0);
  narrow.TitleRect = {4, 0, 50, 30};
  layout = LayoutCaption(narrow, style);
  EXPECT_EQ(layout.CaptionRect.Right, 40);
  EXPECT_EQ(layout.TextRect.Left, 110);
  EXPECT_EQ(layout.TextRect.Width(), 0);
}

}  // namespace
}  // namespace varnelta::frame
