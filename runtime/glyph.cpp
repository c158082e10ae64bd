#include "runtime/glyph.h"

#include "runtime/memory_stream.h"

namespace varnelta {

const TClassInfo& TGlyph::StaticClass() {
  static const TClassInfo info{"TGlyph", &TPersistent::StaticClass(), {}, {}};
  return info;
}

void TGlyph::SetBitmap(TBitmap bitmap) {
  bitmap_ = std::move(bitmap);
  if (OnChange) OnChange();
}

void TGlyph::DefineData(TFiler& filer, const std::string& name) {
  filer.DefineBinaryProperty(
      name,
      [this](TMemoryStream& data) {
        TBitmap read;
        // A stored picture that is no bitmap leaves the glyph empty rather than failing the form.
        read.LoadFromBytes(data.Bytes());
        SetBitmap(std::move(read));
      },
      [this](TMemoryStream& data) {
        const std::vector<std::uint8_t> bytes = bitmap_.SaveToBytes();
        data.Write(bytes.data(), bytes.size());
      },
      !bitmap_.Empty());
}

TBitmap GlyphCell(const TBitmap& glyph, int numGlyphs, int wanted) {
  if (glyph.Empty()) return {};
  if (numGlyphs < 1) numGlyphs = 1;
  const int cellWidth = glyph.Width() / numGlyphs;
  if (cellWidth <= 0) return {};
  const int cell = numGlyphs >= wanted && wanted >= 1 ? wanted : 1;
  TBitmap result = glyph.Copy(cellWidth * (cell - 1), 0, cellWidth, glyph.Height());
  const std::uint32_t key = OpaquePixel(glyph.Pixel(0, glyph.Height() - 1));
  for (std::uint32_t& p : result.Pixels()) {
    if (OpaquePixel(p) == key) {
      p = kTransparentPixel;
      continue;
    }
    if (wanted == gcDisabled) {
      const std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      const std::uint32_t grey = (r + g + b) / 3;
      p = (grey << 16) | (grey << 8) | grey;
    } else {
      // A magenta pixel that is not the key colour stays visible.
      p = OpaquePixel(p);
      if (p == kTransparentPixel) p ^= 1;
    }
  }
  return result;
}

}  // namespace varnelta
