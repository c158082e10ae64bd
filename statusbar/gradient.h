// Gradient backgrounds: the colour of every pixel of an off-screen image for each direction.
#pragma once

#include <cstdint>
#include <vector>

#include "statusbar/colors.h"

namespace varnelta::statusbar {

enum TGradientDirection : int {
  gdDiagonalUp,        // bottom-left corner (start) to top-right corner (stop)
  gdDiagonalDown,      // top-left corner (start) to bottom-right corner (stop)
  gdHorizontalEnd,     // horizontal bands, top (start) to bottom (stop)
  gdHorizontalCenter,  // horizontal bands, both edges (start) to the middle row (stop)
  gdHorizontalBox,     // frames inset equally on all sides as far as the height allows
  gdVerticalEnd,       // vertical bands, left (start) to right (stop)
  gdVerticalCenter,    // vertical bands, both edges (start) to the middle column (stop)
  gdVerticalBox,       // frames inset equally on all sides as far as the width allows
  gdSquareBox,         // frames shrinking in proportion to the middle point
  gdBigSquareBox,      // squares around the middle, the outermost one enclosing the image
};

// At most this many colours (one per step) between the two gradient colours.
constexpr int kGradientSteps = 256;

// Colour number `step` of `steps`: every channel moves separately from start to stop.
TColorRef GradientStepColor(TColorRef start, TColorRef stop, int step, int steps);

// The pixels of a width x height image, rows top to bottom, as 0x00BBGGRR values. Empty when
// either side is not positive or the image would be unreasonably large (over 2^26 pixels).
// Equal colours give a plain fill.
std::vector<TColorRef> GradientPixels(int width, int height, TColorRef start, TColorRef stop,
                                      TGradientDirection direction);

}  // namespace varnelta::statusbar
