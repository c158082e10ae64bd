#include <gtest/gtest.h>

#include "statusbar/frame_style.h"
#include "raster.h"

namespace varnelta::statusbar {
namespace {

using test::Raster;

struct Case {
  TFrameStyle style;
  TSides sides;
  const char* picture;
  TRect inner;
};

std::string Draw(const Case& c, TRect* inner) {
  FillList fills;
  *inner = BorderGeometry(TRect{0, 0, 6, 5}, c.style, c.sides, fills);
  return Raster(fills, 6, 5);
}

TEST(BorderGeometry, EveryStyleOnAllSides) {
  const Case cases[] = {
      {fsNone, sdAllSides, "......\n......\n......\n......\n......\n", {0, 0, 6, 5}},
      {fsFlat, sdAllSides, "KKKKKK\nK....K\nK....K\nK....K\nKKKKKK\n", {1, 1, 5, 4}},
      {fsGroove, sdAllSides, "SSSSSH\nSHHHSH\nSH..SH\nSSSSSH\nHHHHHH\n", {2, 2, 4, 3}},
      {fsBump, sdAllSides, "HHHHHS\nHSSSHS\nHS..HS\nHHHHHS\nSSSSSS\n", {2, 2, 4, 3}},
      {fsLowered, sdAllSides, "SSSSSH\nSKKKLH\nSK..LH\nSLLLLH\nHHHHHH\n", {2, 2, 4, 3}},
      {fsButtonDown, sdAllSides, "TTTTTT\nTSSSST\nTS..ST\nTSSSST\nTTTTTT\n", {2, 2, 4, 3}},
      {fsRaised, sdAllSides, "LLLLLK\nLHHHSK\nLH..SK\nLSSSSK\nKKKKKK\n", {2, 2, 4, 3}},
      {fsButtonUp, sdAllSides, "HHHHHK\nHLLLSK\nHL..SK\nHSSSSK\nKKKKKK\n", {2, 2, 4, 3}},
      {fsStatus, sdAllSides, "SSSSSH\nS....H\nS....H\nS....H\nHHHHHH\n", {1, 1, 5, 4}},
      {fsPopup, sdAllSides, "HHHHHS\nH....S\nH....S\nH....S\nSSSSSS\n", {1, 1, 5, 4}},
      {fsFlatBold, sdAllSides, "SSSSSS\nSSSSSS\nSS..SS\nSSSSSS\nSSSSSS\n", {2, 2, 4, 3}},
      {fsFlatRounded, sdAllSides, ".KKKK.\nKK..KK\nK....K\nKK..KK\n.KKKK.\n", {2, 2, 4, 3}},
  };
  for (const Case& c : cases) {
    TRect inner;
    EXPECT_EQ(Draw(c, &inner), c.picture) << "style " << c.style;
    EXPECT_EQ(inner, c.inner) << "style " << c.style;
  }
}

TEST(BorderGeometry, EtchedSinglePixelsForPartialSides) {
  const Case cases[] = {
      // Top and left: the open ends are closed in the upper-left colour.
      {fsGroove, sdLeft | sdTop, "SSSSSS\nSHHHHH\nSH....\nSH....\nSH....\n", {2, 2, 6, 5}},
      // Bottom only: the right end of the upper-left line steps down to meet the edge.
      {fsGroove, sdBottom, "......\n......\n......\nSSSSSS\nHHHHHH\n", {0, 0, 6, 3}},
      // Right only.
      {fsGroove, sdRight, "....SH\n....SH\n....SH\n....SH\n....SH\n", {0, 0, 4, 5}},
      // Top and right: the left end of the top pair.
      {fsBump, sdTop | sdRight, "HHHHHS\nSSSSHS\n....HS\n....HS\n....HS\n", {0, 2, 4, 5}},
      {fsGroove, 0, "......\n......\n......\n......\n......\n", {0, 0, 6, 5}},
  };
  for (const Case& c : cases) {
    TRect inner;
    EXPECT_EQ(Draw(c, &inner), c.picture) << "sides " << int{c.sides};
    EXPECT_EQ(inner, c.inner) << "sides " << int{c.sides};
  }
}

TEST(BorderGeometry, LinesOnlyOnTheChosenSides) {
  const Case cases[] = {
      {fsFlat, sdLeft | sdRight, "K....K\nK....K\nK....K\nK....K\nK....K\n", {1, 0, 5, 5}},
      {fsRaised, sdTop | sdBottom, "LLLLLL\nHHHHHH\n......\nSSSSSS\nKKKKKK\n", {0, 2, 6, 3}},
      {fsStatus, sdBottom, "......\n......\n......\n......\nHHHHHH\n", {0, 0, 6, 4}},
      {fsFlatRounded, sdTop | sdLeft, ".KKKKK\nKK....\nK.....\nK.....\nK.....\n", {2, 2, 6, 5}},
  };
  for (const Case& c : cases) {
    TRect inner;
    EXPECT_EQ(Draw(c, &inner), c.picture) << "style " << c.style;
    EXPECT_EQ(inner, c.inner) << "style " << c.style;
  }
}

TEST(BorderGeometry, NothingOutsideTinyOrEmptyRectangles) {
  for (int style = fsNone; style < kFrameStyleCount; ++style) {
    for (int w = 0; w <= 3; ++w) {
      FillList fills;
      BorderGeometry(TRect{0, 0, w, 2}, static_cast<TFrameStyle>(style), sdAllSides, fills);
      EXPECT_EQ(Raster(fills, w, 2).find('#'), std::string::npos) << style << " " << w;
    }
    FillList none;
    BorderGeometry(TRect{5, 5, 3, 3}, static_cast<TFrameStyle>(style), sdAllSides, none);
    EXPECT_TRUE(none.empty());
  }
}

TEST(BorderGeometry, NoneColourSkipsItsSides) {
  FillList fills;
  const TRect inner = SideLines(TRect{0, 0, 4, 3}, clNone, clBtnShadow, sdAllSides, fills);
  EXPECT_EQ(Raster(fills, 4, 3), "...S\n...S\nSSSS\n");
  EXPECT_EQ(inner, (TRect{1, 1, 3, 2}));
}

TEST(BorderGeometry, CornerlessRectangle) {
  FillList fills;
  const TRect inner = CornerlessRectGeometry(TRect{0, 0, 5, 4}, cl3DDkShadow, fills);
  EXPECT_EQ(Raster(fills, 5, 4), ".KKK.\nK...K\nK...K\n.KKK.\n");
  EXPECT_EQ(inner, (TRect{1, 1, 4, 3}));
}

TEST(FrameTables, ColourEntries) {
  EXPECT_EQ(FrameColors(fsGroove).UpperLeft, clBtnShadow);
  EXPECT_EQ(FrameColors(fsGroove).LowerRight, clBtnHighlight);
  EXPECT_EQ(FrameColors(fsRaised).UpperLeft, clNone);
  EXPECT_EQ(BevelColors(fsButtonUp).Outer.LowerRight, cl3DDkShadow);
  EXPECT_EQ(BevelColors(fsLowered).Inner.LowerRight, cl3DLight);
  EXPECT_EQ(BevelColors(fsFlat).Outer.UpperLeft, clNone);
}

}  // namespace
}  // namespace varnelta::statusbar
