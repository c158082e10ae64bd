// Varnelta's own skin and bitmap resources: the stored skin packs what resources/skin holds,
// the description and its pictures agree on every size and frame count, and the program's
// bitmap resources are the pictures the painters expect.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "runtime/bitmap.h"
#include "skin/data/skin_reader.h"
#include "tests/resources/skin_files.h"

namespace varnelta {
namespace {

namespace fs = std::filesystem;
using testing::BmpHeader;
using testing::Description;
using testing::Lower;
using testing::ReadBmpHeader;
using testing::ReadBytes;

const fs::path kSkinDir = VARNELTA_SKIN_DIR;
const fs::path kBitmapDir = VARNELTA_BITMAP_DIR;
const fs::path kStoredSkin = VARNELTA_STORED_SKIN;

constexpr std::uint32_t kMagenta = 0xFF00FF;

class SkinResources : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<std::uint8_t> text = ReadBytes(kSkinDir / "varnelta.ini");
    ASSERT_FALSE(text.empty()) << "no description in " << kSkinDir;
    ini_ = std::make_unique<Description>(std::string(text.begin(), text.end()));
  }

  TBitmap Picture(const std::string& section, const std::string& key) const {
    const auto name = ini_->Get(section, key);
    if (!name) {
      ADD_FAILURE() << "[" << section << "] " << key << " names no picture";
      return {};
    }
    TBitmap b;
    EXPECT_TRUE(b.LoadFromBytes(ReadBytes(kSkinDir / *name))) << *name;
    return b;
  }

  const Description& ini() const { return *ini_; }

 private:
  std::unique_ptr<Description> ini_;
};

std::set<std::string> BmpFilesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().extension() == ".bmp") names.insert(entry.path().filename().string());
  return names;
}

TEST_F(SkinResources, StoredSkinHoldsTheDescriptionAndEveryPictureUnchanged) {
  const std::vector<std::uint8_t> stream = ReadBytes(kStoredSkin);
  ASSERT_FALSE(stream.empty()) << kStoredSkin;
  TSkinReader reader([](const std::string& message) { ADD_FAILURE() << message; });
  ASSERT_TRUE(reader.LoadFromStream(stream));
  EXPECT_EQ(reader.FormatCode(), 40000);
  ASSERT_EQ(reader.Count(), 35u);

  int descriptions = 0;
  int pictures = 0;
  for (const TSkinReader::Entry& entry : reader.Entries()) {
    ASSERT_TRUE(entry.available) << entry.name;
    const std::span<const std::uint8_t> data = reader.Data(entry);
    const std::vector<std::uint8_t> source = ReadBytes(kSkinDir / entry.name);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), source.begin(), source.end())) << entry.name;
    if (entry.name.ends_with(".ini")) ++descriptions;
    if (entry.name.ends_with(".bmp")) {
      ++pictures;
      EXPECT_TRUE(ReadBmpHeader(source).has_value()) << entry.name;
    }
  }
  EXPECT_EQ(descriptions, 1);
  EXPECT_EQ(pictures, 34);

  std::vector<std::uint8_t> description;
  std::string name;
  ASSERT_TRUE(reader.ExtractFirstMatch(".ini", description, name));
  EXPECT_EQ(name, "varnelta.ini");
}

TEST_F(SkinResources, DescriptionNamesExactlyThePicturesOfItsFolder) {
  std::set<std::string> named;
  ini().ForEachValue([&](const std::string& section, const std::string& key, const std::string& value) {
    if (Lower(value).ends_with(".bmp")) {
      // The parse takes only a lower-case extension and plain names.
      EXPECT_TRUE(value.ends_with(".bmp")) << section << "." << key;
      EXPECT_EQ(value.find_first_of("/\\"), std::string::npos) << value;
      EXPECT_EQ(value, Lower(value)) << "archive names are lower case: " << value;
      named.insert(value);
    }
  });
  EXPECT_EQ(named, BmpFilesIn(kSkinDir));
  EXPECT_EQ(named.size(), 34u);
  for (const std::string& file : named) {
    TBitmap b;
    EXPECT_TRUE(b.LoadFromBytes(ReadBytes(kSkinDir / file))) << file;
    EXPECT_FALSE(b.Empty()) << file;
  }
}

