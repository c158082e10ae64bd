// The portable bitmap: pixels, rectangles and the Windows bitmap file reader and writer.
#include "runtime/bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/skin/model/bmp_builder.h"

namespace varnelta {
namespace {

using test::BmpBuilder;

TEST(BitmapTest, ColourAndPixelConventions) {
  EXPECT_EQ(PixelFromColour(0x00332211), 0x00112233u);
  EXPECT_EQ(ColourFromPixel(0xAA112233), 0x00332211u);
  TBitmap b(3, 2);
  b.SetColour(2, 1, 0x00FF8040);
  EXPECT_EQ(b.Pixel(2, 1), 0x004080FFu);
  EXPECT_EQ(b.Colour(2, 1), 0x00FF8040u);
  // Bytes in memory are blue, green, red, alpha.
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(b.Row(1) + 2);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0x80);
  EXPECT_EQ(bytes[2], 0x40);
  EXPECT_EQ(b.Pixel(3, 0), 0u);   // outside reads as 0
  b.SetPixel(-1, 0, 0xFFFFFF);    // outside writes are ignored
  EXPECT_EQ(b.Pixel(0, 0), 0u);
}

TEST(BitmapTest, SizeLimits) {
  TBitmap b;
  EXPECT_TRUE(b.Empty());
  EXPECT_TRUE(b.SetSize(4, 5));
  EXPECT_EQ(b.Pixels().size(), 20u);
  EXPECT_FALSE(b.SetSize(0, 5));
  EXPECT_TRUE(b.Empty());
  EXPECT_FALSE(b.SetSize(TBitmap::kMaxSide + 1, 1));
  EXPECT_FALSE(b.SetSize(TBitmap::kMaxSide, TBitmap::kMaxSide));
  EXPECT_EQ(b.Width(), 0);
}

TEST(BitmapTest, FillRectAndCopyAreClipped) {
  TBitmap b(4, 4);
  b.Fill(0x0000FF);
  b.FillRect(2, 1, 100, 100, 0x00FF00);
  b.FillRect(-5, -5, 6, 6, 0xFF0000);
  EXPECT_EQ(b.Colour(0, 0), 0xFF0000u);
  EXPECT_EQ(b.Colour(1, 1), 0x0000FFu);
  EXPECT_EQ(b.Colour(3, 3), 0x00FF00u);
  EXPECT_EQ(b.Colour(1, 3), 0x0000FFu);
  EXPECT_EQ(b.Colour(2, 0), 0x0000FFu);

  TBitmap d(3, 3);
  d.CopyRect(-1, 1, b, 0, 0, 4, 4);  // source column 1.. lands at 0..
  EXPECT_EQ(d.Colour(0, 0), 0u);
  EXPECT_EQ(d.Colour(0, 1), 0x0000FFu);  // source (1, 0); source column 0 is clipped away
  EXPECT_EQ(d.Colour(1, 2), 0x00FF00u);  // source (2, 1)
  EXPECT_EQ(d.Colour(2, 2), 0x00FF00u);  // source (3, 1)
  EXPECT_EQ(d.Colour(0, 2), 0x0000FFu);  // source (1, 1)
  d.CopyRect(0, 0, b, 10, 10, 5, 5);     // nothing of the source there
  EXPECT_EQ(d.Colour(1, 2), 0x00FF00u);

  TBitmap part = b.Copy(1, 1, 10, 10);
  EXPECT_EQ(part.Width(), 3);
  EXPECT_EQ(part.Height(), 3);
  EXPECT_EQ(part.Colour(2, 2), 0x00FF00u);
  EXPECT_TRUE(b.Copy(4, 0, 1, 1).Empty());
}

TEST(BitmapTest, TransparentCopySkipsMagentaOnly) {
  TBitmap src(3, 1);
  src.SetColour(0, 0, 0xFF00FF);
  src.SetColour(1, 0, 0xFF01FF);
  src.SetColour(2, 0, 0x123456);
  TBitmap dst(3, 1);
  dst.Fill(0x777777);
  dst.CopyRectTransparent(0, 0, src, 0, 0, 3, 1);
  EXPECT_EQ(dst.Colour(0, 0), 0x777777u);
  EXPECT_EQ(dst.Colour(1, 0), 0xFF01FFu);
  EXPECT_EQ(dst.Colour(2, 0), 0x123456u);
}

TEST(BitmapTest, WriterRoundTrip) {
  TBitmap b(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) b.SetColour(x, y, static_cast<std::uint32_t>(x * 40 + y * 0x1100 + 0x30000 * x));
  std::vector<std::uint8_t> bytes = b.SaveToBytes();
  // 14 + 40 header bytes, rows of 15 bytes padded to 16.
  ASSERT_EQ(bytes.size(), 14u + 40u + 16u * 3u);
  EXPECT_EQ(bytes[28], 24);  // bits per pixel
  TBitmap back = TBitmap::FromBytes(bytes);
  EXPECT_EQ(back, b);
  EXPECT_TRUE(TBitmap().SaveToBytes().empty());
}

}  // namespace
}  // namespace varnelta
