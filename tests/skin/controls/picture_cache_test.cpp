// The skinners' picture cache under Wine: a cached picture paints exactly what the one-off
// drawing paints (copied and with magenta left out), is built once per image, size and cell,
// stays within its capacity, and frees every handle it made; the range skinners keep their
// pictures over repaints without handle growth and drop them on a skin change and on detach.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>

#include "runtime/dib_section.h"
#include "runtime/handle_count.h"
#include "skin/controls/picture_cache.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_track_bar.h"
#include "skin/controls/skin_up_down.h"
#include "skin/frame/win32/picture_draw.h"
#include "tests/skin/controls/gallery_page_test_util.h"

namespace varnelta {
namespace {

constexpr int kFrames = 5;
constexpr int kCellWidth = 14;
constexpr int kCellHeight = 12;

// Five cells of a colour gradient each, with magenta corners and a magenta dot in the middle.
TBitmap FramedImage() {
  TBitmap image(kFrames * kCellWidth, kCellHeight);
  for (int y = 0; y < kCellHeight; ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const int cell = x / kCellWidth, cx = x % kCellWidth;
      const bool corner = (cx < 2 || cx >= kCellWidth - 2) && (y < 2 || y >= kCellHeight - 2);
      const bool dot = cx == kCellWidth / 2 && y == kCellHeight / 2;
      image.SetColour(x, y, corner || dot ? kTransparentColour
                                          : static_cast<std::uint32_t>(0x102030 * (cell + 1) + cx * 7 + y * 0x0900));
    }
  }
  return image;
}

// A memory context with a section of a patterned background, so that left-out pixels show.
class Target {
 public:
  Target(int width, int height) : section_(width, height), dc_(CreateCompatibleDC(nullptr)) {
    old_ = SelectObject(dc_, section_.Handle());
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) section_.Bits()[y * width + x] = (x * 5 + y * 3) % 2 ? 0x336699 : 0x996633;
  }
  ~Target() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  Target(const Target&) = delete;
  Target& operator=(const Target&) = delete;
  HDC DC() const { return dc_; }
  TBitmap Pixels() const { return section_.ToBitmap(); }

 private:
  TDibSection section_;
  HDC dc_;
  HGDIOBJ old_;
};

struct Case {
  const char* name;
  bool sliced;
  bool transparent;
  RECT rect;
  int frame;
};

constexpr std::array<Case, 6> kCases{{
    {"sliced copied", true, false, {3, 4, 43, 22}, 2},
    {"sliced masked", true, true, {0, 0, 37, 30}, 4},
    {"sliced masked, narrower than its margins", true, true, {5, 5, 9, 11}, 1},
    {"cell copied", false, false, {2, 1, 30, 25}, 3},
    {"cell masked, stretched", false, true, {6, 2, 40, 31}, 2},
    {"cell masked, shrunk", false, true, {1, 1, 8, 7}, 5},
}};

void DrawOnce(HDC dc, const Case& c, const TBitmap& image, const TRect& margins) {
  if (c.sliced) {
    TSkinControl::DrawSlicedFrame(dc, c.rect, image, false, false, c.transparent, kFrames, c.frame, margins);
  } else {
    gdi::DrawFrameCell(dc, {c.rect.left, c.rect.top, c.rect.right, c.rect.bottom}, image, c.transparent, kFrames,
                       c.frame);
  }
}

void DrawCached(TPictureCache& cache, HDC dc, const Case& c, const TBitmap& image, const TRect& margins) {
  if (c.sliced) {
    cache.DrawSliced(dc, c.rect, image, false, false, c.transparent, kFrames, c.frame, margins);
  } else {
    cache.DrawCell(dc, c.rect, image, c.transparent, kFrames, c.frame);
  }
}

TEST(PictureCache, PaintsWhatTheOneOffDrawingPaintsAndBuildsEachPictureOnce) {
  const TBitmap image = FramedImage();
  const TRect margins{3, 3, 3, 3};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Target expected(48, 36), cached(48, 36);
    DrawOnce(expected.DC(), c, image, margins);
    TPictureCache cache;
    DrawCached(cache, cached.DC(), c, image, margins);
    DrawCached(cache, cached.DC(), c, image, margins);  // the second paint over the first: the same pixels
    EXPECT_EQ(cache.Builds(), 1);
    EXPECT_EQ(cache.Size(), 1u);
    const TBitmap want = expected.Pixels(), got = cached.Pixels();
    int differing = 0;
    for (int y = 0; y < want.Height(); ++y)
      for (int x = 0; x < want.Width(); ++x) differing += want.Colour(x, y) != got.Colour(x, y);
    EXPECT_EQ(differing, 0);
  }
}

