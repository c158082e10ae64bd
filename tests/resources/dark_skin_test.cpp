// The dark skin as the program reads it: packed by the build, parsed with every picture found,
// the same elements and picture sizes as the light skin, rounded window corners, and text that
// reads against what it is drawn on in every state the skin colours.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/bitmap.h"
#include "skin/data/skin_load.h"
#include "tests/resources/skin_files.h"

namespace varnelta {
namespace {

TSkinElements Load(const std::filesystem::path& file) {
  TSkinElements skin;
  TSkinLoadReport report;
  EXPECT_TRUE(LoadSkinStream(testing::ReadBytes(file), skin, {}, &report)) << file;
  for (const TSkinPictureProblem& p : report.Problems) ADD_FAILURE() << file << ": picture " << p.Name;
  return skin;
}

// Relative luminance of a 0x00BBGGRR colour.
double Luminance(TColor colour) {
  const auto channel = [](unsigned v) {
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour & 0xFF) + 0.7152 * channel((colour >> 8) & 0xFF) +
         0.0722 * channel((colour >> 16) & 0xFF);
}

double Contrast(TColor a, TColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour in the middle of frame `frame` (from 1) of an element's picture.
TColor FrameCentre(const TDataSkinObject& e, int frame, bool stacked = false) {
  const int count = std::max(e.FrameCount, 1);
  const int w = stacked ? e.Image.Width() : e.Image.Width() / count;
  const int h = stacked ? e.Image.Height() / count : e.Image.Height();
  const int x = stacked ? w / 2 : (frame - 1) * w + w / 2;
  const int y = stacked ? (frame - 1) * h + h / 2 : h / 2;
  return e.Image.Colour(x, y);
}

class DarkSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    light_ = new TSkinElements(Load(VARNELTA_STORED_SKIN));
    dark_ = new TSkinElements(Load(VARNELTA_DARK_SKIN));
  }
  static void TearDownTestSuite() {
    delete light_;
    delete dark_;
  }
  static TSkinElements* light_;
  static TSkinElements* dark_;
};
TSkinElements* DarkSkin::light_ = nullptr;
TSkinElements* DarkSkin::dark_ = nullptr;

TEST_F(DarkSkin, HasEveryElementOfTheLightSkinWithTheSameGeometry) {
  EXPECT_EQ(dark_->SkinName, "Varnelta Dark");
  const auto lightSlots = light_->NamedSlots();
  const auto darkSlots = dark_->NamedSlots();
  ASSERT_EQ(lightSlots.size(), darkSlots.size());
  for (std::size_t i = 0; i < lightSlots.size(); ++i) {
    SCOPED_TRACE(lightSlots[i].Name);
    ASSERT_EQ(lightSlots[i].Element == nullptr, darkSlots[i].Element == nullptr);
    if (!lightSlots[i].Element) continue;
    const TDataSkinObject& l = *lightSlots[i].Element;
    const TDataSkinObject& d = *darkSlots[i].Element;
    EXPECT_EQ(d.Image.Width(), l.Image.Width());
    EXPECT_EQ(d.Image.Height(), l.Image.Height());
    EXPECT_EQ(d.FrameCount, l.FrameCount);
    EXPECT_EQ(d.Margins, l.Margins);
  }
  EXPECT_EQ(dark_->SysButtons.size(), light_->SysButtons.size());
  // Dark: the face is far darker than the light skin's.
  EXPECT_LT(Luminance(dark_->Colours[kColourButtonFace]), 0.05);
}

TEST_F(DarkSkin, WindowCornersAreRoundedWithTransparency) {
  const TBitmap& top = dark_->BorderLeft->Image;
  EXPECT_EQ(top.Colour(0, 0), 0xFF00FFu);               // cut away
  EXPECT_NE(top.Colour(top.Width() / 2 - 1, 29), 0xFF00FFu);  // the side below the corner
}

// Every text the skin colours, against the picture or colour it is drawn on.
TEST_F(DarkSkin, TextReadsInEveryState) {
  const TSkinElements& s = *dark_;
  const TDataSkinButton& buttons = *s.Buttons;
  struct Case {
    const char* what;
    TColor text;
    TColor back;
  };
  const std::vector<Case> cases{
      {"window text on the face", s.Colours[kColourWindowText], s.Colours[kColourButtonFace]},
      {"button text on the face", s.Colours[kColourButtonText], s.Colours[kColourButtonFace]},
      {"menu text", s.Colours[kColourMenuText], s.Colours[kColourMenu]},
      {"menu bar text", s.Colours[kColourMenuBarText], s.Colours[kColourMenubar]},
      {"selected text", s.Colours[kColourHilightText], s.Colours[kColourHilight]},
      {"button normal", buttons.NormalColour2, FrameCentre(buttons, 1)},
      {"button pressed", buttons.PressedColour2, FrameCentre(buttons, 2)},
      {"button mouse over", buttons.MouseOverColour2, FrameCentre(buttons, 4)},
      {"button default", buttons.NormalColour2, FrameCentre(buttons, 5)},
      {"tab normal", s.Tabs->NormalColour2, FrameCentre(*s.Tabs, 1)},
      {"tab current", s.Tabs->NormalColour2, FrameCentre(*s.Tabs, 2)},
      {"tab mouse over", s.Tabs->MouseOverColour2, FrameCentre(*s.Tabs, 4)},
      {"status bar", s.StatusBarEdges->NormalColour2, FrameCentre(*s.StatusBarEdges, 1)},
      {"active title", s.Title->ActiveTextColour, s.BorderTop->Image.Colour(20, 15)},
      {"menu item selected", s.Colours[kColourMenuText], FrameCentre(*s.MenuItem, 4)},
  };
  for (const Case& c : cases) EXPECT_GE(Contrast(c.text, c.back), 4.5) << c.what;
  // The inactive title and disabled looks are meant to recede, yet stay legible.
  EXPECT_GE(Contrast(s.Title->InactiveTextColour, s.BorderTop->Image.Colour(20, 45)), 3.0);
  EXPECT_GE(Contrast(buttons.NormalColour2, FrameCentre(buttons, 3)), 3.0);
}

}  // namespace
}  // namespace varnelta
