// Regions from pictures and rectangle lists under Windows (Wine): shapes, one call against
// batches, and regions handed over to windows.
#include "skin/frame/win32/region_build.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "letter_picture.h"
#include "runtime/handle_count.h"
#include "runtime/win_handles.h"
#include "skin/frame/region_rects.h"

namespace varnelta {
namespace {

using test::LetterPicture;

// A picture whose rows alternate opaque and magenta pixels: width / 2 runs per row.
TBitmap Checkerboard(int width, int height) {
  TBitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.SetColour(x, y, (x + y) % 2 == 0 ? 0xFF00FF : 0x123456);
  return picture;
}

TEST(RegionBuildGdiTest, PictureShapesWithTheKeyTolerance) {
  // '#' magenta and '+' (255, 1, 255) are cut out; (254, 0, 255) stays.
  TBitmap picture = LetterPicture({"#ab#", "a++a", "aaaa"});
  picture.SetColour(3, 0, 0xFF00FE);  // (254, 0, 255): opaque
  const TRegionHandle region = gdi::BitmapToRegion(picture, 10, 20);
  ASSERT_TRUE(region);
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.Get(), &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.top, 20);
  EXPECT_EQ(box.right, 14);
  EXPECT_EQ(box.bottom, 23);
  struct PointCase {
    int x, y;
    bool inside;
  };
  const PointCase points[] = {{10, 20, false}, {11, 20, true},  {12, 20, true}, {13, 20, true},
                              {10, 21, true},  {11, 21, false}, {12, 21, false}, {13, 21, true},
                              {10, 22, true},  {13, 22, true},  {14, 22, false}, {11, 23, false}};
  for (const PointCase& p : points)
    EXPECT_EQ(PtInRegion(region.Get(), p.x, p.y) != FALSE, p.inside) << p.x << "," << p.y;
}

TEST(RegionBuildGdiTest, KeyColouredPicturesAndNoRectanglesGiveAnEmptyRegion) {
  TBitmap magenta(30, 20);
  magenta.Fill(0xFF00FF);
  RECT box{};
  const TRegionHandle fromPicture = gdi::BitmapToRegion(magenta, 0, 0);
  ASSERT_TRUE(fromPicture);
  EXPECT_EQ(GetRgnBox(fromPicture.Get(), &box), NULLREGION);
  const std::vector<TRect> onlyEmpty = {{5, 5, 5, 9}, {9, 9, 1, 1}};
  const TRegionHandle fromEmpty = gdi::CreateRegionFromRects(onlyEmpty);
  ASSERT_TRUE(fromEmpty);
  EXPECT_EQ(GetRgnBox(fromEmpty.Get(), &box), NULLREGION);
}

TEST(RegionBuildGdiTest, OneCallAndBatchesGiveTheSameRegion) {
  std::vector<TRect> rects = OpaqueRuns(Checkerboard(120, 90), 3, 4);
  ASSERT_GT(rects.size(), 2 * gdi::kRegionBatch);
  // Empty rectangles in the list are left out either way.
  rects.insert(rects.begin() + 1000, TRect{7, 7, 7, 70});
  const TRegionHandle whole = gdi::CreateRegionFromRects(rects);
  ASSERT_TRUE(whole);
  for (std::size_t perCall : {gdi::kRegionBatch, std::size_t{7}, rects.size() - 1}) {
    const TRegionHandle batched = gdi::CreateRegionFromRects(rects, perCall);
    ASSERT_TRUE(batched) << perCall;
    EXPECT_TRUE(EqualRgn(whole.Get(), batched.Get())) << perCall;
  }
  // The same as joining one region per rectangle.
  TRegionHandle joined(CreateRectRgn(0, 0, 0, 0));
  for (const TRect& r : rects) {
    if (r.IsEmpty()) continue;
    const TRegionHandle one(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    CombineRgn(joined.Get(), joined.Get(), one.Get(), RGN_OR);
  }
  EXPECT_TRUE(EqualRgn(whole.Get(), joined.Get()));
}

TEST(RegionBuildGdiTest, ThousandsOfRegionsLeaveNoHandleBehind) {
  const TBitmap picture = Checkerboard(16, 9);
  const long before = HandleCounter::Live(THandleKind::Region);
  for (int n = 0; n < 1000; ++n) {
    const TRegionHandle region = gdi::BitmapToRegion(picture, n, 0);
    ASSERT_TRUE(region);
    const TRegionHandle batched = gdi::CreateRegionFromRects(OpaqueRuns(picture, 0, n), 5);
    ASSERT_TRUE(batched);
  }
  EXPECT_EQ(HandleCounter::Live(THandleKind::Region), before);
}

class RegionHandOverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"region", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }
  HWND window_ = nullptr;
};

TEST_F(RegionHandOverTest, AWindowTakesTheRegionAndTheWrapperLetsGo) {
  const long before = HandleCounter::Live(THandleKind::Region);
  TRegionHandle expected(CreateRectRgn(2, 3, 30, 20));
  HRGN other = nullptr;
  {
    TRegionHandle region(CreateRectRgn(2, 3, 30, 20));
    EXPECT_EQ(HandleCounter::Live(THandleKind::Region), before + 2);
    ASSERT_TRUE(region.HandOver(window_, false));
    EXPECT_TRUE(region.HandedOver());
    EXPECT_FALSE(region);
    EXPECT_EQ(HandleCounter::Live(THandleKind::Region), before + 1);
    // A region made now may get the handed-over handle's number back from the system; the
    // wrapper must not delete it when it goes.
    other = CreateRectRgn(0, 0, 5, 5);
  }
  RECT box{};
  EXPECT_EQ(GetRgnBox(other, &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 5);
  DeleteObject(other);
  // The window still has its shape.
  TRegionHandle copy(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window_, copy.Get()), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(copy.Get(), expected.Get()));
  EXPECT_EQ(HandleCounter::Live(THandleKind::Region), before + 2);
}

TEST_F(RegionHandOverTest, ARefusedRegionStaysWithTheWrapper) {
  const long before = HandleCounter::Live(THandleKind::Region);
  HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(gone, nullptr);
  DestroyWindow(gone);
  {
    TRegionHandle region(CreateRectRgn(0, 0, 4, 4));
    EXPECT_FALSE(region.HandOver(gone, true));
    EXPECT_FALSE(region.HandedOver());
    ASSERT_TRUE(region);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Get(), &box), SIMPLEREGION);
    // No region at all is not handed over either.
    TRegionHandle none;
    EXPECT_FALSE(none.HandOver(window_, false));
    // After a hand-over, a new region makes the wrapper an owner again.
    ASSERT_TRUE(region.HandOver(window_, false));
    region.Reset(CreateRectRgn(0, 0, 1, 1));
    EXPECT_FALSE(region.HandedOver());
    EXPECT_EQ(HandleCounter::Live(THandleKind::Region), before + 1);
  }
  EXPECT_EQ(HandleCounter::Live(THandleKind::Region), before);
}

}  // namespace
}  // namespace varnelta
