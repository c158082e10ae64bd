#include "statusbar/colors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace varnelta::statusbar {
namespace {

class ClassicColors final : public ISystemColors {
 public:
  TColorRef SysColor(int index) const override {
    // The classic Windows standard scheme, COLOR_SCROLLBAR (0) to COLOR_GRADIENTINACTIVECAPTION (28).
    static constexpr std::array<TColorRef, 29> kTable = {
        MakeRGB(192, 192, 192),  // scroll bar
        MakeRGB(0, 128, 128),    // desktop
        MakeRGB(0, 0, 128),      // active caption
        MakeRGB(128, 128, 128),  // inactive caption
        MakeRGB(192, 192, 192),  // menu
        MakeRGB(255, 255, 255),  // window
        MakeRGB(0, 0, 0),        // window frame
        MakeRGB(0, 0, 0),        // menu text
        MakeRGB(0, 0, 0),        // window text
        MakeRGB(255, 255, 255),  // caption text
        MakeRGB(192, 192, 192),  // active border
        MakeRGB(192, 192, 192),  // inactive border
        MakeRGB(128, 128, 128),  // application workspace
        MakeRGB(0, 0, 128),      // highlight
        MakeRGB(255, 255, 255),  // highlight text
        MakeRGB(192, 192, 192),  // button face
        MakeRGB(128, 128, 128),  // button shadow
        MakeRGB(128, 128, 128),  // grey text
        MakeRGB(0, 0, 0),        // button text
        MakeRGB(192, 192, 192),  // inactive caption text
        MakeRGB(255, 255, 255),  // button highlight
        MakeRGB(0, 0, 0),        // 3D dark shadow
        MakeRGB(223, 223, 223),  // 3D light
        MakeRGB(0, 0, 0),        // info text
        MakeRGB(255, 255, 225),  // info background
        MakeRGB(180, 180, 180),  // (unused)
        MakeRGB(0, 0, 255),      // hot light
        MakeRGB(16, 132, 208),   // gradient active caption
        MakeRGB(181, 181, 181),  // gradient inactive caption
    };
    if (index < 0 || index >= static_cast<int>(kTable.size())) return 0;
    return kTable[static_cast<std::size_t>(index)];
  }
};

}  // namespace

const ISystemColors& ClassicSystemColors() {
  static const ClassicColors colors;
  return colors;
}

TColorRef ColorToRGB(TColor color, const ISystemColors& colors) {
  if (IsSystemColor(color)) return colors.SysColor(static_cast<int>(color & 0xFF)) & 0xFFFFFF;
  return color & 0xFFFFFF;
}

long long RoundHalfEvenRatio(long long numerator, long long denominator) {
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  long long quotient = numerator / denominator;
  long long remainder = numerator % denominator;
  if (remainder < 0) {
    remainder += denominator;
    quotient -= 1;
  }
  const long long twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

long long RoundHalfEven(double value) {
  const double floor_value = std::floor(value);
  const double fraction = value - floor_value;
  auto result = static_cast<long long>(floor_value);
  if (fraction > 0.5 || (fraction == 0.5 && (result % 2 != 0))) ++result;
  return result;
}

// The conversions work on exact fractions of integers: the same colour gives the same result
// on every processor, and halves are really halves.
THls RGBToHls(TColorRef rgb) {
  const long long r = RedOf(rgb);
  const long long g = GreenOf(rgb);
  const long long b = BlueOf(rgb);
  const long long max = std::max({r, g, b});
  const long long min = std::min({r, g, b});
  const long long sum = max + min;
  THls hls;
  // Luminance (max + min) / 2 of the fractions of 255, on the 240 scale.
  hls.Luminance = static_cast<int>(RoundHalfEvenRatio(sum * 240, 510));
  if (max == min) return hls;
  const long long delta = max - min;
  // Saturation: delta / (max + min) below luminance one half, delta / (2 - max - min) from it.
  hls.Saturation = static_cast<int>(
      RoundHalfEvenRatio(delta * 240, sum < 255 ? sum : 510 - sum));
  // Hue: the sector formula divided by 6 (one sector is 40 on the 240 scale), plus a full
  // circle when negative.
  long long hue = 0;
  if (r == max) {
    hue = 40 * (g - b);
  } else if (g == max) {
    hue = 80 * delta + 40 * (b - r);
  } else {
    hue = 160 * delta + 40 * (r - g);
  }
  if (hue < 0) hue += 240 * delta;
  hls.Hue = static_cast<int>(RoundHalfEvenRatio(hue, delta));
  return hls;
}

TColorRef HlsToRGB(THls hls) {
  const long long hue = std::clamp(hls.Hue, 0, 240);
  const long long lum = std::clamp(hls.Luminance, 0, 255);
  const long long sat = std::clamp(hls.Saturation, 0, 240);
  // A component v as a fraction num / den, clipped to 0 .. 1, times 255, rounded.
  auto component = [](long long num, long long den) {
    num = std::clamp(num, 0LL, den);
    return static_cast<int>(RoundHalfEvenRatio(num * 255, den));
  };
  if (sat == 0) {
    const int v = component(lum, 240);
    return MakeRGB(v, v, v);
  }
  // Everything over 240 * 240 * 239: l = lum / 240, s = sat / 240, and the hue comes back
  // divided by 239 (not 240), so a full-circle hue lands just past the last sector and
  // wraps into the first.
  constexpr long long kDen = 240LL * 240 * 239;
  const long long m2 = (lum <= 120 ? lum * (240 + sat) : lum * 240 + sat * 240 - lum * sat) * 239;
  const long long m1 = 2 * lum * 240 * 239 - m2;
  const long long sector = (6 * hue) / 239;
  const long long fraction = 6 * hue - 239 * sector;  // over 239
  const long long rising = m1 + (m2 - m1) * fraction / 239;
  const long long falling = m2 - (m2 - m1) * fraction / 239;
  long long r = m1;
  long long g = m1;
  long long b = m1;
  switch (sector % 6) {
    case 0: r = m2; g = rising; b = m1; break;
    case 1: r = falling; g = m2; b = m1; break;
    case 2: r = m1; g = m2; b = rising; break;
    case 3: r = m1; g = falling; b = m2; break;
    case 4: r = rising; g = m1; b = m2; break;
    default: r = m2; g = m1; b = falling; break;
  }
  return MakeRGB(component(r, kDen), component(g, kDen), component(b, kDen));
}

TColorRef AdjustColor(TColor color, int amount, const ISystemColors& colors) {
  const TColorRef rgb = ColorToRGB(color, colors);
  if (amount == 0) return rgb;
  THls hls = RGBToHls(rgb);
  const long long shifted = static_cast<long long>(hls.Luminance) + amount;
  hls.Luminance = static_cast<int>(std::clamp(shifted, 0LL, 255LL));
  return HlsToRGB(hls);
}

}  // namespace varnelta::statusbar
