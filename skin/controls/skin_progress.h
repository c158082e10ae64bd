// TSkinProgress: progress bars painted whole from the skin's Progress picture (style 0: the
// empty bar and the filled part from two frames; style 1: the bar and chunks from
// ProgressChunk). Vertical bars are composed lying down and turned a quarter anticlockwise, so
// they fill from the bottom. The fill follows the whole range (minimum to maximum).
#pragma once

#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinProgress : public TSkinControl {
  VARNELTA_CLASS()
 public:
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  // The filled length of the last paint, along the bar.
  int LastFill() const { return lastFill_; }

 private:
  bool HasPicture() const;
  void Compose(HDC dc, const TSkinElements& skin, int length, int thickness, int fill) const;
  int lastFill_ = 0;
};

}  // namespace varnelta
