// The portable rules of the glyph and speed buttons: which frame and glyph cell a state shows,
// when a flat button shows the picture, the glyph cells themselves (transparent key, greyed
// disabled cell, fallback to the first cell) and the glyph stored with a form.
#include <gtest/gtest.h>

#include "runtime/form_reader.h"
#include "runtime/glyph.h"
#include "skin/controls/button_layout.h"

namespace varnelta {
namespace {

TEST(SpeedButtonStateTest, FrameCellAndPictureByState) {
  struct Case {
    std::uint8_t mouse;
    bool enabled, down, flat;
    int frame, cell;
    bool picture;
  } cases[] = {
      {0, true, false, false, bfNormal, 1, true},
      {0, true, false, true, bfNormal, 1, false},  // flat: background only
      {kMouseHot, true, false, true, bfHot, 1, true},
      {kMouseHot | kMousePressed, true, false, true, bfPressed, 3, true},
      {0, false, false, false, bfDisabled, 2, true},
      {kMouseHot, false, false, true, bfDisabled, 2, false},
      {0, true, true, true, bfPressed, 4, true},    // held down beats everything
      {0, false, true, false, bfPressed, 4, true},  // even disabled
  };
  for (const Case& c : cases) {
    const int frame = SpeedButtonFrame(c.mouse, c.enabled, c.down);
    EXPECT_EQ(frame, c.frame) << int(c.mouse) << c.enabled << c.down;
    EXPECT_EQ(GlyphCellForFrame(frame, c.down), c.cell) << frame;
    EXPECT_EQ(SpeedButtonShowsPicture(frame, c.flat), c.picture) << frame << c.flat;
  }
}

TEST(GlyphCellForFrameTest, BitButtonCellsFollowTheButtonFrame) {
  EXPECT_EQ(GlyphCellForFrame(bfNormal, false), gcUp);
  EXPECT_EQ(GlyphCellForFrame(bfFocused, false), gcUp);
  EXPECT_EQ(GlyphCellForFrame(bfHot, false), gcUp);
  EXPECT_EQ(GlyphCellForFrame(bfPressed, false), gcDown);
  EXPECT_EQ(GlyphCellForFrame(bfDisabled, false), gcDisabled);
}

// Three 4 x 2 cells: red, green, blue, each with a white bottom-left key pixel.
TBitmap ThreeCells() {
  TBitmap b(12, 2);
  const std::uint32_t colours[] = {0x0000FF, 0x00FF00, 0xFF0000};
  for (int cell = 0; cell < 3; ++cell) b.FillRect(cell * 4, 0, 4, 2, colours[cell]);
  for (int cell = 0; cell < 3; ++cell) b.SetColour(cell * 4, 1, 0xFFFFFF);
  return b;
}

TEST(GlyphCellTest, CellsKeyColourAndFallback) {
  const TBitmap glyph = ThreeCells();
  struct Case {
    int num, wanted;
    std::uint32_t colour;
  } cases[] = {{3, 1, 0x0000FF}, {3, 3, 0xFF0000}, {3, 4, 0x0000FF},  // fewer cells: the first
               {1, 3, 0x0000FF}, {0, 1, 0x0000FF}, {-1, 2, 0x555555}};  // one cell, greyed when disabled
  for (const Case& c : cases) {
    const TBitmap cell = GlyphCell(glyph, c.num, c.wanted);
    const int width = c.num > 1 ? 4 : 12;
    ASSERT_EQ(cell.Width(), width) << c.num;
    EXPECT_EQ(cell.Colour(1, 0), c.colour) << c.num << " " << c.wanted;
    // Every pixel of the key colour (the picture's bottom-left) is left out as magenta.
    EXPECT_EQ(cell.Colour(0, 1), kTransparentColour) << c.num << " " << c.wanted;
  }
  EXPECT_TRUE(GlyphCell(TBitmap{}, 1, 1).Empty());
  EXPECT_TRUE(GlyphCell(glyph, 20, 1).Empty());  // cells narrower than a pixel
}

TEST(GlyphCellTest, DisabledCellIsTheAverageGreyAndMagentaThatIsNoKeyStays) {
  TBitmap b(2, 1);
  b.SetColour(0, 0, 0x000000);  // key
  b.SetColour(1, 0, 0x306090);  // r 0x90, g 0x60, b 0x30
  const TBitmap grey = GlyphCell(b, 1, gcDisabled);
  EXPECT_EQ(grey.Colour(1, 0), 0x606060u);
  b.SetColour(1, 0, kTransparentColour);
  EXPECT_NE(GlyphCell(b, 1, gcUp).Colour(1, 0), kTransparentColour);
}

class GlyphHolder : public TComponent {
 public:
  GlyphHolder() : TComponent(nullptr) {}
  static const TClassInfo& StaticClass() {
    static const TClassInfo info{"GlyphHolder", &TComponent::StaticClass(), {}, {}};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
  void DefineProperties(TFiler& filer) override { glyph.DefineData(filer, "Glyph.Data"); }
  TGlyph glyph;
};

TEST(GlyphStorageTest, StoredPictureRoundTripsAndBadBytesLeaveItEmpty) {
  GlyphHolder source;
  source.SetName("Holder");
  source.glyph.SetBitmap(ThreeCells());
  const std::string text = WriteComponentText(source);
  EXPECT_NE(text.find("Glyph.Data = {"), std::string::npos);
  GlyphHolder read;
  int changes = 0;
  read.glyph.OnChange = [&] { ++changes; };
  ReadComponentText(read, text);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(read.glyph.Width(), 12);
  EXPECT_EQ(read.glyph.Bitmap().Colour(5, 0), 0x00FF00u);

  GlyphHolder bad;
  bad.SetName("X");
  bad.glyph.SetBitmap(ThreeCells());
  ReadComponentText(bad, "object X: GlyphHolder\n  Glyph.Data = {424D0000}\nend\n");
  EXPECT_TRUE(bad.glyph.Empty());
  // Nothing stored for an empty glyph.
  EXPECT_EQ(WriteComponentText(bad).find("Glyph.Data"), std::string::npos);
}

}  // namespace
}  // namespace varnelta
