// The GDI layer draws exactly the core's geometry: pixel tests on DIB sections.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster.h"
#include "statusbar/frame_style.h"
#include "statusbar/win32/draw_border.h"
#include "statusbar/win32/gdi_objects.h"

namespace varnelta::statusbar {
namespace {

// Distinct colours per system colour, so every pixel tells which colour drew it.
class TestColors final : public ISystemColors {
 public:
  TColorRef SysColor(int index) const override {
    return MakeRGB(index * 10, 255 - index * 10, (index * 37) & 0xFF);
  }
};
const TestColors kColors;

constexpr COLORREF kBackground = RGB(1, 2, 3);

char Letter(COLORREF pixel) {
  if (pixel == kBackground) return '.';
  for (TColor c : {cl3DDkShadow, clBtnShadow, clBtnHighlight, cl3DLight, clBtnText, clBtnFace}) {
    if (pixel == ColorToRGB(c, kColors)) return test::ColorLetter(c);
  }
  return '?';
}

std::string Picture(const TDibImage& image) {
  std::string out;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) out += Letter(image.Pixel(x, y));
    out += '\n';
  }
  return out;
}

void Clear(TDibImage& image, COLORREF color) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) image.SetPixelColor(x, y, color);
  }
}

TEST(DrawBorderGdi, EveryStyleAndEverySideSetMatchesTheGeometry) {
  const int before = LiveGdiObjects();
  {
    TDibImage image(9, 7);
    ASSERT_TRUE(image.Valid());
    for (int style = fsNone; style < kFrameStyleCount; ++style) {
      for (TSides sides = 0; sides <= sdAllSides; ++sides) {
        Clear(image, kBackground);
        const RECT rect{1, 1, 8, 6};
        const RECT inner = DrawBorder(image.DC(), rect, static_cast<TFrameStyle>(style), sides,
                                      kColors);
        FillList fills;
        const TRect expected =
            BorderGeometry(FromRECT(rect), static_cast<TFrameStyle>(style), sides, fills);
        EXPECT_EQ(Picture(image), test::Raster(fills, 9, 7)) << style << " / " << int{sides};
        EXPECT_EQ(FromRECT(inner), expected) << style << " / " << int{sides};
      }
    }
  }
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(DrawBorderGdi, KnownPictures) {
  TDibImage image(6, 5);
  ASSERT_TRUE(image.Valid());
  struct Case {
    TFrameStyle style;
    TSides sides;
    const char* picture;
    RECT inner;
  };
  const Case cases[] = {
      {fsGroove, sdAllSides, "SSSSSH\nSHHHSH\nSH..SH\nSSSSSH\nHHHHHH\n", {2, 2, 4, 3}},
      {fsRaised, sdAllSides, "LLLLLK\nLHHHSK\nLH..SK\nLSSSSK\nKKKKKK\n", {2, 2, 4, 3}},
      {fsBump, sdTop | sdRight, "HHHHHS\nSSSSHS\n....HS\n....HS\n....HS\n", {0, 2, 4, 5}},
      {fsFlat, sdLeft | sdBottom, "K.....\nK.....\nK.....\nK.....\nKKKKKK\n", {1, 0, 6, 4}},
      {fsButtonDown, sdAllSides, "TTTTTT\nTSSSST\nTS..ST\nTSSSST\nTTTTTT\n", {2, 2, 4, 3}},
  };
  for (const Case& c : cases) {
    Clear(image, kBackground);
    const RECT inner = DrawBorder(image.DC(), RECT{0, 0, 6, 5}, c.style, c.sides, kColors);
    EXPECT_EQ(Picture(image), c.picture) << c.style;
    EXPECT_EQ(FromRECT(inner), FromRECT(c.inner)) << c.style;
  }
}

TEST(DrawBorderGdi, SystemColoursComeFromTheSystem) {
  TDibImage image(4, 4);
  ASSERT_TRUE(image.Valid());
  Clear(image, kBackground);
  DrawBorder(image.DC(), RECT{0, 0, 4, 4}, fsStatus, sdAllSides);
  EXPECT_EQ(image.Pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(image.Pixel(3, 3), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(image.Pixel(1, 1), kBackground);
}

TEST(DrawGradientGdi, StepsPerChannelAndNothingForEmpty) {
  const int before = LiveGdiObjects();
  {
    TDibImage image(4, 64);
    ASSERT_TRUE(image.Valid());
    Clear(image, kBackground);
    DrawGradient(image.DC(), RECT{0, 0, 4, 64}, RGB(0, 0, 255), RGB(252, 0, 3), gdHorizontalEnd);
    EXPECT_EQ(image.Pixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(image.Pixel(3, 63), RGB(252, 0, 3));
    for (int y = 1; y < 64; ++y) {
      EXPECT_GT(GetRValue(image.Pixel(2, y)), GetRValue(image.Pixel(2, y - 1))) << y;
      EXPECT_LT(GetBValue(image.Pixel(2, y)), GetBValue(image.Pixel(2, y - 1))) << y;
      EXPECT_EQ(image.Pixel(0, y), image.Pixel(3, y));
    }
    Clear(image, kBackground);
    DrawGradient(image.DC(), RECT{2, 2, 2, 40}, RGB(0, 0, 0), RGB(255, 255, 255), gdVerticalEnd);
    EXPECT_EQ(image.Pixel(2, 2), kBackground);
    // Copied to the rectangle's top-left corner.
    DrawGradient(image.DC(), RECT{1, 10, 3, 12}, RGB(9, 9, 9), RGB(9, 9, 9), gdDiagonalUp);
    EXPECT_EQ(image.Pixel(0, 10), kBackground);
    EXPECT_EQ(image.Pixel(1, 10), RGB(9, 9, 9));
    EXPECT_EQ(image.Pixel(2, 11), RGB(9, 9, 9));
    EXPECT_EQ(image.Pixel(3, 11), kBackground);
  }
  EXPECT_EQ(LiveGdiObjects(), before);
}

// Records which themed parts were asked for; answers Active as told.
class FakeStyles final : public IVisualStyles {
 public:
  bool active = false;
  std::vector<std::string> calls;
  bool LibraryAvailable() override { return true; }
  bool Active() override { return active; }
  bool DrawStatusBackground(HDC, const RECT&) override { return Record("background"); }
  bool DrawStatusPane(HDC, const RECT&) override { return Record("pane"); }
  bool DrawGripper(HDC, const RECT& r) override {
    return Record("gripper " + std::to_string(r.left) + "-" + std::to_string(r.right));
  }
  bool DrawStatusText(HDC, const std::wstring&, const RECT&) override { return Record("text"); }
  void ThemeChanged() override {}

 private:
  bool Record(std::string what) {
    calls.push_back(std::move(what));
    return true;
  }
};

TStatusBarPaintInput BarInput(FakeStyles& styles) {
  TStatusBarPaintInput input;
  input.Bounds = {0, 0, 60, 19};
  input.Styles = {styles.Active(), styles.LibraryAvailable()};
  input.GripValid = true;
  return input;
}

TEST(StatusBarPaintGdi, ThemedBranchDrawsOnlyThroughTheStyles) {
  FakeStyles styles;
  styles.active = true;
  TScopedVisualStyles scoped(styles);
  TDibImage image(60, 19);
  ASSERT_TRUE(image.Valid());
  Clear(image, kBackground);
  const TStatusBarPaintPlan plan = PlanStatusBarPaint(BarInput(styles), kColors);
  DrawStatusBarPlan(image.DC(), plan, TSimpleCaption{}, VisualStyles(), kColors);
  EXPECT_EQ(styles.calls, (std::vector<std::string>{"background", "gripper 40-60"}));
  EXPECT_EQ(image.Pixel(30, 10), kBackground);  // the fake drew nothing; neither did the plan
}

TEST(StatusBarPaintGdi, ClassicBranchFillsAndDrawsTheGripSquares) {
  FakeStyles styles;
  TScopedVisualStyles scoped(styles);
  TDibImage image(60, 19);
  ASSERT_TRUE(image.Valid());
  Clear(image, kBackground);
  TStatusBarPaintInput input = BarInput(styles);
  input.Look.Border.BorderOuter = fsFlat;
  const TStatusBarPaintPlan plan = PlanStatusBarPaint(input, kColors);
  DrawStatusBarPlan(image.DC(), plan, TSimpleCaption{}, VisualStyles(), kColors);
  EXPECT_TRUE(styles.calls.empty());
  const COLORREF flat = AdjustColor(clBtnShadow, 30, kColors);
  EXPECT_EQ(image.Pixel(0, 0), flat);
  EXPECT_EQ(image.Pixel(59, 18), flat);
  EXPECT_EQ(image.Pixel(20, 10), ColorToRGB(clBtnFace, kColors));
  // Client right 59, one above the bottom 18: the top square's highlight at (54, 6) shows
  // its right column under the shadow square at (53, 5).
  EXPECT_EQ(image.Pixel(55, 6), ColorToRGB(clBtnHighlight, kColors));
  EXPECT_EQ(image.Pixel(54, 7), ColorToRGB(clBtnHighlight, kColors));
  EXPECT_EQ(image.Pixel(53, 5), ColorToRGB(clBtnShadow, kColors));
  EXPECT_EQ(image.Pixel(54, 6), ColorToRGB(clBtnShadow, kColors));
}

TEST(StatusBarPaintGdi, SimpleCaptionInBothBranches) {
  FakeStyles styles;
  TDibImage image(120, 19);
  ASSERT_TRUE(image.Valid());
  Clear(image, kBackground);
  TStatusBarPaintInput input = BarInput(styles);
  input.Look.SimpleStatus = true;
  input.Look.VisualStyle = vsClassic;
  input.GripValid = false;
  input.TextHeight = 13;
  const TSimpleCaption caption{L"Ready", nullptr, RGB(0, 0, 160)};
  TStatusBarPaintPlan plan = PlanStatusBarPaint(input, kColors);
  DrawStatusBarPlan(image.DC(), plan, caption, styles, kColors);
  int ink = 0;
  for (int y = 0; y < 19; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (image.Pixel(x, y) == RGB(0, 0, 160)) {
        ++ink;
        EXPECT_TRUE(plan.SimpleCaptionRect.Contains(TPoint{x, y})) << x << "," << y;
      }
    }
  }
  EXPECT_GT(ink, 0);
  EXPECT_TRUE(styles.calls.empty());

  styles.active = true;
  input.Styles.Active = true;
  input.Look.VisualStyle = vsWinXP;
  plan = PlanStatusBarPaint(input, kColors);
  DrawStatusBarPlan(image.DC(), plan, caption, styles, kColors);
  EXPECT_EQ(styles.calls, (std::vector<std::string>{"background", "text"}));
}

TEST(StatusBarPaintGdi, PaneFramePlans) {
  FakeStyles styles;
  TDibImage image(20, 10);
  ASSERT_TRUE(image.Valid());
  Clear(image, kBackground);
  TPaneFrameInput input;
  input.Rect = {0, 0, 20, 10};
  input.Parent.IsStatusBar = true;
  input.Transparent = false;
  input.Color = MakeRGB(7, 8, 9);
  DrawPaneFramePlan(image.DC(), RECT{0, 0, 20, 10}, PlanPaneFrame(input, kColors), styles, kColors);
  const COLORREF flat = AdjustColor(clBtnShadow, 30, kColors);
  EXPECT_EQ(image.Pixel(0, 0), RGB(7, 8, 9));
  EXPECT_EQ(image.Pixel(1, 1), RGB(7, 8, 9));  // corner of the frame left out
  EXPECT_EQ(image.Pixel(2, 1), flat);
  EXPECT_EQ(image.Pixel(1, 2), flat);
  EXPECT_EQ(image.Pixel(5, 5), RGB(7, 8, 9));
  input.StylesActive = true;
  DrawPaneFramePlan(image.DC(), RECT{0, 0, 20, 10}, PlanPaneFrame(input, kColors), styles, kColors);
  EXPECT_EQ(styles.calls, (std::vector<std::string>{"pane"}));
}

TEST(SystemVisualStyles, DrawsTheStatusBarWhenActive) {
  IVisualStyles& system = SystemVisualStyles();
  TDibImage image(60, 19);
  ASSERT_TRUE(image.Valid());
  Clear(image, kBackground);
  const bool drew = system.DrawStatusBackground(image.DC(), RECT{0, 0, 60, 19});
  EXPECT_EQ(drew, system.Active());
  if (drew) {
    EXPECT_NE(image.Pixel(30, 10), kBackground);
  }
  system.ThemeChanged();  // the theme is opened again on the next use
  EXPECT_EQ(system.DrawGripper(image.DC(), RECT{40, 0, 60, 19}), system.Active());
}

}  // namespace
}  // namespace varnelta::statusbar
