// TGlyph: the picture of a button that shows one: cells of equal width side by side (up,
// disabled, down, held down), stored with the form as a Windows bitmap file under
// "<property>.Data". The colour of the bottom-left pixel is the picture's transparent colour.
#pragma once

#include <functional>
#include <string>

#include "runtime/bitmap.h"
#include "runtime/filer.h"
#include "runtime/persistent.h"

namespace varnelta {

// Glyph cells a button asks for.
enum TGlyphCell : int { gcUp = 1, gcDisabled = 2, gcDown = 3, gcHeldDown = 4 };

class TGlyph : public TPersistent {
  VARNELTA_CLASS()
 public:
  const TBitmap& Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap bitmap);
  bool Empty() const { return bitmap_.Empty(); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  // Declares the stored picture as the binary property `name` of the owning component.
  void DefineData(TFiler& filer, const std::string& name);
  // Called when the picture changes (the button repaints).
  std::function<void()> OnChange;

 private:
  TBitmap bitmap_;
};

// The cell `wanted` of a picture of `numGlyphs` cells (cell 1 when it has fewer; a count below 1
// counts as 1), with the transparent colour (the bottom-left pixel of the picture) turned into
// magenta, so that painters leave it out. The disabled cell is greyed: red, green and blue each
// become (red + green + blue) / 3.
TBitmap GlyphCell(const TBitmap& glyph, int numGlyphs, int wanted);

}  // namespace varnelta
