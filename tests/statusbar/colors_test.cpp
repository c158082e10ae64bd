#include "statusbar/colors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "statusbar/color_scheme.h"
#include "statusbar/gradient.h"

namespace varnelta::statusbar {
namespace {

const ISystemColors& Classic() { return ClassicSystemColors(); }

TEST(AdjustColor, KnownValuesOnThe240Scale) {
  EXPECT_EQ(AdjustColor(MakeRGB(128, 128, 128), 30, Classic()), MakeRGB(159, 159, 159));
  EXPECT_EQ(AdjustColor(MakeRGB(192, 192, 192), -20, Classic()), MakeRGB(171, 171, 171));
  EXPECT_EQ(AdjustColor(MakeRGB(192, 192, 192), -40, Classic()), MakeRGB(150, 150, 150));
  EXPECT_EQ(AdjustColor(MakeRGB(255, 0, 0), 30, Classic()), MakeRGB(255, 64, 64));
  EXPECT_EQ(AdjustColor(MakeRGB(87, 127, 191), 30, Classic()), MakeRGB(133, 160, 209));
  EXPECT_EQ(AdjustColor(MakeRGB(200, 100, 50), -50, Classic()), MakeRGB(116, 57, 29));
}

TEST(AdjustColor, HueComesBackDividedBy239) {
  // With 240 these would stay pure blue and pure magenta; the 239 skews the hue.
  EXPECT_EQ(AdjustColor(MakeRGB(0, 0, 128), 30, Classic()), MakeRGB(3, 0, 191));
  EXPECT_EQ(AdjustColor(MakeRGB(255, 0, 255), -10, Classic()), MakeRGB(234, 0, 229));
}

TEST(AdjustColor, ZeroAmountAndLimits) {
  const TColorRef odd = MakeRGB(13, 77, 201);
  EXPECT_EQ(AdjustColor(odd, 0, Classic()), odd);
  EXPECT_EQ(AdjustColor(MakeRGB(255, 255, 255), 30, Classic()), MakeRGB(255, 255, 255));
  // Luminance may pass 240 (up to 255); components clip at 255.
  EXPECT_EQ(AdjustColor(MakeRGB(10, 200, 30), 100, Classic()), MakeRGB(172, 251, 181));
  EXPECT_EQ(AdjustColor(MakeRGB(10, 200, 30), 1000, Classic()), MakeRGB(255, 255, 255));
  EXPECT_EQ(AdjustColor(MakeRGB(10, 200, 30), -1000, Classic()), MakeRGB(0, 0, 0));
  EXPECT_EQ(AdjustColor(MakeRGB(10, 200, 30), INT32_MIN, Classic()), MakeRGB(0, 0, 0));
}

TEST(AdjustColor, ResolvesSystemColorsThroughTheSource) {
  EXPECT_EQ(AdjustColor(clBtnShadow, 30, Classic()), MakeRGB(159, 159, 159));
  struct Fixed final : ISystemColors {
    TColorRef SysColor(int index) const override {
      return index == 16 ? MakeRGB(160, 160, 160) : 0;
    }
  } wine_like;
  EXPECT_EQ(AdjustColor(clBtnShadow, 30, wine_like), MakeRGB(192, 192, 192));
  EXPECT_EQ(ColorToRGB(clBtnFace, Classic()), MakeRGB(192, 192, 192));
  EXPECT_EQ(ColorToRGB(MakeRGB(1, 2, 3), Classic()), MakeRGB(1, 2, 3));
}

TEST(HlsConversion, RoundsHalvesToEven) {
  // Values that come out exactly on a half in double precision.
  EXPECT_EQ(RGBToHls(MakeRGB(16, 1, 0)).Hue, 2);          // 2.5
  EXPECT_EQ(RGBToHls(MakeRGB(16, 3, 0)).Hue, 8);          // 7.5
  EXPECT_EQ(RGBToHls(MakeRGB(125, 67, 67)).Saturation, 72);  // 72.5
  EXPECT_EQ(RGBToHls(MakeRGB(127, 65, 65)).Saturation, 78);  // 77.5
  EXPECT_EQ(RGBToHls(MakeRGB(87, 127, 191)), (THls{145, 131, 108}));
  EXPECT_EQ(RGBToHls(MakeRGB(128, 128, 128)), (THls{0, 120, 0}));
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

TEST(ColorScheme, NameDecidesTheScheme) {
  EXPECT_EQ(ColorSchemeFromName(std::nullopt), TColorScheme::Default);
  EXPECT_EQ(ColorSchemeFromName(L"homestead"), TColorScheme::Homestead);
  EXPECT_EQ(ColorSchemeFromName(L"Metallic"), TColorScheme::Metallic);
  EXPECT_EQ(ColorSchemeFromName(L"NormalColor"), TColorScheme::Default);
  EXPECT_EQ(ColorSchemeFromName(L"HOMESTEAD "), TColorScheme::Default);
  EXPECT_EQ(SchemeColors(TColorScheme::Metallic).Frame, MakeRGB(159, 159, 177));

  EXPECT_EQ(RefreshColorScheme([] { return std::optional<std::wstring>(L"METALLIC"); }),
            TColorScheme::Metallic);
  EXPECT_EQ(CurrentColorScheme(), TColorScheme::Metallic);
  EXPECT_EQ(RefreshColorScheme([] { return std::optional<std::wstring>(); }),
            TColorScheme::Default);
  EXPECT_EQ(CurrentColorScheme(), TColorScheme::Default);
}

TEST(GradientColors, ChoiceByColorStyle) {
  const auto& c = Classic();
  const TGradientPair custom =
      GradientFillColors(gcsCustom, true, TColorScheme::Homestead, 0x123456, clBtnFace, c);
  EXPECT_EQ(custom, (TGradientPair{0x123456, MakeRGB(192, 192, 192)}));
  EXPECT_EQ(GradientFillColors(gcsMSOffice, true, TColorScheme::Homestead, 0, 0, c),
            (TGradientPair{MakeRGB(255, 255, 237), MakeRGB(184, 199, 146)}));
  const TGradientPair system{MakeRGB(255, 255, 255), MakeRGB(171, 171, 171)};
  EXPECT_EQ(GradientFillColors(gcsMSOffice, false, TColorScheme::Homestead, 0, 0, c), system);
  EXPECT_EQ(GradientFillColors(gcsSystem, true, TColorScheme::Homestead, 0, 0, c), system);
  EXPECT_EQ(GradientLineColors(gcsSystem, true, TColorScheme::Default, c),
            (TGradientPair{MakeRGB(255, 255, 255), MakeRGB(150, 150, 150)}));
  EXPECT_EQ(GradientLineColors(gcsMSOffice, true, TColorScheme::Default, c),
            (TGradientPair{MakeRGB(227, 239, 255), MakeRGB(153, 187, 234)}));
}

TEST(Gradient, ChangesStepByStepPerChannel) {
  const TColorRef start = MakeRGB(0, 200, 100);
  const TColorRef stop = MakeRGB(255, 0, 100);
  const auto pixels = GradientPixels(1, 256, start, stop, gdHorizontalEnd);
  ASSERT_EQ(pixels.size(), 256u);
  EXPECT_EQ(pixels.front(), start);
  EXPECT_EQ(pixels.back(), stop);
  for (std::size_t i = 1; i < pixels.size(); ++i) {
    EXPECT_GE(RedOf(pixels[i]), RedOf(pixels[i - 1]));
    EXPECT_LE(GreenOf(pixels[i]), GreenOf(pixels[i - 1]));
    EXPECT_EQ(BlueOf(pixels[i]), 100);
    EXPECT_LE(RedOf(pixels[i]) - RedOf(pixels[i - 1]), 1);
  }
}

TEST(Gradient, ExactStepsTheSameOnEveryProcessor) {
  const TColorRef black = MakeRGB(0, 0, 0);
  const TColorRef white = MakeRGB(255, 255, 255);
  auto grey = [](int v) { return MakeRGB(v, v, v); };
  // Half way to the middle is step 127.5, rounded to the even 128.
  EXPECT_EQ(GradientPixels(5, 1, black, white, gdVerticalCenter),
            (std::vector<TColorRef>{grey(0), grey(128), grey(255), grey(128), grey(0)}));
  EXPECT_EQ(GradientPixels(2, 2, black, white, gdDiagonalDown),
            (std::vector<TColorRef>{grey(0), grey(128), grey(128), grey(255)}));
  EXPECT_EQ(GradientPixels(1, 3, black, white, gdDiagonalUp),
            (std::vector<TColorRef>{grey(255), grey(128), grey(0)}));
}

TEST(Gradient, DirectionsPutStartAndStopWhereTheySay) {
  const TColorRef a = MakeRGB(0, 0, 0);
  const TColorRef b = MakeRGB(250, 250, 250);
  const int w = 9;
  const int h = 5;
  auto at = [&](const std::vector<TColorRef>& p, int x, int y) {
    return p[static_cast<std::size_t>(y * w + x)];
  };
  const auto vertical = GradientPixels(w, h, a, b, gdVerticalEnd);
  EXPECT_EQ(at(vertical, 0, 2), a);
  EXPECT_EQ(at(vertical, w - 1, 2), b);
  EXPECT_EQ(at(vertical, 4, 0), at(vertical, 4, h - 1));
  const auto centre = GradientPixels(w, h, a, b, gdHorizontalCenter);
  EXPECT_EQ(at(centre, 3, 0), a);
  EXPECT_EQ(at(centre, 3, h - 1), a);
  EXPECT_EQ(at(centre, 3, 2), b);
  const auto square = GradientPixels(w, h, a, b, gdSquareBox);
  EXPECT_EQ(at(square, 0, 2), a);
  EXPECT_EQ(at(square, 4, 2), b);
  const auto down = GradientPixels(w, h, a, b, gdDiagonalDown);
  EXPECT_EQ(at(down, 0, 0), a);
  EXPECT_EQ(at(down, w - 1, h - 1), b);
  const auto up = GradientPixels(w, h, a, b, gdDiagonalUp);
  EXPECT_EQ(at(up, 0, h - 1), a);
  EXPECT_EQ(at(up, w - 1, 0), b);
  const auto plain = GradientPixels(w, h, b, b, gdDiagonalUp);
  EXPECT_EQ(std::count(plain.begin(), plain.end(), b), w * h);
  EXPECT_TRUE(GradientPixels(0, 5, a, b, gdVerticalEnd).empty());
  EXPECT_TRUE(GradientPixels(5, -1, a, b, gdVerticalEnd).empty());
  EXPECT_TRUE(GradientPixels(1 << 14, 1 << 14, a, b, gdVerticalEnd).empty());
}

}  // namespace
}  // namespace varnelta::statusbar
