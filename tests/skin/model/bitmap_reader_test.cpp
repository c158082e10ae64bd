// The Windows bitmap reader on every depth, row order and compression it supports, and on
// headers that lie.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "runtime/bitmap.h"
#include "tests/skin/model/bmp_builder.h"

namespace varnelta {
namespace {

using test::BmpBuilder;

// Pixels (0x00RRGGBB) of a picture, rows top to bottom.
std::vector<std::uint32_t> PixelsOf(const TBitmap& b) {
  return {b.Pixels().begin(), b.Pixels().end()};
}

TEST(BitmapReaderTest, OneBitBottomUpWithPalette) {
  BmpBuilder bmp;
  bmp.width = 10;
  bmp.height = 2;
  bmp.bpp = 1;
  bmp.palette = {0x102030, 0xA0B0C0};
  // Stored bottom row first; rows padded to 4 bytes. Bottom: 1000000001, top: 0101010101.
  bmp.pixels = {0x80, 0x40, 0, 0, 0x55, 0x40, 0, 0};
  TBitmap b = TBitmap::FromBytes(bmp.Build());
  ASSERT_EQ(b.Width(), 10);
  ASSERT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Pixel(0, 1), 0xA0B0C0u);
  EXPECT_EQ(b.Pixel(1, 1), 0x102030u);
  EXPECT_EQ(b.Pixel(9, 1), 0xA0B0C0u);
  EXPECT_EQ(b.Pixel(0, 0), 0x102030u);
  EXPECT_EQ(b.Pixel(1, 0), 0xA0B0C0u);
  EXPECT_EQ(b.Pixel(9, 0), 0xA0B0C0u);
}

TEST(BitmapReaderTest, FourAndEightBitsTopDown) {
  BmpBuilder four;
  four.width = 3;
  four.height = -2;  // top-down
  four.bpp = 4;
  four.palette.resize(16);
  for (std::uint32_t i = 0; i < 16; ++i) four.palette[i] = i * 0x010101;
  four.pixels = {0x12, 0x30, 0, 0, 0xFE, 0xD0, 0, 0};
  TBitmap b4 = TBitmap::FromBytes(four.Build());
  ASSERT_EQ(b4.Height(), 2);
  EXPECT_EQ(PixelsOf(b4), (std::vector<std::uint32_t>{0x010101, 0x020202, 0x030303, 0x0F0F0F,
                                                       0x0E0E0E, 0x0D0D0D}));

  BmpBuilder eight;
  eight.width = 2;
  eight.height = -2;
  eight.bpp = 8;
  eight.palette = {0x000000, 0x111111, 0x222222};
  eight.pixels = {2, 1, 0, 0, 0, 2, 0, 0};
  TBitmap b8 = TBitmap::FromBytes(eight.Build());
  EXPECT_EQ(PixelsOf(b8), (std::vector<std::uint32_t>{0x222222, 0x111111, 0x000000, 0x222222}));
  // An index past a short colour table reads as black rather than past the table.
  eight.pixels[0] = 200;
  EXPECT_EQ(TBitmap::FromBytes(eight.Build()).Pixel(0, 0), 0u);
}

TEST(BitmapReaderTest, TwentyFourBitsBothOrders) {
  BmpBuilder bmp;
  bmp.width = 2;
  bmp.height = 2;
  // Bottom row first: blue, green, red bytes; each row 6 bytes padded to 8.
  bmp.pixels = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0, 0, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0, 0};
  TBitmap up = TBitmap::FromBytes(bmp.Build());
  EXPECT_EQ(PixelsOf(up), (std::vector<std::uint32_t>{0x131211, 0x161514, 0x030201, 0x060504}));
  bmp.height = -2;
  TBitmap down = TBitmap::FromBytes(bmp.Build());
  EXPECT_EQ(PixelsOf(down), (std::vector<std::uint32_t>{0x030201, 0x060504, 0x131211, 0x161514}));
}

TEST(BitmapReaderTest, ThirtyTwoBitsKeepAlphaAndBitFields) {
  BmpBuilder bmp;
  bmp.width = 1;
  bmp.height = 1;
  bmp.bpp = 32;
  bmp.pixels = {0x10, 0x20, 0x30, 0x80};
  EXPECT_EQ(TBitmap::FromBytes(bmp.Build()).Pixel(0, 0), 0x80302010u);

  // Bit fields with red in the low byte and blue in the third.
  bmp.compression = 3;
  bmp.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
  EXPECT_EQ(TBitmap::FromBytes(bmp.Build()).Pixel(0, 0), 0x00102030u);

  // Sixteen bits, 5-6-5 fields: full red and full blue.
  BmpBuilder b16;
  b16.width = 2;
  b16.height = 1;
  b16.bpp = 16;
  b16.compression = 3;
  b16.masks = {0xF800, 0x07E0, 0x001F};
  b16.pixels = {0x00, 0xF8, 0x1F, 0x00};
  TBitmap b = TBitmap::FromBytes(b16.Build());
  EXPECT_EQ(b.Pixel(0, 0), 0xFF0000u);
  EXPECT_EQ(b.Pixel(1, 0), 0x0000FFu);
  // Sixteen bits without fields are 5-5-5.
  b16.compression = 0;
  b16.masks.clear();
  b16.pixels = {0x00, 0x7C, 0xE0, 0x03};
  b = TBitmap::FromBytes(b16.Build());
  EXPECT_EQ(b.Pixel(0, 0), 0xFF0000u);
  EXPECT_EQ(b.Pixel(1, 0), 0x00FF00u);
}

