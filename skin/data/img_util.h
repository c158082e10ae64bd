// Pixel operations on pictures and colour maths used to derive skin pictures: grey, magenta
// recolouring, mirror, flip, quarter turns, colour blending and saturation, and gradients with
// a small palette cache.
//
// The picture operations work on 24-bit pictures: they clear the alpha byte of every pixel they
// produce (see runtime/bitmap.h for the pixel layout).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "runtime/bitmap.h"
#include "skin/data/system_values.h"

namespace varnelta {

// Every pixel's three channels become (blue + green + red) / 3.
void GrayscaleBitmap(TBitmap& bitmap);
// Every pixel that is exactly magenta (red 255, green 0, blue 255) becomes `colour` (a system
// colour is resolved first).
void ReplaceMagenta(TBitmap& bitmap, TColor colour);
// Left-right mirror image.
void MirrorBitmap(TBitmap& bitmap);
// Top-bottom mirror image.
void FlipBitmap(TBitmap& bitmap);
// A quarter turn anticlockwise: the result is H wide and W high, source pixel (x, y) lands at
// (y, W - 1 - x).
void RotateBitmapLeft(TBitmap& bitmap);
// A quarter turn clockwise: source pixel (x, y) lands at (H - 1 - y, x).
void RotateBitmapRight(TBitmap& bitmap);

// Mixes two colours with weight `weight` for c1 on a scale of 100 (weights below 100) or 1000
// (weights of 100 and more): 50 gives half of each, 150 gives 15 % of c1 and 85 % of c2.
// System colours are resolved first.
TColor BlendColours(TColor c1, TColor c2, int weight);
// The saturation (max - min) / max of a colour scaled to 0..255 and rounded, except 200 for a
// colour whose three channels are all below 160. System colours are resolved first.
int ColourSaturation(TColor colour);

// Gradient palettes: n colours running from c1 to c2, cached in 16 slots taken round robin.
class TGradientPaletteCache {
 public:
  static constexpr int kSlots = 16;

  // The palette for (n, c1, c2), built into the next slot when not cached. n must be at least
  // 1; anything less raises EAssertionFailed("Assertion failure").
  const std::vector<TColor>& Palette(int n, TColor c1, TColor c2);
  // Builds a palette without caching it.
  static std::vector<TColor> Build(int n, TColor c1, TColor c2);

  // How many palettes have been built (for tests and benchmarks).
  int BuildCount() const { return builds_; }
  // The slot the next new palette will take.
  int NextSlot() const { return next_; }
  void Clear();

 private:
  struct Slot {
    int count = 0;
    TColor first = 0;
    TColor last = 0;
    std::vector<TColor> colours;
  };
  std::array<Slot, kSlots> slots_{};
  int next_ = 0;
  int builds_ = 0;
};

// The cache every gradient of the program shares.
TGradientPaletteCache& GradientPalettes();

TRect Intersect(const TRect& a, const TRect& b);

// Gradient direction: rows from top to bottom, or columns from left to right.
inline constexpr int kGradientColumns = 0;
inline constexpr int kGradientRows = 1;

// Fills `rect` of `target` with a gradient from c1 to c2: band i (the one-pixel row or column
// at offset i from the rectangle's top or left) gets palette entry i of (n, c1, c2), where n is
// the rectangle's height (rows) or width (columns). Only bands inside the picture and inside
// `clip` (when given) are painted, each clipped to both. System colours are resolved first.
void GradientFill(TBitmap& target, const TRect& rect, TColor c1, int direction, TColor c2,
                  const TRect* clip = nullptr);

// The band range [first, last) of a gradient over `rect` that falls inside `clip`; empty
// (first >= last) when nothing is visible. Shared by the bitmap fill and the device-context fill.
struct TBandRange {
  int first = 0;
  int last = 0;
};
TBandRange VisibleGradientBands(const TRect& rect, int direction, const TRect& clip);

}  // namespace varnelta
