// TPicture: a picture held by a control's published property (glyph strips, tab backgrounds),
// with the colour drawn as transparent and whether it is. Not written with a form.
#pragma once

#include "runtime/bitmap.h"
#include "runtime/persistent.h"
#include "runtime/types.h"

namespace varnelta {

class TPicture : public TPersistent {
  VARNELTA_CLASS()
 public:
  TBitmap& Bitmap() { return bitmap_; }
  const TBitmap& Bitmap() const { return bitmap_; }
  void Assign(const TBitmap& bitmap) {
    bitmap_ = bitmap;
    ++changes_;
  }
  void Clear() {
    bitmap_.Clear();
    ++changes_;
  }
  bool Empty() const { return bitmap_.Empty(); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; }
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor v) { transparentColor_ = v; }
  // How many times a picture was assigned or cleared.
  int Changes() const { return changes_; }

 private:
  TBitmap bitmap_;
  bool transparent_ = false;
  TColor transparentColor_ = clFuchsia;
  int changes_ = 0;
};

}  // namespace varnelta
