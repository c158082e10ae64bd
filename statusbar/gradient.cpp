#include "statusbar/gradient.h"

#include <algorithm>
#include <cstdlib>

namespace varnelta::statusbar {
namespace {

// Position 0 .. extent - 1 as a fraction of the way from the start to the stop.
double Along(int position, int extent) {
  if (extent <= 1) return 0.0;
  return static_cast<double>(position) / (extent - 1);
}

// Distance to the nearer edge, as a fraction of the way to the middle.
double ToMiddle(int position, int extent) {
  const int distance = std::min(position, extent - 1 - position);
  const double half = (extent - 1) / 2.0;
  if (half <= 0.0) return 1.0;
  return std::min(1.0, distance / half);
}

// Distance to the nearer edge measured against another side's half.
double ToMiddleScaled(int position, int extent, int otherExtent) {
  const int distance = std::min(position, extent - 1 - position);
  const double half = (otherExtent - 1) / 2.0;
  if (half <= 0.0) return 1.0;
  return std::min(1.0, distance / half);
}

double Fraction(int x, int y, int w, int h, TGradientDirection direction) {
  switch (direction) {
    case gdDiagonalUp: return (Along(x, w) + Along(h - 1 - y, h)) / 2.0;
    case gdDiagonalDown: return (Along(x, w) + Along(y, h)) / 2.0;
    case gdHorizontalEnd: return Along(y, h);
    case gdHorizontalCenter: return ToMiddle(y, h);
    case gdHorizontalBox: return std::min(ToMiddle(y, h), ToMiddleScaled(x, w, h));
    case gdVerticalEnd: return Along(x, w);
    case gdVerticalCenter: return ToMiddle(x, w);
    case gdVerticalBox: return std::min(ToMiddle(x, w), ToMiddleScaled(y, h, w));
    case gdSquareBox: return std::min(ToMiddle(x, w), ToMiddle(y, h));
    case gdBigSquareBox: {
      const double half = std::max(w, h) / 2.0;
      const double dx = std::abs(x + 0.5 - w / 2.0);
      const double dy = std::abs(y + 0.5 - h / 2.0);
      return std::clamp(1.0 - std::max(dx, dy) / half, 0.0, 1.0);
    }
    default: return 0.0;
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
      const double t = Fraction(x, y, width, height, direction);
      const int step = static_cast<int>(RoundHalfEven(t * (kGradientSteps - 1)));
      pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
             static_cast<std::size_t>(x)] = GradientStepColor(start, stop, step, kGradientSteps);
    }
  }
  return pixels;
}

}  // namespace varnelta::statusbar
