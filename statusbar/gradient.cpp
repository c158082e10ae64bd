#include "statusbar/gradient.h"

#include <algorithm>
#include <cstdlib>

namespace varnelta::statusbar {
namespace {

// A fraction num / den (den > 0) of the way from the start colour to the stop colour. Whole
// numbers only, so every processor gives the same picture.
struct Fraction {
  long long num = 0;
  long long den = 1;
};

Fraction Min(Fraction a, Fraction b) { return a.num * b.den <= b.num * a.den ? a : b; }
Fraction AtMostOne(Fraction f) { return f.num > f.den ? Fraction{1, 1} : f; }

// Position 0 .. extent - 1 along the whole extent.
Fraction Along(int position, int extent) {
  if (extent <= 1) return {0, 1};
  return {position, extent - 1};
}

// Distance to the nearer edge, as a part of the way to the middle of `halfOf`'s extent.
Fraction ToMiddle(int position, int extent, int halfOf) {
  const long long distance = std::min(position, extent - 1 - position);
  if (halfOf <= 1) return {1, 1};
  return AtMostOne({2 * distance, halfOf - 1});
}

Fraction At(int x, int y, int w, int h, TGradientDirection direction) {
  switch (direction) {
    case gdDiagonalUp:
    case gdDiagonalDown: {
      const int row = direction == gdDiagonalUp ? h - 1 - y : y;
      if (w <= 1 && h <= 1) return {0, 1};
      if (w <= 1) return Along(row, h);
      if (h <= 1) return Along(x, w);
      const long long wd = w - 1;
      const long long hd = h - 1;
      return {x * hd + row * wd, 2 * wd * hd};
    }
    case gdHorizontalEnd: return Along(y, h);
    case gdHorizontalCenter: return ToMiddle(y, h, h);
    case gdHorizontalBox: return Min(ToMiddle(y, h, h), ToMiddle(x, w, h));
    case gdVerticalEnd: return Along(x, w);
    case gdVerticalCenter: return ToMiddle(x, w, w);
    case gdVerticalBox: return Min(ToMiddle(x, w, w), ToMiddle(y, h, w));
    case gdSquareBox: return Min(ToMiddle(x, w, w), ToMiddle(y, h, h));
    case gdBigSquareBox: {
      // Squares around the middle; the outermost (start colour) has sides max(w, h).
      const long long side = std::max(w, h);
      const long long dx = std::abs(2LL * x + 1 - w);
      const long long dy = std::abs(2LL * y + 1 - h);
      const long long d = std::min(std::max(dx, dy), side);
      return {side - d, side};
    }
    default: return {0, 1};
  }
}

}  // namespace

TColorRef GradientStepColor(TColorRef start, TColorRef stop, int step, int steps) {
  if (steps <= 1) return start;
  step = std::clamp(step, 0, steps - 1);
  auto channel = [&](int a, int b) { return a + (b - a) * step / (steps - 1); };
  return MakeRGB(channel(RedOf(start), RedOf(stop)), channel(GreenOf(start), GreenOf(stop)),
                 channel(BlueOf(start), BlueOf(stop)));
}

std::vector<TColorRef> GradientPixels(int width, int height, TColorRef start, TColorRef stop,
                                      TGradientDirection direction) {
  if (width <= 0 || height <= 0) return {};
  const long long count = static_cast<long long>(width) * height;
  if (count > (1LL << 26)) return {};
  start &= 0xFFFFFF;
  stop &= 0xFFFFFF;
  std::vector<TColorRef> pixels(static_cast<std::size_t>(count), start);
  if (start == stop) return pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Fraction t = At(x, y, width, height, direction);
      const int step =
          static_cast<int>(RoundHalfEvenRatio(t.num * (kGradientSteps - 1), t.den));
      pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
             static_cast<std::size_t>(x)] = GradientStepColor(start, stop, step, kGradientSteps);
    }
  }
  return pixels;
}

}  // namespace varnelta::statusbar
