// Region rectangles from pictures: the key colour's tolerance, runs per row with offsets, and
// a window's region collected from a client rectangle and frame pieces.
#include "skin/frame/region_rects.h"

#include <gtest/gtest.h>

#include <vector>

#include "letter_picture.h"

namespace varnelta {
namespace {

using test::LetterPicture;

TEST(RegionRectsTest, KeyColourToleranceWidensOnlyUpwards) {
  struct ToleranceCase {
    TColor key;
    std::uint32_t pixel;  // 0xAARRGGBB
    bool transparent;
  };
  const ToleranceCase cases[] = {
      {kTransparentColour, 0x00FF00FF, true},   // magenta
      {kTransparentColour, 0x00FF01FF, true},   // green 1
      {kTransparentColour, 0xFFFF00FF, true},   // the alpha byte does not count
      {kTransparentColour, 0x00FE00FF, false},  // red 254
      {kTransparentColour, 0x00FF02FF, false},  // green 2
      {kTransparentColour, 0x00FF00FE, false},  // blue 254
      {kTransparentColour, 0x00000000, false},
      {0x1E140A, 0x000A141E, true},   // key red 10, green 20, blue 30
      {0x1E140A, 0x000B151F, true},   // each one above
      {0x1E140A, 0x000C141E, false},  // red two above
      {0x1E140A, 0x0009141E, false},  // red one below
      {0xFFFFFF, 0x00FFFFFF, true},   // white cannot widen at all
      {0xFFFFFF, 0x00FEFFFF, false},
  };
  for (const ToleranceCase& c : cases)
    EXPECT_EQ(IsKeyPixel(c.pixel, c.key), c.transparent) << std::hex << c.key << " " << c.pixel;
}

TEST(RegionRectsTest, RunsOfEachRowWithOffsets) {
  // '#' is magenta and '+' is (255, 1, 255): both transparent.
  const TBitmap picture = LetterPicture({"##ab#c", "###+##", "abcdef", "a+b#cd"});
  const std::vector<TRect> expected = {
      {12, 20, 14, 21}, {15, 20, 16, 21},                    // row 0
      {10, 22, 16, 23},                                      // row 2: the whole row
      {10, 23, 11, 24}, {12, 23, 13, 24}, {14, 23, 16, 24},  // row 3
  };
  EXPECT_EQ(OpaqueRuns(picture, 10, 20), expected);
  EXPECT_EQ(OpaqueRuns(picture, 0, 0).front(), (TRect{2, 0, 4, 1}));
  // A near-magenta that is not within the tolerance is opaque.
  TBitmap edge(3, 1);
  edge.Fill(0xFF00FF);
  edge.SetColour(1, 0, 0xFF00FE);  // (254, 0, 255)
  EXPECT_EQ(OpaqueRuns(edge, 0, 0), (std::vector<TRect>{{1, 0, 2, 1}}));
}

TEST(RegionRectsTest, KeyColouredOrEmptyPicturesGiveNoRectangles) {
  TBitmap magenta(40, 30);
  magenta.Fill(0xFF00FF);
  EXPECT_TRUE(OpaqueRuns(magenta, 5, 5).empty());
  EXPECT_TRUE(OpaqueRuns(TBitmap(), 0, 0).empty());
  // Another key: the same picture is then all opaque.
  EXPECT_EQ(OpaqueRuns(magenta, 0, 0, 0x000000).size(), 30u);
}

TEST(RegionRectsTest, AppendingKeepsWhatIsThere) {
  std::vector<TRect> rects{{0, 0, 1, 1}};
  AppendOpaqueRuns(rects, LetterPicture({"a#"}), 3, 4);
  EXPECT_EQ(rects, (std::vector<TRect>{{0, 0, 1, 1}, {3, 4, 4, 5}}));
}

TEST(RegionRectsTest, WindowRegionFromClientAndPieces) {
  const TBitmap top = LetterPicture({"#abcd#", "aaaaaa"});
  const TBitmap left = LetterPicture({"#a", "aa", "aa", "#a"});
  // A picture larger than its part is clipped to the part.
  const TBitmap bottom = LetterPicture({"abcdefgh", "abcdefgh"});
  const TRegionPart parts[] = {
      {{0, 0, 2, 4}, &left},
      {{10, 0, 12, 4}, nullptr},  // a plain rectangle
      {{2, 0, 8, 2}, &top},
      {{2, 3, 5, 4}, &bottom},
      {{4, 4, 4, 9}, &top},  // empty: nothing
  };
  const std::vector<TRect> expected = {
      {2, 2, 10, 3},                                  // client
      {1, 0, 2, 1}, {0, 1, 2, 2}, {0, 2, 2, 3}, {1, 3, 2, 4},  // left piece
      {10, 0, 12, 4},                                 // plain part
      {3, 0, 7, 1}, {2, 1, 8, 2},                     // top piece
      {2, 3, 5, 4},                                   // bottom piece, clipped
  };
  EXPECT_EQ(CollectRegionRects({2, 2, 10, 3}, parts), expected);
  // An empty client rectangle is left out.
  EXPECT_EQ(CollectRegionRects({5, 5, 5, 9}, std::span(parts).subspan(1, 1)),
            (std::vector<TRect>{{10, 0, 12, 4}}));
}

TEST(RegionRectsTest, BoundingRectangle) {
  struct BoundsCase {
    std::vector<TRect> rects;
    TRect expected;
  };
  const BoundsCase cases[] = {
      {{}, {0, 0, 0, 0}},
      {{{3, 4, 5, 6}}, {3, 4, 5, 6}},
      {{{3, 4, 5, 6}, {-1, 8, 2, 9}}, {-1, 4, 5, 9}},
      {{{3, 4, 5, 6}, {0, 0, 0, 0}, {9, 9, 1, 1}}, {3, 4, 5, 6}},  // empty ones do not count
  };
  for (const BoundsCase& c : cases) EXPECT_EQ(BoundingRect(c.rects), c.expected);
}

}  // namespace
}  // namespace varnelta
