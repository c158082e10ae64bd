// The skin picture generator: it draws the same set of pictures, with the same sizes and
// formats, as the ones kept in resources/ (designers may retouch their pixels, not their
// geometry), and its drawing surface keeps magenta for transparency only.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "tests/resources/skin_files.h"
#include "tools/skingen/canvas.h"
#include "tools/skingen/dark_variant.h"
#include "tools/skingen/pictures.h"

namespace varnelta::skingen {
namespace {

namespace fs = std::filesystem;
const fs::path kSkinDir = VARNELTA_SKIN_DIR;
const fs::path kBitmapDir = VARNELTA_BITMAP_DIR;

std::set<std::string> BmpFilesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().extension() == ".bmp") names.insert(entry.path().filename().string());
  return names;
}

TEST(Skingen, DrawsTheSkinPicturesKeptInTheRepository) {
  const std::vector<SkinPicture> pictures = DrawSkinPictures();
  std::set<std::string> names;
  for (const SkinPicture& p : pictures) {
    SCOPED_TRACE(p.file);
    names.insert(p.file);
    TBitmap kept;
    ASSERT_TRUE(kept.LoadFromBytes(testing::ReadBytes(kSkinDir / p.file)));
    EXPECT_EQ(kept.Width(), p.bitmap.Width());
    EXPECT_EQ(kept.Height(), p.bitmap.Height());
    // What is written reads back as drawn.
    TBitmap again;
    ASSERT_TRUE(again.LoadFromBytes(p.bitmap.SaveToBytes()));
    again.MakeOpaque();
    TBitmap drawn = p.bitmap;
    drawn.MakeOpaque();
    EXPECT_EQ(again, drawn);
  }
  EXPECT_EQ(pictures.size(), 34u);
  EXPECT_EQ(names, BmpFilesIn(kSkinDir));
}

TEST(Skingen, DrawsTheProgramBitmapsInTheirFormats) {
  const std::vector<IndexedPicture> pictures = DrawResourcePictures();
  std::set<std::string> names;
  for (const IndexedPicture& p : pictures) {
    SCOPED_TRACE(p.file);
    names.insert(p.file);
    const std::vector<std::uint8_t> bytes = EncodeIndexed(p);
    const auto header = testing::ReadBmpHeader(bytes);
    ASSERT_TRUE(header.has_value());
    const auto kept = testing::ReadBmpHeader(testing::ReadBytes(kBitmapDir / p.file));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(header->width, kept->width);
    EXPECT_EQ(header->height, kept->height);
    EXPECT_EQ(header->bitsPerPixel, kept->bitsPerPixel);
    // The encoded file reads back pixel for pixel through the palette.
    TBitmap decoded;
    ASSERT_TRUE(decoded.LoadFromBytes(bytes));
    ASSERT_EQ(decoded.Width(), p.width);
    ASSERT_EQ(decoded.Height(), p.height);
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        ASSERT_EQ(OpaquePixel(decoded.Pixel(x, y)),
                  p.palette[p.pixels[static_cast<std::size_t>(y * p.width + x)]])
            << x << "," << y;
  }
  EXPECT_EQ(pictures.size(), 30u);  // two grooves, the menu glyphs, 27 media glyphs
  EXPECT_EQ(names, BmpFilesIn(kBitmapDir));
}

TEST(SkingenCanvas, OutlineCoverageDecidesTransparency) {
  // A disc of radius 3 in the middle of an 8 x 8 picture: corners outside, centre inside.
  Canvas c(8, 8, Hex(0x808080));
  const Shape disc = Circle(4, 4, 3);
  c.Draw(disc, Hex(0x204060));
  c.Cover(disc);
  const TBitmap b = c.Finish();
  EXPECT_EQ(OpaquePixel(b.Pixel(0, 0)), 0xFF00FFu);
  EXPECT_EQ(OpaquePixel(b.Pixel(7, 7)), 0xFF00FFu);
  EXPECT_EQ(OpaquePixel(b.Pixel(3, 3)), 0x204060u);
  // An edge pixel inside the outline keeps a blend of the shape and what lay under it.
  const std::uint32_t edge = OpaquePixel(b.Pixel(1, 4));
  EXPECT_NE(edge, 0xFF00FFu);
  EXPECT_NE(edge, 0x204060u);
}

TEST(SkingenCanvas, OpaquePixelsNeverPassForMagenta) {
  // Colours the window region builder would take for magenta are nudged out of its range.
  Canvas c(3, 1);
  c.Set(0, 0, Rgb{255, 0, 255});
  c.Set(1, 0, Rgb{255, 1, 255});
  c.Set(2, 0, Rgb{255, 2, 255});
  c.CoverAll();
  const TBitmap b = c.Finish();
  for (int x = 0; x < 3; ++x) EXPECT_EQ(OpaquePixel(b.Pixel(x, 0)), 0xFF02FFu) << x;
}

}  // namespace
}  // namespace varnelta::skingen

namespace varnelta::skingen {
namespace {

TEST(SkingenDark, DrawsTheDarkPicturesKeptInTheRepository) {
  const fs::path darkDir = VARNELTA_DARK_SKIN_DIR;
  const std::vector<SkinPicture> pictures = DrawDarkSkinPictures();
  std::set<std::string> names;
  for (const SkinPicture& p : pictures) {
    SCOPED_TRACE(p.file);
    names.insert(p.file);
    TBitmap kept;
    ASSERT_TRUE(kept.LoadFromBytes(testing::ReadBytes(darkDir / p.file)));
    EXPECT_EQ(kept.Width(), p.bitmap.Width());
    EXPECT_EQ(kept.Height(), p.bitmap.Height());
  }
  EXPECT_EQ(names, BmpFilesIn(darkDir));
}

TEST(SkingenDark, TurnsGreysRoundAndKeepsStrongColoursAndMagenta) {
  const auto lightness = [](std::uint32_t rgb) {
    const unsigned r = rgb >> 16 & 0xFF, g = rgb >> 8 & 0xFF, b = rgb & 0xFF;
    return (std::max({r, g, b}) + std::min({r, g, b})) / 2;
  };
  struct Case {
    std::uint32_t in;
    bool darker;
  };
  for (const Case& c : std::vector<Case>{{0xFFFFFF, true}, {0xE6EBF5, true}, {0x1F2937, false}, {0x566379, false}}) {
    SCOPED_TRACE(c.in);
    const std::uint32_t out = DarkColour(c.in);
    EXPECT_EQ(lightness(out) < lightness(c.in), c.darker);
  }
  // The accent blue and the close button's red keep their lightness (within rounding).
  for (const std::uint32_t strong : {0x3F73C8u, 0xE5484Du}) {
    EXPECT_NEAR(static_cast<int>(lightness(DarkColour(strong))), static_cast<int>(lightness(strong)), 3);
  }
  EXPECT_EQ(DarkColour(0xFF00FF), 0xFF00FFu);
  // Nothing else becomes the transparent colour.
  for (std::uint32_t rgb = 0; rgb < 0x1000000; rgb += 0x010203) EXPECT_NE(DarkColour(rgb) == 0xFF00FF, rgb != 0xFF00FF);
}

}  // namespace
}  // namespace varnelta::skingen
