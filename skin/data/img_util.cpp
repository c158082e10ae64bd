#include "skin/data/img_util.h"

#include <algorithm>
#include <utility>

#include "skin/data/assertion.h"

namespace varnelta {

namespace {

constexpr std::uint32_t Red(TColor c) { return c & 0xFF; }
constexpr std::uint32_t Green(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint32_t Blue(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

}  // namespace

void GrayscaleBitmap(TBitmap& bitmap) {
  for (std::uint32_t& p : bitmap.Pixels()) {
    std::uint32_t grey = ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) / 3;
    p = grey | (grey << 8) | (grey << 16);
  }
}

void ReplaceMagenta(TBitmap& bitmap, TColor colour) {
  const std::uint32_t replacement = PixelFromColour(ColourToRgb(colour));
  for (std::uint32_t& p : bitmap.Pixels()) {
    p = OpaquePixel(p);
    if (p == kTransparentPixel) p = replacement;
  }
}

void MirrorBitmap(TBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint32_t* row = bitmap.Row(y);
    std::reverse(row, row + bitmap.Width());
  }
  bitmap.MakeOpaque();
}

void FlipBitmap(TBitmap& bitmap) {
  const int w = bitmap.Width();
  for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(bitmap.Row(top), bitmap.Row(top) + w, bitmap.Row(bottom));
  bitmap.MakeOpaque();
}

void RotateBitmapLeft(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int w = bitmap.Width(), h = bitmap.Height();
  TBitmap turned(h, w);
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* row = bitmap.Row(y);
    for (int x = 0; x < w; ++x) turned.Row(w - 1 - x)[y] = OpaquePixel(row[x]);
  }
  bitmap = std::move(turned);
}

void RotateBitmapRight(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int w = bitmap.Width(), h = bitmap.Height();
  TBitmap turned(h, w);
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* row = bitmap.Row(y);
    for (int x = 0; x < w; ++x) turned.Row(x)[h - 1 - y] = OpaquePixel(row[x]);
  }
  bitmap = std::move(turned);
}

TColor BlendColours(TColor c1, TColor c2, int weight) {
  c1 = ColourToRgb(c1);
  c2 = ColourToRgb(c2);
  const std::int64_t scale = weight < 100 ? 100 : 1000;
  auto mix = [&](std::uint32_t a, std::uint32_t b) {
    std::int64_t v = (std::int64_t{b} * (scale - weight) + std::int64_t{a} * weight + scale / 2) / scale;
    return static_cast<std::uint32_t>(v) & 0xFF;
  };
  return Rgb(mix(Red(c1), Red(c2)), mix(Green(c1), Green(c2)), mix(Blue(c1), Blue(c2)));
}

int ColourSaturation(TColor colour) {
  colour = ColourToRgb(colour);
  const std::uint32_t r = Red(colour), g = Green(colour), b = Blue(colour);
  if (r < 160 && g < 160 && b < 160) return 200;
  const std::uint32_t max = std::max({r, g, b}), min = std::min({r, g, b});
  if (max == 0) return 0;
  // (max - min) / max * 255, rounded to the nearest integer (halves away from zero).
  return static_cast<int>(((max - min) * 255 * 2 + max) / (2 * max));
}

std::vector<TColor> TGradientPaletteCache::Build(int n, TColor c1, TColor c2) {
  if (n < 1) throw EAssertionFailed("Assertion failure");
  const int dr = static_cast<int>(Red(c2)) - static_cast<int>(Red(c1));
  const int dg = static_cast<int>(Green(c2)) - static_cast<int>(Green(c1));
  const int db = static_cast<int>(Blue(c2)) - static_cast<int>(Blue(c1));
  std::vector<TColor> colours(static_cast<std::size_t>(n));
  if (n == 1) {
    colours[0] = Rgb(Red(c1) + dr / 2, Green(c1) + dg / 2, Blue(c1) + db / 2);
    return colours;
  }
  const std::int64_t m = n - 1;
  for (std::int64_t i = 0; i <= m; ++i) {
    auto channel = [&](std::uint32_t start, int d) {
      return static_cast<std::uint32_t>(static_cast<std::int64_t>(start) + (m / 2 + i * d) / m);
    };
    colours[static_cast<std::size_t>(i)] =
        Rgb(channel(Red(c1), dr), channel(Green(c1), dg), channel(Blue(c1), db));
  }
  return colours;
}

const std::vector<TColor>& TGradientPaletteCache::Palette(int n, TColor c1, TColor c2) {
  if (n < 1) throw EAssertionFailed("Assertion failure");
  // Slots are matched by the colours they were built for, so a palette whose last entry
  // falls short of c2 (a falling channel rounds towards c1) is found again as well.
  for (int i = kSlots - 1; i >= 0; --i) {
    const Slot& slot = slots_[static_cast<std::size_t>(i)];
    if (slot.count == n && slot.first == c1 && slot.last == c2) return slot.colours;
  }
  Slot& slot = slots_[static_cast<std::size_t>(next_)];
  slot.colours = Build(n, c1, c2);
  slot.count = n;
  slot.first = c1;
  slot.last = c2;
  next_ = (next_ + 1) % kSlots;
  ++builds_;
  return slot.colours;
}

void TGradientPaletteCache::Clear() {
  slots_ = {};
  next_ = 0;
  builds_ = 0;
}

TGradientPaletteCache& GradientPalettes() {
  static TGradientPaletteCache cache;
  return cache;
}

TRect Intersect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
               std::min(a.Bottom, b.Bottom)};
  if (r.IsEmpty()) return {};
  return r;
}

TBandRange VisibleGradientBands(const TRect& rect, int direction, const TRect& clip) {
  TRect visible = Intersect(rect, clip);
  if (visible.IsEmpty()) return {};
  if (direction == kGradientRows) return {visible.Top - rect.Top, visible.Bottom - rect.Top};
  return {visible.Left - rect.Left, visible.Right - rect.Left};
}

void GradientFill(TBitmap& target, const TRect& rect, TColor c1, int direction, TColor c2,
                  const TRect* clip) {
  TRect box{0, 0, target.Width(), target.Height()};
  if (clip != nullptr) box = Intersect(box, *clip);
  TBandRange bands = VisibleGradientBands(rect, direction, box);
  if (bands.first >= bands.last) return;
  c1 = ColourToRgb(c1);
  c2 = ColourToRgb(c2);
  const int n = direction == kGradientRows ? rect.Height() : rect.Width();
  if (n <= 0) return;
  const std::vector<TColor>& palette = GradientPalettes().Palette(n, c1, c2);
  TRect visible = Intersect(rect, box);
  for (int i = bands.first; i < bands.last; ++i) {
    const TColor colour = palette[static_cast<std::size_t>(i)];
    if (direction == kGradientRows)
      target.FillRect(visible.Left, rect.Top + i, visible.Width(), 1, colour);
    else
      target.FillRect(rect.Left + i, visible.Top, 1, visible.Height(), colour);
  }
}

}  // namespace varnelta
