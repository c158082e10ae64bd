// The device-context gradient fill and the DIB section wrapper, under Windows (Wine): a memory
// context with a DIB section selected, clipped to the lower half, read back pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/dib_section.h"
#include "skin/data/gradient_dc.h"
#include "skin/data/system_values.h"
#include "skin/data/track_pictures.h"

namespace varnelta {
namespace {

TEST(DibSectionTest, PixelsRoundTripAndHandlesAreCounted) {
  const int before = TDibSection::LiveCount();
  {
    TBitmap picture(3, 2);
    picture.SetColour(2, 1, 0x123456);
    TDibSection dib(picture);
    ASSERT_FALSE(dib.Empty());
    EXPECT_EQ(TDibSection::LiveCount(), before + 1);
    EXPECT_EQ(dib.ToBitmap(), picture);
    TDibSection moved = std::move(dib);
    EXPECT_TRUE(dib.Empty());
    EXPECT_EQ(TDibSection::LiveCount(), before + 1);
    TDibSection none(0, 5);
    EXPECT_TRUE(none.Empty());
  }
  EXPECT_EQ(TDibSection::LiveCount(), before);
}

TEST(GradientDcTest, OnlyBandsInsideTheClipBoxArePainted) {
  TBitmap start(6, 40);
  start.Fill(0x010203);
  TDibSection dib(start);
  ASSERT_FALSE(dib.Empty());
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  HGDIOBJ old = SelectObject(dc, dib.Handle());
  IntersectClipRect(dc, 0, 20, 6, 40);
  const RECT rect{0, 0, 6, 40};
  GradientFill(dc, rect, 0x000000, kGradientRows, 0xFFFFFF);
  const COLORREF bk = GetBkColor(dc);
  SelectObject(dc, old);
  DeleteDC(dc);
  const TBitmap result = dib.ToBitmap();
  const auto palette = TGradientPaletteCache::Build(40, 0x000000, 0xFFFFFF);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(result.Colour(x, y), y < 20 ? 0x010203u : palette[static_cast<std::size_t>(y)])
          << x << "," << y;
  EXPECT_EQ(bk, static_cast<COLORREF>(0xFFFFFF));  // the default background colour is restored
}

TEST(GradientDcTest, ColumnsAndNothingVisible) {
  TDibSection dib(4, 2);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, dib.Handle());
  GradientFill(dc, RECT{1, 0, 3, 2}, 0x0000FF, kGradientColumns, 0xFF0000);
  GradientFill(dc, RECT{10, 10, 20, 20}, 0xFFFFFF, kGradientRows, 0xFFFFFF);
  GradientFill(dc, RECT{0, 0, 4, 0}, 0xFFFFFF, kGradientRows, 0xFFFFFF);
  SelectObject(dc, old);
  DeleteDC(dc);
  const TBitmap result = dib.ToBitmap();
  EXPECT_EQ(result.Colour(0, 0), 0u);
  EXPECT_EQ(result.Colour(1, 1), 0x0000FFu);
  EXPECT_EQ(result.Colour(2, 0), 0xFF0000u);
  EXPECT_EQ(result.Colour(3, 1), 0u);
}

}  // namespace
}  // namespace varnelta

namespace varnelta {
namespace {

TEST(SystemValuesTest, TheRealSystemOnWindows) {
  const ISystemValues& system = DefaultSystemValues();
  EXPECT_EQ(&SystemValues(), &system);
  EXPECT_EQ(system.SystemColour(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE) & 0xFFFFFFu);
  EXPECT_EQ(system.SystemMetric(SM_CXHSCROLL), GetSystemMetrics(SM_CXHSCROLL));
  EXPECT_EQ(ColourToRgb(0xFF000005u), GetSysColor(COLOR_WINDOW) & 0xFFFFFFu);
  // The test program carries no bitmap resources: the built-in groove is used.
  EXPECT_TRUE(system.ResourceBitmap("TRACK").Empty());
  EXPECT_EQ(TrackPicture("TRACK"), BuiltInTrackPicture());
}

}  // namespace
}  // namespace varnelta