TEST(PictureCache, AnotherSizeCellOrImageIsAnotherPictureAndClearStartsAfresh) {
  const TBitmap image = FramedImage();
  TBitmap other = FramedImage();
  Target target(48, 36);
  TPictureCache cache;
  cache.DrawCell(target.DC(), {0, 0, 10, 10}, image, true, kFrames, 1);
  cache.DrawCell(target.DC(), {20, 20, 30, 30}, image, true, kFrames, 1);  // moved only: found
  EXPECT_EQ(cache.Builds(), 1);
  cache.DrawCell(target.DC(), {0, 0, 11, 10}, image, true, kFrames, 1);
  cache.DrawCell(target.DC(), {0, 0, 10, 10}, image, true, kFrames, 2);
  cache.DrawCell(target.DC(), {0, 0, 10, 10}, image, false, kFrames, 1);
  cache.DrawCell(target.DC(), {0, 0, 10, 10}, other, true, kFrames, 1);
  cache.DrawSliced(target.DC(), {0, 0, 10, 10}, image, false, false, true, kFrames, 1, {});
  EXPECT_EQ(cache.Builds(), 6);
  EXPECT_EQ(cache.Size(), 6u);
  cache.Clear();
  EXPECT_EQ(cache.Size(), 0u);
  cache.DrawCell(target.DC(), {0, 0, 10, 10}, image, true, kFrames, 1);
  EXPECT_EQ(cache.Builds(), 7);
  // Nothing to draw builds nothing.
  cache.DrawCell(target.DC(), {5, 5, 5, 9}, image, true, kFrames, 1);
  cache.DrawSliced(target.DC(), {0, 0, 8, 8}, TBitmap(), false, false, true, kFrames, 1, {});
  EXPECT_EQ(cache.Builds(), 7);
}

TEST(PictureCache, StaysWithinItsCapacityAndFreesEveryHandle) {
  const TBitmap image = FramedImage();
  const long bitmaps = HandleCounter::Live(THandleKind::Bitmap);
  const int sections = TDibSection::LiveCount();
  {
    Target target(120, 40);
    const long withTarget = HandleCounter::Live(THandleKind::Bitmap);
    const int sectionsWithTarget = TDibSection::LiveCount();
    TPictureCache cache;
    // A control resized over and over.
    for (int width = 4; width < 4 + 3 * static_cast<int>(TPictureCache::Capacity); ++width) {
      cache.DrawCell(target.DC(), {0, 0, width, 20}, image, true, kFrames, 2);
      cache.DrawSliced(target.DC(), {0, 20, width, 40}, image, false, false, width % 2 == 0, kFrames, 3, {2, 2, 2, 2});
      EXPECT_LE(cache.Size(), TPictureCache::Capacity);
    }
    EXPECT_EQ(cache.Size(), TPictureCache::Capacity);
    EXPECT_GT(HandleCounter::Live(THandleKind::Bitmap), withTarget);
    cache.Clear();
    EXPECT_EQ(HandleCounter::Live(THandleKind::Bitmap), withTarget);
    EXPECT_EQ(TDibSection::LiveCount(), sectionsWithTarget);
    cache.DrawSliced(target.DC(), {0, 0, 30, 30}, image, false, false, true, kFrames, 3, {2, 2, 2, 2});
  }
  EXPECT_EQ(HandleCounter::Live(THandleKind::Bitmap), bitmaps);
  EXPECT_EQ(TDibSection::LiveCount(), sections);
}

class RangesPictures : public testing::GalleryPageTest {
 protected:
  void SetUp() override {
    GalleryPageTest::SetUp();
    LoadPage("ranges.txt");
  }
  void Paint(const char* name) {
    RedrawWindow(HandleOf(name), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
};

TEST_F(RangesPictures, RepaintsReuseThePicturesAndSkinChangeAndDetachDropThem) {
  struct Row {
    const char* name;
    std::function<const TPictureCache*()> cache;
  };
  const Row rows[] = {
      {"TrackHorizontal",
       [this]() -> const TPictureCache* {
         auto* s = PageSkinner<TSkinTrackBar>("TrackHorizontal");
         return s ? &s->Pictures() : nullptr;
       }},
      {"ProgressSmoothHalf",
       [this]() -> const TPictureCache* {
         auto* s = PageSkinner<TSkinProgress>("ProgressSmoothHalf");
         return s ? &s->Pictures() : nullptr;
       }},
      {"UpDownVertical",
       [this]() -> const TPictureCache* {
         auto* s = PageSkinner<TSkinUpDown>("UpDownVertical");
         return s ? &s->Pictures() : nullptr;
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const TPictureCache* cache = row.cache();
    ASSERT_NE(cache, nullptr);
    Paint(row.name);
    ASSERT_GT(cache->Size(), 0u);
    const int builds = cache->Builds();
    const long bitmaps = HandleCounter::Live(THandleKind::Bitmap);
    const int sections = TDibSection::LiveCount();
    for (int i = 0; i < 100; ++i) Paint(row.name);
    EXPECT_EQ(cache->Builds(), builds);
    EXPECT_EQ(HandleCounter::Live(THandleKind::Bitmap), bitmaps);
    EXPECT_EQ(TDibSection::LiveCount(), sections);
    // A skin change drops them; the next paint builds them again.
    auto* skinner = PageSkinner<TSkinControl>(row.name);
    ASSERT_NE(skinner, nullptr);
    skinner->SkinChanged();
    testing::PumpPending();
    Paint(row.name);
    EXPECT_GT(cache->Builds(), builds);
    // Letting go frees every picture.
    const long held = HandleCounter::Live(THandleKind::Bitmap);
    skinner->Unhook();
    skinner->Detach();
    EXPECT_EQ(cache->Size(), 0u);
    EXPECT_LT(HandleCounter::Live(THandleKind::Bitmap), held);
  }
}

}  // namespace
}  // namespace varnelta
