// Pixel values of the skin, laid out for 96 dots per inch, at the screen's DPI: every length
// becomes MulDiv(x, dpi, 96), so at 96 DPI everything stays exactly as the skin gives it.
#pragma once

#include "runtime/bitmap.h"
#include "runtime/types.h"

namespace varnelta {

inline constexpr int kDesignDpi = 96;

// A 96-DPI length at `dpi`, rounded to the nearest pixel (halves away from zero). A DPI of 0 or
// less (the system gave none) leaves the value as it is.
int ScalePixel(int value, int dpi);
// Each of the four values (margins, ends, or the edges of a rectangle) scaled alone.
TRect ScalePixels(const TRect& value, int dpi);

// A frame strip (`frameCount` frames side by side, or stacked with `vertical`) with every frame
// scaled on its own to ScalePixel of its width and height, nearest neighbour, so no frame takes
// pixels of its neighbour and magenta stays exactly magenta. At 96 DPI (or a DPI of 0 or less)
// the picture comes back unchanged.
TBitmap ScaleFrameStrip(const TBitmap& image, int frameCount, bool vertical, int dpi);

}  // namespace varnelta
