// The stored skin read the way the program reads it: decompressed, its description found by
// ".ini", every picture fetched from the archive, and the whole description parsed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/bitmap.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_objects.h"
#include "skin/data/skin_parse.h"
#include "skin/data/skin_reader.h"
#include "skin/data/track_pictures.h"
#include "tests/resources/skin_files.h"

namespace varnelta {
namespace {

const std::filesystem::path kStoredSkin = VARNELTA_STORED_SKIN;
const std::filesystem::path kBitmapDir = VARNELTA_BITMAP_DIR;

class StoredSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(reader_.LoadFromStream(testing::ReadBytes(kStoredSkin)));
    std::vector<std::uint8_t> description;
    std::string name;
    ASSERT_TRUE(reader_.ExtractFirstMatch(".ini", description, name));
    ini_.LoadFromStream(&description);
    TSkinParser parser(ini_, [this](std::string_view entry, std::vector<std::uint8_t>& bytes) {
      return reader_.ExtractFile(entry, bytes);
    });
    parser.ParseSkin(skin_);
    problems_ = parser.Problems();
  }

  TSkinReader reader_;
  TQuickIni ini_;
  TSkinElements skin_;
  std::vector<TSkinPictureProblem> problems_;
};

TEST_F(StoredSkin, ParsesWithEveryPictureFound) {
  for (const TSkinPictureProblem& p : problems_) ADD_FAILURE() << "picture problem: " << p.Name;
  EXPECT_EQ(skin_.SkinName, "Varnelta Light");
  EXPECT_EQ(skin_.Colours[kColourButtonFace], 0xF5EBE6u);
  for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 18})
    EXPECT_TRUE(skin_.ColourPresent[static_cast<std::size_t>(index)]) << "colour " << index;
  // Every slot the skin describes holds a picture.
  for (const TSkinElements::TNamedSlot& slot : skin_.NamedSlots()) {
    const std::string name = slot.Name;
    if (name == "SunkEdge" || name == "GroupBox" || name == "GroupBoxEdge" ||
        name == "ToolBars" || name.starts_with("TrackThumbLeft") ||
        name.starts_with("TrackThumbRight") || name.starts_with("TrackThumbUp") ||
        name.starts_with("TrackThumbDown")) {
      EXPECT_EQ(slot.Element, nullptr) << name;
      continue;
    }
    ASSERT_NE(slot.Element, nullptr) << name;
    EXPECT_FALSE(slot.Element->Image.Empty()) << name;
    EXPECT_GT(slot.Element->FrameCount, 0) << name;
  }
}

TEST_F(StoredSkin, TitleButtonsAndTheMainWindowFrame) {
  ASSERT_EQ(skin_.SysButtons.size(), 8u);
  const std::vector<std::int32_t> actions{0, 1, 1, 2, 3, 7, 8, 9};
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(skin_.SysButtons[i]->Action, actions[i]) << i;
    if (i < 5) {
      EXPECT_EQ(skin_.SysButtons[i]->Name, "BUTTON" + std::to_string(i));
    }
  }
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(skin_.SysButtons[i]->FrameCount, 4) << i;
    EXPECT_FALSE(skin_.SysButtons[i]->Image.Empty()) << i;
  }
  EXPECT_EQ(skin_.SysButtons[4]->FrameCount, 6);
  EXPECT_TRUE(skin_.SysButtons[4]->Image.Empty());

  // The frame metrics: the 586 x 401 client gets a 594 x 435 window.
  const int left = skin_.BorderLeft->Image.Width() / skin_.BorderLeft->FrameCount;
  const int right = skin_.BorderRight->Image.Width() / skin_.BorderRight->FrameCount;
  const int title = skin_.BorderTop->Image.Height() / skin_.BorderTop->FrameCount;
  const int bottom = skin_.BorderBottom->Image.Height() / skin_.BorderBottom->FrameCount;
  EXPECT_EQ(586 + left + right, 594);
  EXPECT_EQ(401 + title + bottom, 435);
  EXPECT_EQ(skin_.BorderLeft->Margins.Top, title);
  EXPECT_EQ(skin_.BorderLeft->Margins.Bottom, bottom);
  // Only the pieces holding the rounded corners cut the window's shape.
  EXPECT_EQ(skin_.BorderLeft->Trans, 1);
  EXPECT_EQ(skin_.BorderTop->Trans, 1);
  EXPECT_EQ(skin_.BorderBottom->Trans, 0);
  EXPECT_EQ(skin_.Title->FrameCount, 2);
  EXPECT_EQ(skin_.Title->Image.Height(), 2 * title);
  EXPECT_EQ(skin_.Title->ActiveTextColour, 28u + 38u * 256 + 56u * 65536);

  // The frame colour is read from the title bar picture.
  const TBitmap& top = skin_.BorderTop->Image;
  EXPECT_EQ(skin_.FrameColour(), top.Colour(top.Width() / 3, title / 3));
}

TEST_F(StoredSkin, ComboArrowIsTheRecolouredComboButton) {
  ASSERT_NE(skin_.ComboButton, nullptr);
  ASSERT_NE(skin_.ComboArrow, nullptr);
  EXPECT_EQ(skin_.SunkEdge, nullptr);
  EXPECT_EQ(skin_.ComboButton->Style, 1);
  EXPECT_EQ(skin_.ComboArrow->FrameCount, skin_.ComboButton->FrameCount);
  const TBitmap& button = skin_.ComboButton->Image;
  const TBitmap& arrow = skin_.ComboArrow->Image;
  ASSERT_EQ(arrow.Width(), button.Width());
  ASSERT_EQ(arrow.Height(), button.Height());
  int recoloured = 0;
  for (int y = 0; y < button.Height(); ++y)
    for (int x = 0; x < button.Width(); ++x) {
      if (OpaquePixel(button.Pixel(x, y)) == kTransparentPixel) {
        EXPECT_EQ(arrow.Colour(x, y), 0xF5EBE6u);
        ++recoloured;
      } else {
        EXPECT_EQ(OpaquePixel(arrow.Pixel(x, y)), OpaquePixel(button.Pixel(x, y)));
      }
    }
  EXPECT_GT(recoloured, 0) << "the button's rounded corners are transparent";
}

TEST_F(StoredSkin, TrackGroovesAreTheProgramResources) {
  ASSERT_NE(skin_.Track, nullptr);
  ASSERT_NE(skin_.TrackVert, nullptr);
  EXPECT_EQ(skin_.Track->FrameCount, 1);
  EXPECT_EQ(skin_.Track->Margins.Left, 3);
  // The built-in pictures the parse falls back on are the ones in resources/bitmaps.
  for (const auto& [file, builtIn] : {std::pair{"TRACK.bmp", BuiltInTrackPicture()},
                                      std::pair{"TRACKVERT.bmp", BuiltInTrackVertPicture()}}) {
    TBitmap resource;
    ASSERT_TRUE(resource.LoadFromBytes(testing::ReadBytes(kBitmapDir / file))) << file;
    resource.MakeOpaque();
    TBitmap expected = builtIn;
    expected.MakeOpaque();
    EXPECT_EQ(resource, expected) << file;
  }
}

}  // namespace
}  // namespace varnelta
