// The rectangles of a window region cut out of pictures: every maximal run of non-transparent
// pixels of a row becomes one rectangle one pixel high. Pure; the system side turns the list
// into a region in one call.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "runtime/bitmap.h"
#include "runtime/types.h"

namespace varnelta {

// Whether a pixel counts as the key colour (0x00BBGGRR): each of its red, green and blue lies
// between the key's component and that component plus 1 (at most 255). With the key magenta,
// (255, 0, 255) and (255, 1, 255) are transparent; (254, 0, 255) and (255, 2, 255) are not.
bool IsKeyPixel(std::uint32_t pixel, TColor key);

// Appends the runs of non-key pixels of `picture`, row by row from the top and left to right,
// each as (x1 + offsetX, y + offsetY, x2 + offsetX, y + offsetY + 1) with x2 one past the run.
void AppendOpaqueRuns(std::vector<TRect>& rects, const TBitmap& picture, int offsetX,
                      int offsetY, TColor key = kTransparentColour);
std::vector<TRect> OpaqueRuns(const TBitmap& picture, int offsetX, int offsetY,
                              TColor key = kTransparentColour);

// One part of a region: with a picture, the picture's opaque runs placed at Rect's top left
// corner and clipped to Rect; without one, Rect itself. An empty Rect adds nothing.
struct TRegionPart {
  TRect Rect;
  const TBitmap* Picture = nullptr;
};

// The rectangles of a region made of `client` and the parts, in that order (empty rectangles
// left out): what a skinned frame's window region is built from in one go.
std::vector<TRect> CollectRegionRects(const TRect& client, std::span<const TRegionPart> parts,
                                      TColor key = kTransparentColour);

// The smallest rectangle holding every non-empty rectangle of the list; (0, 0, 0, 0) for none.
TRect BoundingRect(std::span<const TRect> rects);

}  // namespace varnelta
