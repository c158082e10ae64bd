// The skin's picture drawing routines on a device context (Windows only). The pixels are made
// by the portable routines (skin/data/pixel_draw.h, skin/frame/caption_back.h) and handed to the
// system as DIB sections; this layer only places them, copies or masks them, and tiles.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include "runtime/bitmap.h"
#include "runtime/dib_section.h"
#include "runtime/types.h"
#include "runtime/win_handles.h"
#include "skin/frame/win32/draw_transparent.h"

namespace varnelta::gdi {

// A bitmap compatible with `dc` holding the picture: cheaper to make than a DIB section (by far
// under Wine), and in the context's own format for masked copies. Empty when it cannot be made.
TBitmapHandle DeviceBitmap(HDC dc, const TBitmap& picture);

// Draws all of `picture` at (x, y) unscaled: copied, or with magenta left out (DrawTransparent).
void DrawPicture(HDC dc, int x, int y, const TBitmap& picture, bool transparent,
                 TTransparentBlit how = TTransparentBlit::ForPlatform);

// Tiles rectangle `source` of `image` over `rect`: copies of it from `rect`'s top left corner,
// left to right and top to bottom, while the drawing position is inside `rect` (the last
// column and row may reach past its right and bottom edges). Copies wholly outside the
// context's clip box are skipped. An empty rectangle or source draws nothing.
void TileDraw(HDC dc, const TRect& rect, const TBitmap& image, const TRect& source);

// The 9-slice picture of width x height (see BuildSlicedBitmap in pixel_draw.h) as a DIB
// section the caller owns; empty for an empty size or picture.
TDibSection BuildSlicedBitmap(int width, int height, const TBitmap& image, const TRect& margins,
                              bool vertical, bool tile, int frameCount, int frame);

// The caption background strip (BuildCaptionBack) for `rect`, drawn with magenta transparent
// when `transparent`, else copied.
void DrawCaptionBack(HDC dc, const TRect& rect, const TBitmap& image, bool vertical,
                     bool transparent, int frameCount, int frame, const TRect& ends);

// Frame `frame` (side by side) of `image` stretched to `rect` (nearest neighbour), drawn with
// magenta transparent when `transparent`, else copied.
void DrawFrameCell(HDC dc, const TRect& rect, const TBitmap& image, bool transparent,
                   int frameCount, int frame);

}  // namespace varnelta::gdi

#endif  // _WIN32
