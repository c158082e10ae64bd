// The drawing routines on device contexts put down exactly the portable routines' pixels:
// DIB sections read back under Windows (Wine), masks by MaskBlt and by the three-step copy,
// empty rectangles, and no handle left behind.
#include "skin/frame/win32/picture_draw.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dib_canvas.h"
#include "letter_picture.h"
#include "runtime/handle_count.h"
#include "skin/data/pixel_draw.h"
#include "skin/frame/caption_back.h"
#include "skin/frame/win32/draw_transparent.h"

namespace varnelta {
namespace {

using test::ColourDifference;
using test::LetterPicture;
using test::TDibCanvas;

// A 12 x 8 background of two letters in stripes, so every pixel drawn or kept shows.
TBitmap Background() {
  return LetterPicture({"zyzyzyzyzyzy", "yzyzyzyzyzyz", "zyzyzyzyzyzy", "yzyzyzyzyzyz",
                        "zyzyzyzyzyzy", "yzyzyzyzyzyz", "zyzyzyzyzyzy", "yzyzyzyzyzyz"});
}

// Two 3 x 3 frames side by side, with magenta pixels and a near-magenta one ('+', drawn).
const TBitmap& Frames() {
  static const TBitmap picture = LetterPicture({"a#bA#B", "c+dC+D", "#e#E#E"});
  return picture;
}

// Two stacked 5 x 2 frames for caption strips: ends of one column, magenta in the middle.
const TBitmap& StackedStrip() {
  static const TBitmap picture = LetterPicture({"ab#cd", "e#f+g", "AB#CD", "E#F+G"});
  return picture;
}

struct DrawCase {
  const char* name;
  std::function<void(TBitmap&)> portable;
  std::function<void(HDC)> gdi;
};

TEST(PictureDrawGdiTest, DeviceContextPixelsEqualThePortablePixels) {
  const TRect ends{1, 0, 1, 0};
  const DrawCase cases[] = {
      {"frame cell, transparent, stretched up",
       [](TBitmap& t) { DrawFrameCell(t, {1, 1, 8, 7}, Frames(), true, 2, 2); },
       [](HDC dc) { gdi::DrawFrameCell(dc, {1, 1, 8, 7}, Frames(), true, 2, 2); }},
      {"frame cell, copied, shrunk",
       [](TBitmap& t) { DrawFrameCell(t, {2, 3, 4, 5}, Frames(), false, 2, 1); },
       [](HDC dc) { gdi::DrawFrameCell(dc, {2, 3, 4, 5}, Frames(), false, 2, 1); }},
      {"frame cell reaching past the target",
       [](TBitmap& t) { DrawFrameCell(t, {-2, 4, 15, 11}, Frames(), true, 0, 9); },
       [](HDC dc) { gdi::DrawFrameCell(dc, {-2, 4, 15, 11}, Frames(), true, 0, 9); }},
      {"caption strip, transparent, second frame",
       [&](TBitmap& t) { DrawCaptionBack(t, {1, 2, 11, 6}, StackedStrip(), true, true, 2, 2, ends); },
       [&](HDC dc) { gdi::DrawCaptionBack(dc, {1, 2, 11, 6}, StackedStrip(), true, true, 2, 2, ends); }},
      {"caption strip, copied",
       [&](TBitmap& t) { DrawCaptionBack(t, {0, 0, 9, 2}, StackedStrip(), true, false, 2, 1, ends); },
       [&](HDC dc) { gdi::DrawCaptionBack(dc, {0, 0, 9, 2}, StackedStrip(), true, false, 2, 1, ends); }},
      {"caption strip without a middle",
       [](TBitmap& t) { DrawCaptionBack(t, {0, 0, 12, 2}, StackedStrip(), true, false, 2, 1, {2, 0, 3, 0}); },
       [](HDC dc) { gdi::DrawCaptionBack(dc, {0, 0, 12, 2}, StackedStrip(), true, false, 2, 1, {2, 0, 3, 0}); }},
      {"tiles running past the rectangle and the target",
       [](TBitmap& t) { TileCopy(t, {1, 1, 8, 6}, Frames(), {1, 0, 5, 2}); },
       [](HDC dc) { gdi::TileDraw(dc, {1, 1, 8, 6}, Frames(), {1, 0, 5, 2}); }},
      {"tiles starting far outside the clip box",
       [](TBitmap& t) { TileCopy(t, {-50, -40, 12, 8}, Frames(), {0, 0, 2, 3}); },
       [](HDC dc) { gdi::TileDraw(dc, {-50, -40, 12, 8}, Frames(), {0, 0, 2, 3}); }},
      {"tiles from a source partly outside the picture",
       [](TBitmap& t) { TileCopy(t, {0, 0, 12, 8}, Frames(), {4, 1, 9, 9}); },
       [](HDC dc) { gdi::TileDraw(dc, {0, 0, 12, 8}, Frames(), {4, 1, 9, 9}); }},
      {"picture, transparent",
       [](TBitmap& t) { DrawImage(t, 5, 3, Frames(), true); },
       [](HDC dc) { gdi::DrawPicture(dc, 5, 3, Frames(), true); }},
  };
  for (const DrawCase& c : cases) {
    TBitmap expected = Background();
    c.portable(expected);
    TDibCanvas canvas(Background());
    c.gdi(canvas.DC());
    EXPECT_EQ(ColourDifference(expected, canvas.Pixels()), "") << c.name;
  }
}

TEST(PictureDrawGdiTest, SlicedBitmapSectionHoldsThePortablePicture) {
  const TBitmap image = LetterPicture({"wttxWTTX", "lmnrLMNR", "loprLOPR", "ybbzYBBZ"});
  for (bool tile : {false, true}) {
    const TBitmap expected = BuildSlicedBitmap(9, 7, image, {1, 1, 1, 1}, false, tile, 2, 2);
    const TDibSection section = gdi::BuildSlicedBitmap(9, 7, image, {1, 1, 1, 1}, false, tile, 2, 2);
    ASSERT_FALSE(section.Empty());
    EXPECT_EQ(ColourDifference(expected, section.ToBitmap()), "") << tile;
  }
  EXPECT_TRUE(gdi::BuildSlicedBitmap(0, 7, image, {}, false, false, 1, 1).Empty());
  // Without a picture the section is as the portable one: the size asked for, black.
  EXPECT_EQ(gdi::BuildSlicedBitmap(9, 7, TBitmap(), {}, false, false, 1, 1).ToBitmap(), TBitmap(9, 7));
}

TEST(PictureDrawGdiTest, MaskBltAndTheThreeStepCopyGiveTheSamePixels) {
  TBitmap expected = Background();
  expected.CopyRectTransparent(2, 1, Frames(), 0, 0, Frames().Width(), Frames().Height());
  const TDibSection picture(Frames());
  for (auto how : {gdi::TTransparentBlit::MaskBlt, gdi::TTransparentBlit::InvertAndMask,
                   gdi::TTransparentBlit::ForPlatform}) {
    TDibCanvas canvas(Background());
    SetBkColor(canvas.DC(), RGB(1, 2, 3));
    SetTextColor(canvas.DC(), RGB(4, 5, 6));
    // A rectangle larger than the picture draws the picture only.
    gdi::DrawTransparent(canvas.DC(), {2, 1, 30, 30}, picture.Handle(), RGB(255, 0, 255), how);
    EXPECT_EQ(ColourDifference(expected, canvas.Pixels()), "") << static_cast<int>(how);
    EXPECT_EQ(GetBkColor(canvas.DC()), RGB(1, 2, 3));
    EXPECT_EQ(GetTextColor(canvas.DC()), RGB(4, 5, 6));
  }
  // Another key colour: only exact matches are left out.
  TDibCanvas canvas(Background());
  gdi::DrawTransparent(canvas.DC(), {0, 0, 6, 3}, picture.Handle(), test::LetterColour('a'),
                       gdi::TTransparentBlit::InvertAndMask);
  const TBitmap drawn = canvas.Pixels();
  EXPECT_EQ(drawn.Colour(0, 0), Background().Colour(0, 0));  // 'a' left out
  EXPECT_EQ(drawn.Colour(1, 0), 0xFF00FFu);                  // magenta drawn
}

TEST(PictureDrawGdiTest, EmptyAndInvertedRectanglesDrawNothing) {
  const TDibSection picture(Frames());
  const TRect empties[] = {{3, 3, 3, 6}, {3, 3, 6, 3}, {6, 3, 2, 5}, {2, 6, 5, 1}};
  for (const TRect& r : empties) {
    TDibCanvas canvas(Background());
    gdi::DrawFrameCell(canvas.DC(), r, Frames(), true, 2, 1);
    gdi::DrawFrameCell(canvas.DC(), r, Frames(), false, 2, 1);
    gdi::DrawCaptionBack(canvas.DC(), r, StackedStrip(), true, false, 2, 1, {1, 0, 1, 0});
    gdi::TileDraw(canvas.DC(), r, Frames(), {0, 0, 2, 2});
    gdi::DrawTransparent(canvas.DC(), r, picture.Handle(), RGB(255, 0, 255));
    EXPECT_EQ(ColourDifference(Background(), canvas.Pixels()), "")
        << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
  }
  TDibCanvas canvas(Background());
  gdi::TileDraw(canvas.DC(), {0, 0, 12, 8}, Frames(), {2, 2, 2, 3});  // empty source
  gdi::TileDraw(canvas.DC(), {0, 0, 12, 8}, Frames(), {40, 0, 50, 3});  // source off the picture
  gdi::DrawFrameCell(canvas.DC(), {0, 0, 12, 8}, TBitmap(), false, 1, 1);
  EXPECT_EQ(ColourDifference(Background(), canvas.Pixels()), "");
}

TEST(PictureDrawGdiTest, ThousandsOfCallsLeaveNoHandleBehind) {
  const THandleKind kinds[] = {THandleKind::Bitmap, THandleKind::DC, THandleKind::Region};
  TDibCanvas canvas(Background());
  const TDibSection picture(Frames());
  long before[3];
  for (int i = 0; i < 3; ++i) before[i] = HandleCounter::Live(kinds[i]);
  const int sections = TDibSection::LiveCount();
  for (int n = 0; n < 1000; ++n) {
    gdi::DrawFrameCell(canvas.DC(), {0, 0, 7, 5}, Frames(), n % 2 == 0, 2, 1 + n % 2);
    gdi::DrawCaptionBack(canvas.DC(), {1, 1, 11, 4}, StackedStrip(), true, n % 2 == 1, 2, 1, {1, 0, 1, 0});
    gdi::TileDraw(canvas.DC(), {0, 0, 12, 8}, Frames(), {0, 0, 3, 2});
    gdi::DrawTransparent(canvas.DC(), {0, 0, 6, 3}, picture.Handle(), RGB(255, 0, 255),
                         n % 2 ? gdi::TTransparentBlit::MaskBlt : gdi::TTransparentBlit::InvertAndMask);
    const TDibSection sliced = gdi::BuildSlicedBitmap(20, 9, Frames(), {1, 1, 1, 1}, false, true, 2, 2);
    ASSERT_FALSE(sliced.Empty());
  }
  for (int i = 0; i < 3; ++i) EXPECT_EQ(HandleCounter::Live(kinds[i]), before[i]) << kHandleKindNames[static_cast<int>(kinds[i])];
  EXPECT_EQ(TDibSection::LiveCount(), sections);
}

}  // namespace
}  // namespace varnelta