TEST(BitmapReaderTest, CoreHeaderAndPackedDib) {
  BmpBuilder core;
  core.header_size = 12;
  core.width = 2;
  core.height = 1;
  core.bpp = 8;
  core.palette = {0x0000FF, 0x00FF00};
  core.pixels = {1, 0, 0, 0};
  TBitmap b = TBitmap::FromBytes(core.Build());
  EXPECT_EQ(PixelsOf(b), (std::vector<std::uint32_t>{0x00FF00, 0x0000FF}));

  BmpBuilder dib;
  dib.file_header = false;
  dib.width = 1;
  dib.height = 1;
  dib.pixels = {0xAA, 0xBB, 0xCC, 0};
  TBitmap d;
  EXPECT_TRUE(d.LoadFromDib(dib.Build()));
  EXPECT_EQ(d.Pixel(0, 0), 0xCCBBAAu);
  // Version 5 header with a larger header size.
  BmpBuilder v5;
  v5.header_size = 124;
  v5.width = 1;
  v5.height = 1;
  v5.pixels = {1, 2, 3, 0};
  EXPECT_EQ(TBitmap::FromBytes(v5.Build()).Pixel(0, 0), 0x030201u);
}

TEST(BitmapReaderTest, RunLengthEncodedPictures) {
  BmpBuilder rle8;
  rle8.width = 4;
  rle8.height = 2;
  rle8.bpp = 8;
  rle8.compression = 1;
  rle8.palette = {0x000000, 0x111111, 0x222222, 0x333333};
  // Bottom row: three of colour 1, then an absolute run of one pixel (padded);
  // end of line; top row: delta (+2, 0), two of colour 3; end of picture.
  rle8.pixels = {3, 1, 0, 3, 2, 2, 2, 0, 0, 0, 0, 2, 2, 0, 2, 3, 0, 1};
  TBitmap b = TBitmap::FromBytes(rle8.Build());
  ASSERT_EQ(b.Width(), 4);
  EXPECT_EQ(PixelsOf(b), (std::vector<std::uint32_t>{0, 0, 0x333333, 0x333333, 0x111111, 0x111111,
                                                      0x111111, 0x222222}));
  BmpBuilder rle4;
  rle4.width = 5;
  rle4.height = 1;
  rle4.bpp = 4;
  rle4.compression = 2;
  rle4.palette = {0x000000, 0x0000AA, 0x00BB00};
  // Five pixels alternating 1 and 2, then end of picture.
  rle4.pixels = {5, 0x12, 0, 1};
  b = TBitmap::FromBytes(rle4.Build());
  EXPECT_EQ(PixelsOf(b), (std::vector<std::uint32_t>{0xAA, 0xBB00, 0xAA, 0xBB00, 0xAA}));
  // Runs past the right edge and rows past the top are dropped, not written out of bounds.
  rle4.pixels = {255, 0x12, 0, 2, 10, 10, 255, 0x21, 0, 1};
  b = TBitmap::FromBytes(rle4.Build());
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.Pixel(4, 0), 0xAAu);
}

TEST(BitmapReaderTest, LyingHeadersGiveAnEmptyPicture) {
  BmpBuilder good;
  good.width = 4;
  good.height = 4;
  good.bpp = 8;
  good.palette = {0x123456};
  good.pixels.assign(16, 0);
  ASSERT_FALSE(TBitmap::FromBytes(good.Build()).Empty());

  auto rejected = [](const BmpBuilder& bmp) {
    TBitmap b;
    bool ok = b.LoadFromBytes(bmp.Build());
    return !ok && b.Empty();
  };
  BmpBuilder bad = good;
  bad.pixels.resize(15);  // truncated pixels
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.pixel_offset = 2000;  // pixels beyond the file
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.pixel_offset = 20;  // pixels inside the headers
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.colours_used = 257;  // more colours than 8 bits index
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.colours_used = 200;  // a colour table running past the file
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.width = 0;
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.width = -4;
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.height = INT32_MIN;
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.width = 0x10000;  // width x height overflows 32 bits and is beyond the limits
  bad.height = 0x10000;
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.width = 0x40000001;  // the row size overflows 32 bits
  bad.height = 1;
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.bpp = 7;
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.planes = 2;
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.header_size = 1000;  // header larger than the file
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.header_size = 20;  // no such header
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.compression = 4;  // embedded JPEG
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.compression = 2;  // 4-bit run lengths on an 8-bit picture
  EXPECT_TRUE(rejected(bad));
  bad = good;
  bad.compression = 1;
  bad.height = -4;  // run lengths top-down
  EXPECT_TRUE(rejected(bad));

  // A lower limit for one read.
  TBitmap limited;
  EXPECT_FALSE(limited.LoadFromBytes(good.Build(), 15));
  EXPECT_TRUE(limited.LoadFromBytes(good.Build(), 16));

  std::vector<std::uint8_t> bytes = good.Build();
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    TBitmap b;
    EXPECT_FALSE(b.LoadFromBytes({bytes.data(), n})) << n;
  }
}

}  // namespace
}  // namespace varnelta
