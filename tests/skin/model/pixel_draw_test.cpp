// Portable drawing of skin pictures: frame cells, stretching, tiling, 9-slice scaling.
#include "skin/data/pixel_draw.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/skin/frame/letter_picture.h"

namespace varnelta {
namespace {

// A 6 x 6 frame whose 2-pixel border is red, corners green and middle blue; `frames` of them
// side by side, frame k brightened by k in its blue channel.
TBitmap Framed(int frames) {
  TBitmap b(6 * frames, 6);
  for (int k = 0; k < frames; ++k)
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) {
        const bool edgeX = x < 2 || x >= 4, edgeY = y < 2 || y >= 4;
        TColor c = edgeX && edgeY ? 0x00FF00 : (edgeX || edgeY) ? 0x0000FF : 0xF00000u + (static_cast<TColor>(k) << 16);
        b.SetColour(6 * k + x, y, c);
      }
  return b;
}

TEST(PixelDrawTest, FrameCells) {
  TBitmap b(30, 10);
  EXPECT_EQ(FrameCell(b, 3, 2), (TRect{10, 0, 20, 10}));
  EXPECT_EQ(FrameCell(b, 5, 1, true), (TRect{0, 0, 30, 2}));
  EXPECT_EQ(FrameCell(b, 0, 1), (TRect{0, 0, 30, 10}));  // no frames counts as one
  EXPECT_EQ(FrameCell(b, 3, 9), (TRect{20, 0, 30, 10}));  // kept to the last frame
}

TEST(PixelDrawTest, StretchIsNearestNeighbour) {
  TBitmap src(2, 1);
  src.SetColour(0, 0, 0x000001);
  src.SetColour(1, 0, 0x000002);
  TBitmap d(4, 2);
  StretchCopy(d, {0, 0, 4, 2}, src, {0, 0, 2, 1});
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(d.Colour(0, y), 1u);
    EXPECT_EQ(d.Colour(1, y), 1u);
    EXPECT_EQ(d.Colour(2, y), 2u);
    EXPECT_EQ(d.Colour(3, y), 2u);
  }
  // Shrinking samples pixel centres; transparent skips magenta; off-picture parts are skipped.
  TBitmap wide(4, 1);
  wide.SetColour(0, 0, 0x0A);
  wide.SetColour(1, 0, 0xFF00FF);
  wide.SetColour(2, 0, 0x0C);
  wide.SetColour(3, 0, 0x0D);
  TBitmap e(2, 1);
  e.Fill(0x777777);
  StretchCopy(e, {0, 0, 2, 1}, wide, {0, 0, 4, 1}, true);
  EXPECT_EQ(e.Colour(0, 0), 0x777777u);  // samples x = 1, magenta
  EXPECT_EQ(e.Colour(1, 0), 0x0Du);      // samples x = 3
  StretchCopy(e, {-5, -5, 50, 50}, wide, {0, 0, 4, 1});
  StretchCopy(e, {0, 0, 0, 1}, wide, {0, 0, 4, 1});
}

TEST(PixelDrawTest, SlicedBitmapKeepsMarginsAndStretchesTheMiddle) {
  const TBitmap image = Framed(2);
  const TRect m{2, 2, 2, 2};
  TBitmap big = BuildSlicedBitmap(10, 8, image, m, false, false, 2, 2);
  ASSERT_EQ(big.Width(), 10);
  EXPECT_EQ(big.Colour(0, 0), 0x00FF00u);
  EXPECT_EQ(big.Colour(9, 7), 0x00FF00u);
  EXPECT_EQ(big.Colour(8, 1), 0x00FF00u);
  EXPECT_EQ(big.Colour(5, 0), 0x0000FFu);  // top edge
  EXPECT_EQ(big.Colour(0, 4), 0x0000FFu);  // left edge
  EXPECT_EQ(big.Colour(9, 4), 0x0000FFu);  // right edge
  EXPECT_EQ(big.Colour(5, 7), 0x0000FFu);  // bottom edge
  EXPECT_EQ(big.Colour(2, 2), 0xF10000u);  // middle of frame 2
  EXPECT_EQ(big.Colour(7, 5), 0xF10000u);

  // Narrower than both fixed columns: the whole frame is scaled as the middle.
  TBitmap narrow = BuildSlicedBitmap(3, 6, image, m, false, false, 2, 1);
  EXPECT_EQ(narrow.Colour(0, 0), 0x00FF00u);  // the frame's own corner, squeezed
  EXPECT_EQ(narrow.Colour(1, 3), 0xF00000u);
  EXPECT_EQ(narrow.Colour(0, 3), 0x0000FFu);

  EXPECT_TRUE(BuildSlicedBitmap(0, 5, image, m, false, false, 2, 1).Empty());
  EXPECT_EQ(BuildSlicedBitmap(4, 4, TBitmap(), m, false, false, 1, 1), TBitmap(4, 4));
}

