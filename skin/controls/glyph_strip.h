// The glyph strips handed to controls that draw their boxes from a strip of their own: which
// cell of the skin's check box or radio button picture fills each strip cell, and the strip
// itself, cells copied unscaled (cell size = picture width / its cell count, full height).
#pragma once

#include <vector>

#include "runtime/bitmap.h"

namespace varnelta {

enum TGlyphStripMode : int {
  gsCheckGlyphs = 1,   // 9 cells from the check box picture
  gsRadioGlyphs = 2,   // 6 cells from the radio button picture
  gsPropertyGlyph = 3  // 6 cells from the check box picture
};

// For each strip cell in order, the skin cell (1-based) copied into it, or 0 for a cell left
// transparent. `skinCells` is the skin picture's cell count.
std::vector<int> GlyphStripMap(int mode, int skinCells);
// The strip built from `picture` of `skinCells` cells; cells without a source are magenta. Empty
// for an empty picture or an unknown mode.
TBitmap BuildGlyphStrip(const TBitmap& picture, int skinCells, int mode);

}  // namespace varnelta
