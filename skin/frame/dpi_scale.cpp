#include "skin/frame/dpi_scale.h"

#include <algorithm>

#include "runtime/layout.h"
#include "skin/data/pixel_draw.h"

namespace varnelta {

namespace {
bool Unscaled(int dpi) { return dpi <= 0 || dpi == kDesignDpi; }
}  // namespace

int ScalePixel(int value, int dpi) { return Unscaled(dpi) ? value : ScaleForDpi(value, dpi); }

TRect ScalePixels(const TRect& value, int dpi) {
  return {ScalePixel(value.Left, dpi), ScalePixel(value.Top, dpi), ScalePixel(value.Right, dpi),
          ScalePixel(value.Bottom, dpi)};
}

TBitmap ScaleFrameStrip(const TBitmap& image, int frameCount, bool vertical, int dpi) {
  if (Unscaled(dpi) || image.Empty()) return image;
  const int count = std::max(frameCount, 1);
  const TRect first = FrameCell(image, count, 1, vertical);
  const int w = ScalePixel(first.Width(), dpi), h = ScalePixel(first.Height(), dpi);
  TBitmap result;
  if (w <= 0 || h <= 0) return result;
  if (!(vertical ? result.SetSize(w, h * count) : result.SetSize(w * count, h))) return result;
  for (int k = 0; k < count; ++k) {
    const TRect to = vertical ? Bounds(0, k * h, w, h) : Bounds(k * w, 0, w, h);
    StretchCopy(result, to, image, FrameCell(image, count, k + 1, vertical));
  }
  return result;
}

}  // namespace varnelta
