#include "tools/skingen/dark_variant.h"

#include <algorithm>
#include <cmath>

namespace varnelta::skingen {

namespace {

constexpr std::uint32_t kMagentaRgb = 0xFF00FF;

struct Hsl {
  double h, s, l;
};

Hsl ToHsl(double r, double g, double b) {
  const double max = std::max({r, g, b});
  const double min = std::min({r, g, b});
  Hsl out{0, 0, (max + min) / 2};
  const double d = max - min;
  if (d <= 1e-9) return out;
  out.s = out.l > 0.5 ? d / (2 - max - min) : d / (max + min);
  if (max == r) {
    out.h = (g - b) / d + (g < b ? 6 : 0);
  } else if (max == g) {
    out.h = (b - r) / d + 2;
  } else {
    out.h = (r - g) / d + 4;
  }
  out.h /= 6;
  return out;
}

double HueToRgb(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 1.0 / 2) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

std::uint32_t FromHsl(const Hsl& c) {
  double r = c.l, g = c.l, b = c.l;
  if (c.s > 1e-9) {
    const double q = c.l < 0.5 ? c.l * (1 + c.s) : c.l + c.s - c.l * c.s;
    const double p = 2 * c.l - q;
    r = HueToRgb(p, q, c.h + 1.0 / 3);
    g = HueToRgb(p, q, c.h);
    b = HueToRgb(p, q, c.h - 1.0 / 3);
  }
  const auto byte = [](double v) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
  };
  return (byte(r) << 16) | (byte(g) << 8) | byte(b);
}

}  // namespace

std::uint32_t DarkColour(std::uint32_t rgb) {
  if ((rgb & 0xFFFFFF) == kMagentaRgb) return kMagentaRgb;
  const double r = ((rgb >> 16) & 0xFF) / 255.0;
  const double g = ((rgb >> 8) & 0xFF) / 255.0;
  const double b = (rgb & 0xFF) / 255.0;
  const Hsl c = ToHsl(r, g, b);
  const double chroma = std::max({r, g, b}) - std::min({r, g, b});
  // Greys and soft tints are turned round; strong colours keep their lightness.
  const double keep = std::clamp((chroma - 0.15) / 0.35, 0.0, 1.0);
  const double turned = 0.12 + (1 - c.l) * 0.78;
  Hsl out = c;
  out.l = keep * c.l + (1 - keep) * turned;
  // Dark surfaces carry a little less of their tint.
  out.s = c.s * (0.55 + 0.45 * keep);
  std::uint32_t result = FromHsl(out);
  if (result == kMagentaRgb) result = 0xFE00FF;
  return result;
}

std::vector<SkinPicture> DrawDarkSkinPictures() {
  std::vector<SkinPicture> pictures = DrawSkinPictures();
  for (SkinPicture& picture : pictures) {
    for (std::uint32_t& pixel : picture.bitmap.Pixels()) {
      pixel = (pixel & 0xFF000000u) | DarkColour(pixel & 0xFFFFFF);
    }
  }
  return pictures;
}

}  // namespace varnelta::skingen