TEST(PixelDrawTest, TiledMiddleAndVerticalStrips) {
  // A 1-pixel frame around a 2 x 1 middle of two colours, tiled over a wider middle.
  TBitmap image(4, 3);
  image.Fill(0x000000);
  image.SetColour(1, 1, 0x0000AA);
  image.SetColour(2, 1, 0x0000BB);
  TBitmap tiled = BuildSlicedBitmap(8, 3, image, {1, 1, 1, 1}, false, true, 1, 1);
  EXPECT_EQ(tiled.Colour(1, 1), 0xAAu);
  EXPECT_EQ(tiled.Colour(2, 1), 0xBBu);
  EXPECT_EQ(tiled.Colour(3, 1), 0xAAu);
  EXPECT_EQ(tiled.Colour(6, 1), 0xBBu);
  EXPECT_EQ(tiled.Colour(7, 1), 0x00u);  // the right edge is drawn over the last tile

  // Stacked frames: the second of two 4 x 3 frames.
  TBitmap stacked(4, 6);
  stacked.FillRect(0, 3, 4, 3, 0x123456);
  TBitmap second = BuildSlicedBitmap(4, 3, stacked, {}, true, false, 2, 2);
  EXPECT_EQ(second.Colour(0, 0), 0x123456u);
  EXPECT_EQ(second.Colour(3, 2), 0x123456u);
}

TEST(PixelDrawTest, FrameCellDrawingAndTransparentImages) {
  const TBitmap image = Framed(2);
  TBitmap target(12, 12);
  DrawFrameCell(target, {0, 0, 12, 12}, image, false, 2, 2);
  EXPECT_EQ(target.Colour(6, 6), 0xF10000u);
  EXPECT_EQ(target.Colour(0, 0), 0x00FF00u);
  TBitmap glyph(2, 1);
  glyph.SetColour(0, 0, 0xFF00FF);
  glyph.SetColour(1, 0, 0x010101);
  DrawImage(target, 0, 0, glyph, true);
  EXPECT_EQ(target.Colour(0, 0), 0x00FF00u);
  EXPECT_EQ(target.Colour(1, 0), 0x010101u);
  DrawImage(target, 0, 0, glyph, false);
  EXPECT_EQ(target.Colour(0, 0), 0xFF00FFu);
  TBitmap same = target;
  DrawFrameCell(target, {5, 5, 5, 9}, image, false, 2, 1);
  EXPECT_EQ(target, same);
}

TEST(PixelDrawTest, MarginsAreFittedToTheCell) {
  struct FitCase {
    const char* name;
    TRect margins;
    TRect expected;
  };
  // The cell is 10 wide and 6 high.
  const FitCase cases[] = {
      {"inside", {2, 1, 3, 4}, {2, 1, 3, 4}},
      {"filling the cell exactly", {4, 3, 6, 3}, {4, 3, 6, 3}},
      {"below zero", {-2, -1, 3, -5}, {0, 0, 3, 0}},
      {"one wider than the cell", {11, 1, 0, 2}, {0, 1, 0, 2}},
      {"both together wider", {6, 4, 5, 2}, {0, 4, 0, 2}},
      {"higher together", {1, 3, 1, 4}, {1, 0, 1, 0}},
      {"one higher than the cell", {0, 7, 0, 0}, {0, 0, 0, 0}},
      {"no overflow", {INT_MAX, INT_MAX, INT_MAX, 0}, {0, 0, 0, 0}},
  };
  for (const FitCase& c : cases) EXPECT_EQ(ClampMargins(c.margins, 10, 6), c.expected) << c.name;
}

TEST(PixelDrawTest, SlicedBitmapsNeverReadOutsideTheirFrame) {
  using test::LetterPicture;
  using test::PictureText;
  // Two frames of 4 x 2 side by side: lower case, then capitals.
  const TBitmap image = LetterPicture({"abcdABCD", "efghEFGH"});
  struct SliceCase {
    const char* name;
    int width;
    TRect margins;
    int frameCount;
    int frame;
    const char* expected;
  };
  const SliceCase cases[] = {
      {"fixed columns kept", 6, {1, 0, 1, 0}, 2, 1, "abbccd\neffggh"},
      {"columns beyond the frame dropped", 6, {9, 0, 9, 0}, 2, 1, "abbcdd\neffghh"},
      {"a column wider than the frame dropped", 6, {5, 0, 0, 0}, 2, 2, "ABBCDD\nEFFGHH"},
      {"negative columns count as none", 4, {-1, 0, -3, 0}, 2, 2, "ABCD\nEFGH"},
      {"frame count 0 is one frame", 8, {}, 0, 1, "abcdABCD\nefghEFGH"},
      {"frame beyond the count is the last", 4, {}, 2, 3, "ABCD\nEFGH"},
      {"frame below 1 is the first", 4, {}, 2, -4, "abcd\nefgh"},
  };
  for (const SliceCase& c : cases) {
    const TBitmap b = BuildSlicedBitmap(c.width, 2, image, c.margins, false, false, c.frameCount, c.frame);
    EXPECT_EQ(PictureText(b), c.expected) << c.name;
  }
}

TEST(PixelDrawTest, TiledMiddleRunningPastItsAreaIsCoveredByTheLaterPieces) {
  using test::LetterPicture;
  using test::PictureText;
  // A 1-pixel frame (corners w x y z, edges t l r b) around a 2 x 2 middle of four letters.
  const TBitmap image = LetterPicture({"wttx", "lmnr", "lopr", "ybbz"});
  // The middle (5 x 3) takes three columns and two rows of tiles: the last ones reach into the
  // right edge and the bottom row, which are drawn after it.
  const TBitmap b = BuildSlicedBitmap(7, 5, image, {1, 1, 1, 1}, false, true, 1, 1);
  EXPECT_EQ(PictureText(b),
            "wtttttx\n"
            "lmnmnmr\n"
            "lopopor\n"
            "lmnmnmr\n"
            "ybbbbbz");
}

}  // namespace
}  // namespace varnelta
