// Portable drawing of skin pictures into pictures: frame cells of a frame strip, nearest-
// neighbour stretching (what a device context does in COLORONCOLOR mode), tiling, 9-slice
// scaling with fixed margins, and magenta-transparent copies. The skin parse builds its derived
// pictures with these; the painters use the same code before handing the result to the system.
#pragma once

#include "runtime/bitmap.h"
#include "skin/data/img_util.h"

namespace varnelta {

// The cell of frame `frame` (1-based) of a strip of `frameCount` equal frames, side by side or,
// with `vertical`, stacked. A frame count below 1 counts as 1 and the frame is kept within
// 1..frameCount, so the cell always lies inside the picture.
TRect FrameCell(const TBitmap& image, int frameCount, int frame, bool vertical = false);

// Margins (or the ends of a strip) that fit a cell of cellWidth x cellHeight: a width below 0
// counts as 0, and when the two of one direction together are wider (higher) than the cell,
// both become 0, as when a destination is too small for them: the whole frame is then scaled as
// the middle. Skin descriptions may give any numbers; with these the fixed parts never read
// outside their own frame.
TRect ClampMargins(const TRect& margins, int cellWidth, int cellHeight);

// Stretches `source` rectangle `from` of `image` onto rectangle `to` of `target`, nearest
// neighbour; with `transparent`, magenta source pixels leave the target unchanged. Pixels
// outside either picture are skipped. Empty rectangles draw nothing.
void StretchCopy(TBitmap& target, const TRect& to, const TBitmap& image,
                 const TRect& from, bool transparent = false);

// Repeats rectangle `from` of `image` over `to`, left to right and top to bottom from `to`'s
// top left corner while the drawing position is inside `to`; the last column and row may reach
// past `to` (clipped only by the target picture).
void TileCopy(TBitmap& target, const TRect& to, const TBitmap& image, const TRect& from);

// Draws all of `image` at (x, y) unscaled; with `transparent`, magenta pixels are skipped.
void DrawImage(TBitmap& target, int x, int y, const TBitmap& image, bool transparent);

// A picture of width x height made from frame `frame` of `image`: the corners of `margins`
// copied, the edges stretched along their length, the middle stretched or (with `tile`) tiled.
// The margins are first fitted to the cell (ClampMargins); a size narrower than margins.Left +
// margins.Right then drops both (the same for the height), so the whole frame is scaled as the
// middle. The pieces go down in a fixed order (top-left, bottom-left, top-right corners, left
// edge, top edge, middle, bottom-right corner, right edge, bottom edge), so a tiled middle that
// runs past its area is covered by the pieces drawn after it.
TBitmap BuildSlicedBitmap(int width, int height, const TBitmap& image, const TRect& margins,
                          bool vertical, bool tile, int frameCount, int frame);

// Frame `frame` (side by side) of `image` stretched to `rect` of `target`, magenta transparent
// when `transparent`.
void DrawFrameCell(TBitmap& target, const TRect& rect, const TBitmap& image,
                   bool transparent, int frameCount, int frame);

}  // namespace varnelta
