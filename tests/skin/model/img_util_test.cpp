// Picture operations, colour maths, the gradient palette cache and the gradient fill.
#include "skin/data/img_util.h"

#include <gtest/gtest.h>

#include "skin/data/assertion.h"
#include "skin/data/system_values.h"

namespace varnelta {
namespace {

// A 3 x 2 picture with a distinct colour per pixel.
TBitmap Sample() {
  TBitmap b(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) b.SetColour(x, y, static_cast<TColor>(0x10 * (x + 1) + 0x1000 * (y + 1)));
  return b;
}

TEST(ImgUtilTest, GreyAndMagenta) {
  TBitmap b(3, 1);
  b.SetColour(0, 0, 0x0A1420);  // red 0x20, green 0x14, blue 0x0A: (10 + 20 + 32) / 3 = 20
  b.SetColour(1, 0, 0xFF00FF);
  b.SetColour(2, 0, 0xFF01FF);
  b.SetPixel(0, 0, b.Pixel(0, 0) | 0xFF000000u);  // alpha is dropped
  TBitmap grey = b;
  GrayscaleBitmap(grey);
  EXPECT_EQ(grey.Pixel(0, 0), 0x141414u);
  EXPECT_EQ(grey.Colour(1, 0), 0xAAAAAAu);

  ReplaceMagenta(b, 0x123456);
  EXPECT_EQ(b.Colour(1, 0), 0x123456u);
  EXPECT_EQ(b.Colour(2, 0), 0xFF01FFu);  // green 1 is not magenta
  EXPECT_EQ(b.Pixel(0, 0), 0x20140Au);   // converted to 24 bits

  // A system colour is resolved to its current value.
  TFixedSystemValues fixed;
  TScopedSystemValues scope(fixed);
  TBitmap m(1, 1);
  m.SetColour(0, 0, 0xFF00FF);
  ReplaceMagenta(m, 0xFF00000F);
  EXPECT_EQ(m.Colour(0, 0), fixed.SystemColour(15));
}

TEST(ImgUtilTest, MirrorFlipAndRotations) {
  const TBitmap src = Sample();
  TBitmap mirror = src;
  MirrorBitmap(mirror);
  TBitmap flip = src;
  FlipBitmap(flip);
  TBitmap left = src;
  RotateBitmapLeft(left);
  TBitmap right = src;
  RotateBitmapRight(right);
  ASSERT_EQ(left.Width(), 2);
  ASSERT_EQ(left.Height(), 3);
  ASSERT_EQ(right.Width(), 2);
  ASSERT_EQ(right.Height(), 3);
  const int W = 3, H = 2;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      EXPECT_EQ(mirror.Pixel(W - 1 - x, y), src.Pixel(x, y));
      EXPECT_EQ(flip.Pixel(x, H - 1 - y), src.Pixel(x, y));
      EXPECT_EQ(left.Pixel(y, W - 1 - x), src.Pixel(x, y));
      EXPECT_EQ(right.Pixel(H - 1 - y, x), src.Pixel(x, y));
    }
  RotateBitmapRight(left);
  EXPECT_EQ(left, src);
  TBitmap empty;
  RotateBitmapLeft(empty);
  MirrorBitmap(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(ImgUtilTest, BlendColours) {
  EXPECT_EQ(BlendColours(0xFFFFFF, 0x000000, 50), 0x808080u);
  // Weight 150 of 1000: 15 % of c1, 85 % of c2. (200 * 150 + 0 * 850 + 500) / 1000 = 30.
  EXPECT_EQ(BlendColours(0x0000C8, 0x000000, 150), 0x00001Eu);
  // Weight 70 of 100.
  EXPECT_EQ(BlendColours(0x000064, 0x000000, 70), 0x000046u);
  // Weight 100 is on the scale of 1000: 10 % of c1.
  EXPECT_EQ(BlendColours(0x123456, 0xABCDEF, 100), 0x9CBEE0u);
  EXPECT_EQ(BlendColours(0x123456, 0xABCDEF, 1000), 0x123456u);
  TFixedSystemValues fixed;
  TScopedSystemValues scope(fixed);
  EXPECT_EQ(BlendColours(0xFF000005, 0x000000, 99), BlendColours(0xFFFFFF, 0x000000, 99));
}

TEST(ImgUtilTest, ColourSaturation) {
  EXPECT_EQ(ColourSaturation(0x0000FF), 255);
  EXPECT_EQ(ColourSaturation(0x505050), 200);
  EXPECT_EQ(ColourSaturation(0x000000), 200);
  EXPECT_EQ(ColourSaturation(0xFFFFFF), 0);
  // max 200, min 100: 0.5 * 255 = 127.5, rounded to 128.
  EXPECT_EQ(ColourSaturation(0x6464C8), 128);
  // One channel at 160 is enough to leave the "all below 160" rule.
  EXPECT_EQ(ColourSaturation(0x0000A0), 255);
}

TEST(ImgUtilTest, PaletteEntries) {
  // Three entries from 0 to 200 in red: c1 + (m / 2 + i * d) / m with m = 2.
  auto p = TGradientPaletteCache::Build(3, 0x000000, 0x0000C8);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0], 0x000000u);
  EXPECT_EQ(p[1], 0x000064u);
  EXPECT_EQ(p[2], 0x0000C8u);
  // A falling channel truncates towards zero: 10 + (1 + 2 * -10) / 2 = 10 - 9 = 1.
  p = TGradientPaletteCache::Build(3, 0x00000A, 0x000000);
  EXPECT_EQ(p[2], 0x000001u);
  EXPECT_EQ(p[1], 0x000006u);  // 10 + (1 - 10) / 2 = 10 - 4
  // One entry: c1 + d / 2 per channel.
  p = TGradientPaletteCache::Build(1, 0x102030, 0x203011);
  EXPECT_EQ(p[0], 0x182821u);  // 0x30 + (0x11 - 0x30) / 2 = 48 - 15 = 33
  EXPECT_THROW(TGradientPaletteCache::Build(0, 0, 0), EAssertionFailed);
  TGradientPaletteCache cache;
  try {
    cache.Palette(-1, 0, 0);
    FAIL();
  } catch (const EAssertionFailed& e) {
    EXPECT_STREQ(e.what(), "Assertion failure");
  }
}

TEST(ImgUtilTest, PaletteCacheRoundRobin) {
  TGradientPaletteCache cache;
  const std::vector<TColor>* first = &cache.Palette(10, 0x000000, 0xFFFFFF);
  EXPECT_EQ(cache.BuildCount(), 1);
  EXPECT_EQ(&cache.Palette(10, 0x000000, 0xFFFFFF), first);  // found again
  EXPECT_EQ(cache.BuildCount(), 1);
  cache.Palette(11, 0x000000, 0xFFFFFF);  // another length is another palette
  cache.Palette(10, 0x000001, 0xFFFFFF);
  EXPECT_EQ(cache.BuildCount(), 3);
  // A falling gradient (last entry short of c2) is found again too.
  cache.Palette(3, 0x00000A, 0x000000);
  cache.Palette(3, 0x00000A, 0x000000);
  EXPECT_EQ(cache.BuildCount(), 4);
  for (int i = 0; i < 12; ++i) cache.Palette(100 + i, 0, 0xFFFFFF);
  EXPECT_EQ(cache.BuildCount(), 16);
  EXPECT_EQ(cache.NextSlot(), 0);
  cache.Palette(10, 0x000000, 0xFFFFFF);  // still in slot 0
  EXPECT_EQ(cache.BuildCount(), 16);
  cache.Palette(200, 0, 0xFFFFFF);  // the 17th palette overwrites slot 0
  EXPECT_EQ(cache.NextSlot(), 1);
  cache.Palette(10, 0x000000, 0xFFFFFF);  // so the first one is built again, into slot 1
  EXPECT_EQ(cache.BuildCount(), 18);
  EXPECT_EQ(cache.NextSlot(), 2);
}

TEST(ImgUtilTest, GradientRowsClippedToTheLowerHalf) {
  TBitmap b(5, 40);
  b.Fill(0x010203);
  const TRect clip{0, 20, 5, 40};
  GradientFill(b, {0, 0, 5, 40}, 0x000000, kGradientRows, 0xFFFFFF, &clip);
  const auto palette = TGradientPaletteCache::Build(40, 0x000000, 0xFFFFFF);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(b.Colour(x, y), y < 20 ? 0x010203u : palette[static_cast<std::size_t>(y)]) << y;
  EXPECT_EQ(VisibleGradientBands({0, 0, 5, 40}, kGradientRows, clip).first, 20);
  EXPECT_EQ(VisibleGradientBands({0, 0, 5, 40}, kGradientRows, clip).last, 40);
}

TEST(ImgUtilTest, GradientColumnsAndNothingVisible) {
  TBitmap b(4, 2);
  GradientFill(b, {1, 0, 3, 2}, 0x0000FF, kGradientColumns, 0xFF0000);
  EXPECT_EQ(b.Colour(0, 0), 0u);
  EXPECT_EQ(b.Colour(1, 1), 0x0000FFu);
  EXPECT_EQ(b.Colour(2, 1), 0xFF0000u);
  EXPECT_EQ(b.Colour(3, 0), 0u);
  TBitmap c(4, 2);
  GradientFill(c, {10, 10, 20, 20}, 0xFFFFFF, kGradientRows, 0xFFFFFF);
  GradientFill(c, {0, 0, 4, 0}, 0xFFFFFF, kGradientRows, 0xFFFFFF);
  const TRect away{100, 100, 101, 101};
  GradientFill(c, {0, 0, 4, 2}, 0xFFFFFF, kGradientRows, 0xFFFFFF, &away);
  EXPECT_EQ(c, TBitmap(4, 2));
  // A rectangle partly outside the picture: bands keep their offsets from the rectangle.
  TBitmap d(2, 2);
  GradientFill(d, {0, -2, 2, 2}, 0x000000, kGradientRows, 0x000003);
  EXPECT_EQ(d.Colour(0, 0), 2u);  // band 2 of 0, 1, 2, 3
  EXPECT_EQ(d.Colour(1, 1), 3u);
}

}  // namespace
}  // namespace varnelta
