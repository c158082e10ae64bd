// Skin pixel values at other DPIs: lengths, margins, and frame strips scaled frame by frame.
#include "skin/frame/dpi_scale.h"

#include <gtest/gtest.h>

#include "letter_picture.h"

namespace varnelta {
namespace {

using test::LetterPicture;
using test::PictureText;

TEST(DpiScaleTest, LengthsRoundToTheNearestPixel) {
  struct LengthCase {
    int value;
    int dpi;
    int expected;
  };
  const LengthCase cases[] = {
      {4, 96, 4},    {30, 96, 30},  {4, 144, 6},   {30, 144, 45}, {586, 144, 879},
      {5, 120, 6},   {3, 120, 4},   {1, 144, 2},   {-3, 144, -5}, {7, 192, 14},
      {4, 72, 3},    {4, 0, 4},     {4, -96, 4},   {0, 144, 0},
  };
  for (const LengthCase& c : cases)
    EXPECT_EQ(ScalePixel(c.value, c.dpi), c.expected) << c.value << " at " << c.dpi;
  EXPECT_EQ(ScalePixels({2, 30, 4, 12}, 144), (TRect{3, 45, 6, 18}));
  EXPECT_EQ(ScalePixels({2, 30, 4, 12}, 96), (TRect{2, 30, 4, 12}));
}

TEST(DpiScaleTest, FrameStripsAtTheDesignDpiStayAsTheyAre) {
  // Seven columns for two frames: the spare column stays too.
  const TBitmap picture = LetterPicture({"ab#cdeX", "fghijkY"});
  for (int dpi : {96, 0, -1}) EXPECT_EQ(ScaleFrameStrip(picture, 2, false, dpi), picture) << dpi;
}

TEST(DpiScaleTest, EveryFrameIsScaledOnItsOwn) {
  // Two 2 x 2 frames side by side, one of them with a magenta pixel.
  const TBitmap sideBySide = LetterPicture({"a#cd", "efgh"});
  EXPECT_EQ(PictureText(ScaleFrameStrip(sideBySide, 2, false, 144)),
            "a##cdd\n"
            "effghh\n"
            "effghh");
  // Stacked frames; the 1 x 1 frames become 2 x 2.
  const TBitmap stacked = LetterPicture({"a", "b", "c"});
  EXPECT_EQ(PictureText(ScaleFrameStrip(stacked, 3, true, 192)), "aa\naa\nbb\nbb\ncc\ncc");
  // A frame count of 0 counts as one frame.
  EXPECT_EQ(ScaleFrameStrip(sideBySide, 0, false, 192).Width(), 8);
  EXPECT_TRUE(ScaleFrameStrip(TBitmap(), 2, false, 144).Empty());
}

}  // namespace
}  // namespace varnelta
