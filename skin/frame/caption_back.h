// The caption background strip: a picture with fixed ends and a middle that is repeated, not
// stretched, across the width (the chip behind a title bar's text, a menu bar's background).
#pragma once

#include "runtime/bitmap.h"
#include "runtime/types.h"

namespace varnelta {

// A picture of width x height made from frame `frame` of `image` (a strip of `frameCount`
// frames, stacked with `vertical`): the frame's left end, ends.Left wide, at x = 0; the frame's
// middle repeated unstretched from x = ends.Left while x < width - ends.Right; the frame's right
// end, ends.Right wide, at width - ends.Right, over the last repeat. Every piece is stretched to
// the picture's height (nearest neighbour). Only ends.Left and ends.Right are used; they are
// fitted to the frame first (ClampMargins: ends wider together than the frame are dropped), and
// a frame without a middle between its ends gives the ends alone. An empty size or picture
// gives an empty picture.
TBitmap BuildCaptionBack(int width, int height, const TBitmap& image, bool vertical,
                         int frameCount, int frame, const TRect& ends);

// Draws BuildCaptionBack's picture for `rect`'s size at `rect` of `target`; with `transparent`
// its magenta pixels leave the target as it was. An empty or inverted rectangle draws nothing.
void DrawCaptionBack(TBitmap& target, const TRect& rect, const TBitmap& image, bool vertical,
                     bool transparent, int frameCount, int frame, const TRect& ends);

}  // namespace varnelta
