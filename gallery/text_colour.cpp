#include "gallery/text_colour.h"

#include <algorithm>
#include <cmath>

namespace varnelta::gallery {

double Luminance(std::uint32_t rgb) {
  const auto channel = [](std::uint32_t v) {
    const double c = static_cast<double>(v & 0xFF) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(rgb) + 0.7152 * channel(rgb >> 8) + 0.0722 * channel(rgb >> 16);
}

TColor ReadableTextColour(std::uint32_t background, std::uint32_t lightText) {
  const double back = Luminance(background);
  const double light = Luminance(lightText);
  // Contrast of black and of the light text against the background.
  const double withBlack = (back + 0.05) / 0.05;
  const double withLight = (std::max(back, light) + 0.05) / (std::min(back, light) + 0.05);
  return withLight > withBlack ? static_cast<TColor>(lightText & 0xFFFFFF) : clWindowText;
}

}  // namespace varnelta::gallery
