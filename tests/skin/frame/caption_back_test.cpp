// The caption background strip: fixed ends, a middle repeated without stretching, the right end
// over the last repeat, and ends or frames a skin gets wrong.
#include "skin/frame/caption_back.h"

#include <gtest/gtest.h>

#include <string>

#include "letter_picture.h"

namespace varnelta {
namespace {

using test::LetterPicture;
using test::PictureText;

// Two frames side by side, seven columns each: ends "ab"/"fg" around the middle "cde" in the
// first frame, the same in capitals in the second.
const TBitmap& TwoFrames() {
  static const TBitmap picture = LetterPicture({"abcdefgABCDEFG"});
  return picture;
}

struct StripCase {
  const char* name;
  int width;
  int frameCount;
  int frame;
  TRect ends;
  const char* expected;
};

TEST(CaptionBackTest, EndsAndRepeatedMiddle) {
  const StripCase cases[] = {
      {"repeats, right end over the last", 12, 2, 1, {2, 0, 2, 0}, "abcdecdecdfg"},
      {"second frame", 9, 2, 2, {2, 0, 2, 0}, "ABCDECDFG"},
      {"exactly the ends", 4, 2, 1, {2, 0, 2, 0}, "abfg"},
      {"narrower than the ends: right end wins", 3, 2, 1, {2, 0, 2, 0}, "afg"},
      {"one pixel", 1, 2, 1, {2, 0, 2, 0}, "g"},
      {"no ends: the whole frame repeats", 10, 2, 1, {0, 0, 0, 0}, "abcdefgabc"},
      {"ends cover the frame: no middle, no hang", 10, 2, 1, {3, 0, 4, 0}, "abc...defg"},
      {"ends wider than the frame are dropped", 10, 2, 1, {10, 0, 10, 0}, "abcdefgabc"},
      {"ends together wider than the frame too", 9, 2, 2, {4, 0, 4, 0}, "ABCDEFGAB"},
      {"negative ends count as none", 8, 2, 2, {-3, 0, -1, 0}, "ABCDEFGA"},
      {"frame count 0 is one frame", 6, 0, 1, {2, 0, 2, 0}, "abcdFG"},
      {"frame beyond the count is the last", 5, 2, 7, {2, 0, 2, 0}, "ABCFG"},
      {"frame 0 is the first", 5, 2, 0, {2, 0, 2, 0}, "abcfg"},
  };
  for (const StripCase& c : cases) {
    const TBitmap strip = BuildCaptionBack(c.width, 1, TwoFrames(), false, c.frameCount, c.frame, c.ends);
    EXPECT_EQ(PictureText(strip), c.expected) << c.name;
  }
}

TEST(CaptionBackTest, StackedFramesAreStretchedToTheHeight) {
  // Two stacked frames of two rows each; the strip is four rows high.
  const TBitmap picture = LetterPicture({"abcd", "efgh", "ABCD", "EFGH"});
  const TBitmap strip = BuildCaptionBack(6, 4, picture, true, 2, 2, {1, 0, 1, 0});
  EXPECT_EQ(PictureText(strip), "ABCBCD\nABCBCD\nEFGFGH\nEFGFGH");
}

TEST(CaptionBackTest, EmptySizesAndPicturesGiveNothing) {
  EXPECT_TRUE(BuildCaptionBack(0, 5, TwoFrames(), false, 2, 1, {2, 0, 2, 0}).Empty());
  EXPECT_TRUE(BuildCaptionBack(5, -1, TwoFrames(), false, 2, 1, {2, 0, 2, 0}).Empty());
  EXPECT_TRUE(BuildCaptionBack(5, 1, TBitmap(), false, 2, 1, {2, 0, 2, 0}).Empty());
  // More frames than columns: every frame is empty.
  EXPECT_EQ(PictureText(BuildCaptionBack(3, 1, TwoFrames(), false, 20, 1, {1, 0, 1, 0})), "...");
}

TEST(CaptionBackTest, DrawingIsTransparentOrCopiedAndEmptyRectanglesDrawNothing) {
  const TBitmap picture = LetterPicture({"a#b"});
  struct DrawCase {
    const char* name;
    TRect rect;
    bool transparent;
    const char* expected;
  };
  const DrawCase cases[] = {
      {"transparent", {1, 0, 6, 1}, true, "zazzzbzz"},
      {"copied", {1, 0, 6, 1}, false, "za###bzz"},
      {"clipped by the target", {5, 0, 11, 1}, false, "zzzzza##"},
      {"empty", {3, 0, 3, 1}, false, "zzzzzzzz"},
      {"inverted", {6, 0, 2, 1}, false, "zzzzzzzz"},
      {"upside down", {1, 1, 6, 0}, false, "zzzzzzzz"},
  };
  for (const DrawCase& c : cases) {
    TBitmap target = LetterPicture({"zzzzzzzz"});
    DrawCaptionBack(target, c.rect, picture, false, c.transparent, 1, 1, {1, 0, 1, 0});
    EXPECT_EQ(PictureText(target), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace varnelta
