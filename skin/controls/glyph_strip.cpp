#include "skin/controls/glyph_strip.h"

#include "skin/controls/choice_cells.h"

namespace varnelta {

std::vector<int> GlyphStripMap(int mode, int skinCells) {
  const int fifth = skinCells == 5 ? 5 : 0;
  switch (mode) {
    case gsCheckGlyphs: return {1, 2, fifth, 1, 2, fifth, 3, 4, fifth};
    case gsRadioGlyphs: return {1, 2, 1, 2, 3, 4};
    case gsPropertyGlyph: return {1, 2, fifth, 1, 2, fifth};
    default: return {};
  }
}

TBitmap BuildGlyphStrip(const TBitmap& picture, int skinCells, int mode) {
  const std::vector<int> map = GlyphStripMap(mode, skinCells);
  const int count = UsableCellCount(skinCells);
  const int w = picture.Width() / count, h = picture.Height();
  TBitmap strip;
  if (map.empty() || w <= 0 || h <= 0 || !strip.SetSize(w * static_cast<int>(map.size()), h)) return strip;
  for (std::size_t i = 0; i < map.size(); ++i) {
    const int cell = map[i];
    const bool copied = cell >= 1 && cell <= count;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const std::uint32_t pixel = copied ? picture.Pixel((cell - 1) * w + x, y) : kTransparentPixel;
        strip.SetPixel(static_cast<int>(i) * w + x, y, pixel);
      }
    }
  }
  return strip;
}

}  // namespace varnelta
