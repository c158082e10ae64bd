// TSkinBitButton: a button with a glyph, painted whole from the skin's Buttons picture like a
// push button, with the glyph cell of its state (up, disabled greyed, down) and the caption laid
// out by Layout, Margin and Spacing. The glyph comes from the published "Glyph" picture, or from
// the picture property the dispatch names (one cell, its full width).
#pragma once

#include "skin/controls/skin_button.h"

namespace varnelta {

class TGlyph;

class TSkinBitButton : public TSkinButton {
  VARNELTA_CLASS()
 public:
  void Configure(const TSkinnerSettings& settings) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // Where the last paint put the glyph and the caption (window coordinates).
  const RECT& LastGlyphRect() const { return glyphRect_; }
  const RECT& LastTextRect() const { return textRect_; }

 protected:
  // The glyph picture of the control (none when it has no picture of that name).
  const TGlyph* GlyphOf(int& numGlyphs) const;
  // Glyph and caption laid out in `area` of the buffer, the glyph showing cell `wanted`; the
  // caption in `textColour`; a focus rectangle around it when `focusRect`.
  void DrawGlyphLayout(HDC dc, const RECT& area, int wanted, COLORREF textColour, bool focusRect);

  std::string FImageProperty;

 private:
  RECT glyphRect_{};
  RECT textRect_{};
};

}  // namespace varnelta
