// Window regions from rectangle lists (Windows only): one ExtCreateRegion with every rectangle;
// where the system refuses that many at once, batches joined with RGN_OR.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <cstddef>
#include <span>

#include "runtime/bitmap.h"
#include "runtime/types.h"
#include "runtime/win_handles.h"

namespace varnelta::gdi {

// Rectangles per ExtCreateRegion call once a single call for all of them has failed.
inline constexpr std::size_t kRegionBatch = 2000;

// The union of the rectangles as a new region (empty rectangles are left out; no rectangles
// give an empty region). `perCall` limits the rectangles given to one ExtCreateRegion call
// (0: all of them, falling back to batches of kRegionBatch when the system refuses). A null
// handle when the system cannot make the region at all.
TRegionHandle CreateRegionFromRects(std::span<const TRect> rects, std::size_t perCall = 0);

// The region of the pixels of `bitmap` that are not the key colour (with IsKeyPixel's tolerance
// of 1 upwards), moved by (offsetX, offsetY).
TRegionHandle BitmapToRegion(const TBitmap& bitmap, int offsetX, int offsetY,
                             TColor key = kTransparentColour);

}  // namespace varnelta::gdi

#endif  // _WIN32