TEST_F(SkinResources, ColoursAndTheSectionsTheProgramRelies) {
  // ButtonFace 230 235 245, that is the colour 0xF5EBE6.
  const auto face = ini().Get("Colours", "ButtonFace");
  ASSERT_TRUE(face.has_value());
  EXPECT_EQ(*face, "230 235 245");
  EXPECT_FALSE(ini().Has("SunkEdge")) << "the combo arrow is the recoloured combo button";
  EXPECT_EQ(ini().Get("TitlebarSkin", "SkinName").value_or(""), "Varnelta Light");
  for (const char* key : {"WindowText", "ButtonFace", "ButtonText", "ButtonShadow", "Hilight",
                          "HilightText", "Menu", "MenuText", "TitleTextActive",
                          "TitleTextNoActive"})
    EXPECT_TRUE(ini().Get("Colours", key).has_value()) << key;
}

TEST_F(SkinResources, TitleButtonsFitTheTitleBar) {
  // The title button sections are exactly [Button0] to [Button4], in that order.
  std::vector<std::string> buttons;
  for (const std::string& s : ini().Sections()) {
    const std::string upper = [&] {
      std::string u = s;
      for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      return u;
    }();
    if (upper.starts_with("BUTTON") && upper != "BUTTONS" && upper != "BUTTON" &&
        upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX")
      buttons.push_back(s);
  }
  EXPECT_EQ(buttons, (std::vector<std::string>{"Button0", "Button1", "Button2", "Button3", "Button4"}));

  // [Button4] is the window icon: action 3 without a picture.
  EXPECT_EQ(ini().Int("Button4", "Action", -99), 3);
  EXPECT_FALSE(ini().Get("Button4", "ButtonImage").has_value());

  const int title = Picture("Personality", "Top").Height() / ini().Int("Personality", "TopFrame", 1);
  const int side = Picture("Personality", "Right").Width() / ini().Int("Personality", "RightFrame", 1);
  int leftmost = 1 << 30;  // the largest distance of a right-aligned button from the right edge
  std::vector<std::pair<int, int>> spans;
  for (const char* section : {"Button0", "Button1", "Button2", "Button3"}) {
    SCOPED_TRACE(section);
    const TBitmap image = Picture(section, "ButtonImage");
    const int frames = ini().Int(section, "frame", 0);
    ASSERT_EQ(frames, 4) << "normal, pressed, hot, disabled";
    ASSERT_EQ(image.Width() % frames, 0);
    const int w = image.Width() / frames;
    const int y = ini().Int(section, "Ycoord", 0);
    const int x = ini().Int(section, "Xcoord", 0);
    EXPECT_EQ(ini().Int(section, "Align", 0), 1);
    EXPECT_GE(y, 1);
    EXPECT_LE(y + image.Height(), title - 1);
    EXPECT_GE(x - w, side) << "clear of the right frame edge";
    leftmost = std::min(leftmost, -x);
    spans.push_back({-x, -x + w});
    // Frames 1 to 3 are opaque, so that a hover change painted on the window replaces the
    // previous look; frame 4 serves active and inactive title bars and is see-through.
    for (int px = 0; px < 3 * w; ++px)
      for (int py = 0; py < image.Height(); ++py)
        ASSERT_NE(OpaquePixel(image.Pixel(px, py)), kMagenta) << px << "," << py;
    EXPECT_EQ(OpaquePixel(image.Pixel(3 * w, 0)), kMagenta);
  }
  // Buttons sharing a place are the maximise/restore pair, shown one at a time.
  std::sort(spans.begin(), spans.end());
  spans.erase(std::unique(spans.begin(), spans.end()), spans.end());
  for (std::size_t i = 1; i < spans.size(); ++i) EXPECT_LE(spans[i - 1].second, spans[i].first);
  EXPECT_EQ(spans.size(), 3u);
  // The caption is clipped before the leftmost button.
  EXPECT_GE(ini().Int("Personality", "TextRightClip", 0), -leftmost - side);
  // The caption starts after the window icon.
  EXPECT_GE(side + ini().Int("Personality", "TextShift", 0),
            ini().Int("Button4", "Xcoord", 0) + 16);
}

TEST_F(SkinResources, FrameEdgesShapeARoundedWindow) {
  const TBitmap left = Picture("Personality", "Left");
  const TBitmap right = Picture("Personality", "Right");
  const TBitmap top = Picture("Personality", "Top");
  const TBitmap bottom = Picture("Personality", "Bottom");
  for (const char* edge : {"Left", "Right", "Top", "Bottom"})
    EXPECT_EQ(ini().Int("Personality", std::string(edge) + "Frame", 1), 2) << "active, inactive";
  ASSERT_EQ(left.Width() % 2, 0);
  const int side = left.Width() / 2;
  EXPECT_EQ(right.Width() / 2, side);
  const int title = top.Height() / 2;
  const int bottomHeight = bottom.Height() / 2;
  EXPECT_EQ(ini().Int("Personality", "LeftTopHeight", 0), title);
  EXPECT_EQ(ini().Int("Personality", "RightTopHeight", 0), title);
  EXPECT_EQ(ini().Int("Personality", "LeftBotHeight", 0), bottomHeight);
  EXPECT_EQ(ini().Int("Personality", "RightBotHeight", 0), bottomHeight);
  EXPECT_GT(left.Height(), title + bottomHeight);
  EXPECT_EQ(right.Height(), left.Height());
  EXPECT_EQ(bottom.Width(), top.Width());
  EXPECT_LE(2 * ini().Int("Personality", "TopTopHeight", 0), top.Width());

  for (int frame = 0; frame < 2; ++frame) {
    SCOPED_TRACE(frame);
    const int lx = frame * side;
    const int h = left.Height();
    // Corners cut out; the edges themselves are solid.
    EXPECT_EQ(OpaquePixel(left.Pixel(lx, 0)), kMagenta);
    EXPECT_EQ(OpaquePixel(left.Pixel(lx, h - 1)), kMagenta);
    EXPECT_EQ(OpaquePixel(right.Pixel(lx + side - 1, 0)), kMagenta);
    EXPECT_EQ(OpaquePixel(right.Pixel(lx + side - 1, h - 1)), kMagenta);
    for (int y = title; y < h - bottomHeight; ++y) {
      EXPECT_NE(OpaquePixel(left.Pixel(lx, y)), kMagenta) << y;
      EXPECT_NE(OpaquePixel(right.Pixel(lx + side - 1, y)), kMagenta) << y;
    }
    // The top corners reach into the ends of the top piece; its middle is solid.
    EXPECT_EQ(OpaquePixel(top.Pixel(0, frame * title)), kMagenta);
    for (int x = ini().Int("Personality", "TopTopHeight", 0);
         x < top.Width() - ini().Int("Personality", "TopBotHeight", 0); ++x)
      for (int y = 0; y < title; ++y)
        ASSERT_NE(OpaquePixel(top.Pixel(x, frame * title + y)), kMagenta) << x << "," << y;
  }
  // The caption background is as high as the title bar, in two stacked frames.
  const TBitmap back = Picture("Personality", "TextBack");
  EXPECT_EQ(back.Height(), 2 * title);
  EXPECT_GT(back.Width(), ini().Int("Personality", "TXTBackleft", 0) +
                              ini().Int("Personality", "TXTBackRight", 0));
}

// Every element picture splits into its frames, and its fixed margins fit in one frame.
TEST_F(SkinResources, ElementPicturesSplitIntoTheirFrames) {
  struct Element {
    std::string section, key;
    int frames;
    bool stacked = false;
    bool square = false;
  };
  const std::vector<Element> elements{
      {"Buttons", "Bitmap", 5},
      {"Buttons", "CheckButton", ini().Int("Buttons", "CheckButtonFrame", 0)},
      {"Buttons", "RadioButton", ini().Int("Buttons", "RadioButtonFrame", 0)},
      {"Personality", "menuBar", 2, true},
      {"ComboButton", "Image", 4},
      {"ExtraImages", "Image", 5},
      {"Scrollbar", "Image", 23, false, true},
      {"HorzScroll", "Image", 4},
      {"VertScroll", "Image", 4},
      {"HorzScrollThumb", "Image", ini().Int("HorzScrollThumb", "FrameCount", 3)},
      {"VertScrollThumb", "Image", ini().Int("VertScrollThumb", "FrameCount", 3)},
      {"StatusBarEdges", "Image", 3},
      {"MenuItem", "Image", 5},
      {"MenuBackground", "Image", 1},
      {"Progress", "Bitmap", ini().Int("Progress", "Style", 0) != 0 ? 1 : 2},
      {"Progress.Chunk", "Image", ini().Int("Progress.Chunk", "Frame", 0)},
      {"Tabs", "Image", 5},
      {"Tab.Pane", "Image", 1},
      {"Headerbar", "Image", ini().Int("Headerbar", "Frame", 5)},
      {"Trackbar.ThumbHorz", "Image", 5},
      {"Trackbar.ThumbVert", "Image", 5},
      {"UpDown.Horz", "Image", 8},
      {"UpDown.Horz", "GlyphImage", 8},
      {"UpDown.Vert", "Image", 8},
      {"UpDown.Vert", "GlyphImage", 8},
  };
  for (const Element& e : elements) {
    SCOPED_TRACE(e.section + "." + e.key);
    ASSERT_GT(e.frames, 0);
    const TBitmap b = Picture(e.section, e.key);
    ASSERT_FALSE(b.Empty());
    const int along = e.stacked ? b.Height() : b.Width();
    EXPECT_EQ(along % e.frames, 0);
    const int w = e.stacked ? b.Width() : b.Width() / e.frames;
    const int h = e.stacked ? b.Height() / e.frames : b.Height();
    if (e.square) {
      EXPECT_EQ(w, h);
    }
    if (e.key != "CheckButton" && e.key != "RadioButton" && e.key != "GlyphImage") {
      EXPECT_LE(ini().Int(e.section, "LeftWidth", 0) + ini().Int(e.section, "RightWidth", 0), w);
      EXPECT_LE(ini().Int(e.section, "TopHeight", 0) + ini().Int(e.section, "BottomHeight", 0), h);
    }
  }
  // Tab pane margins are read as at most 4.
  for (const char* key : {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"})
    EXPECT_LE(ini().Int("Tab.Pane", key, 0), 4);
  // The scroll bar parts match the system's scroll arrow size closely enough to be used.
  EXPECT_NEAR(Picture("Scrollbar", "Image").Height(), 17, 2);
}

// Magenta marks transparency exactly: nothing comes close to it without being it, and the
// pictures drawn opaque carry none.
TEST_F(SkinResources, MagentaIsExactAndOnlyWhereTransparencyIsMeant) {
  for (const std::string& file : BmpFilesIn(kSkinDir)) {
    TBitmap b;
    ASSERT_TRUE(b.LoadFromBytes(ReadBytes(kSkinDir / file))) << file;
    for (const std::uint32_t pixel : b.Pixels()) {
      const std::uint32_t p = OpaquePixel(pixel);
      const bool nearMagenta = (p >> 16) == 0xFF && (p & 0xFF) == 0xFF && ((p >> 8) & 0xFF) <= 1;
      if (nearMagenta) {
        ASSERT_EQ(p, kMagenta) << file;
      }
    }
  }
  for (const auto& [section, key] : std::vector<std::pair<std::string, std::string>>{
           {"StatusBarEdges", "Image"}, {"MenuItem", "Image"}, {"MenuBackground", "Image"},
           {"Tab.Pane", "Image"}, {"Headerbar", "Image"}, {"HorzScroll", "Image"},
           {"VertScroll", "Image"}, {"Personality", "Bottom"}, {"Personality", "menuBar"}}) {
    const TBitmap b = Picture(section, key);
    EXPECT_EQ(std::count(b.Pixels().begin(), b.Pixels().end(), kMagenta), 0) << section << "." << key;
  }
}

// ---------------------------------------------------------------------------------------------
// The program's bitmap resources

TBitmap LoadResource(const std::string& file, int bitsPerPixel) {
  const std::vector<std::uint8_t> bytes = ReadBytes(kBitmapDir / file);
  const auto header = ReadBmpHeader(bytes);
  EXPECT_TRUE(header.has_value()) << file;
  if (header) {
    EXPECT_EQ(header->bitsPerPixel, bitsPerPixel) << file;
    EXPECT_EQ(header->compression, 0) << file;
  }
  TBitmap b;
  EXPECT_TRUE(b.LoadFromBytes(bytes)) << file;
  return b;
}

std::vector<std::uint32_t> Rows(const TBitmap& b) {
  std::vector<std::uint32_t> out;
  for (const std::uint32_t p : b.Pixels()) out.push_back(OpaquePixel(p));
  return out;
}

TEST(ResourceBitmaps, TrackGroovesHaveTheirExactRows) {
  constexpr std::uint32_t L = 0xC0C0C0, G = 0x808080, W = 0xFFFFFF;
  const TBitmap track = LoadResource("TRACK.bmp", 4);
  ASSERT_EQ(track.Width(), 16);
  ASSERT_EQ(track.Height(), 4);
  std::vector<std::uint32_t> expected;
  const auto run = [&](int n, std::uint32_t c) { expected.insert(expected.end(), static_cast<std::size_t>(n), c); };
  run(2, L), run(12, G), run(2, W);
  run(2, L), run(14, W);
  run(1, G), run(1, L), run(14, W);
  run(2, L), run(14, W);
  EXPECT_EQ(Rows(track), expected);

  const TBitmap vert = LoadResource("TRACKVERT.bmp", 4);
  ASSERT_EQ(vert.Width(), 4);
  ASSERT_EQ(vert.Height(), 16);
  expected.clear();
  run(2, L), run(1, G), run(1, L);
  run(4, L);
  for (int i = 0; i < 12; ++i) run(1, G), run(3, W);
  run(8, W);
  EXPECT_EQ(Rows(vert), expected);
}

TEST(ResourceBitmaps, MenuGlyphStripHoldsFourBlackOnWhiteGlyphs) {
  const TBitmap strip = LoadResource("MORVANEMENU.bmp", 1);
  ASSERT_EQ(strip.Width(), 64);
  ASSERT_EQ(strip.Height(), 16);
  for (int glyph = 0; glyph < 4; ++glyph) {
    int black = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const std::uint32_t p = OpaquePixel(strip.Pixel(glyph * 16 + x, y));
        ASSERT_TRUE(p == 0 || p == 0xFFFFFF);
        if (p == 0) ++black;
        // A white margin keeps the glyphs apart in the image list.
        if (x == 0 || x == 15) {
          EXPECT_EQ(p, 0xFFFFFFu) << glyph;
        }
      }
    EXPECT_GT(black, 6) << glyph;
  }
  // Restore shows two windows and maximise one: restore has more ink; minimise is a short bar
  // low in its cell.
  int restoreInk = 0, maximiseInk = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      restoreInk += OpaquePixel(strip.Pixel(x, y)) == 0;
      maximiseInk += OpaquePixel(strip.Pixel(16 + x, y)) == 0;
      if (y < 8) {
        EXPECT_EQ(OpaquePixel(strip.Pixel(32 + x, y)), 0xFFFFFFu);
      }
    }
  EXPECT_GT(restoreInk, maximiseInk);
}

TEST(ResourceBitmaps, MediaPlayerGlyphsInThreeLooks) {
  const char* buttons[] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                           "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
  std::set<std::vector<std::uint32_t>> shapes;
  for (const char* button : buttons) {
    SCOPED_TRACE(button);
    std::vector<std::vector<bool>> ink;
    for (const char* prefix : {"EN", "DI", "CL"}) {
      const TBitmap b = LoadResource(std::string(prefix) + "_" + button + ".bmp", 4);
      ASSERT_EQ(b.Width(), 16);
      ASSERT_EQ(b.Height(), 16);
      // Bottom-left pixel is the see-through background.
      EXPECT_EQ(OpaquePixel(b.Pixel(0, 15)), kMagenta);
      std::vector<bool> mask;
      for (const std::uint32_t p : b.Pixels()) mask.push_back(OpaquePixel(p) != kMagenta);
      EXPECT_GT(std::count(mask.begin(), mask.end(), true), 8);
      ink.push_back(mask);
      if (std::string(prefix) == "EN") shapes.insert(Rows(b));
    }
    EXPECT_EQ(ink[0], ink[2]) << "enabled and coloured glyphs share their shape";
  }
  EXPECT_EQ(shapes.size(), std::size(buttons)) << "every button has its own glyph";
}

}  // namespace
}  // namespace varnelta
