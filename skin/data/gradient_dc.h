// GradientFill into a device context (Windows only): the painters' form of the gradient fill.
// Paints only the one-pixel bands that fall inside the context's clip box, each with its
// palette entry from the shared cache (see img_util.h).
#pragma once

#ifdef _WIN32

#include <windows.h>

#include "skin/data/img_util.h"

namespace varnelta {

// Direction kGradientRows paints rows top to bottom, kGradientColumns columns left to right.
// Nothing happens when no part of `rect` is visible in `dc` or the rectangle is empty.
void GradientFill(HDC dc, const RECT& rect, TColor c1, int direction, TColor c2);

}  // namespace varnelta

#endif  // _WIN32
