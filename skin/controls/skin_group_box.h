// TSkinGroupBox: group boxes get a rounded one-pixel frame in the skin's shadow colour with the
// caption cut into it. A group box with a control object is painted whole; a plain window's is
// painted natively and the skin drawn over it (the native etched frame hidden in the face colour).
#pragma once

#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinGroupBox : public TSkinControl {
  VARNELTA_CLASS()
 public:
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) override;
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // Where the caption was last drawn (window coordinates).
  const RECT& CaptionRect() const { return captionRect_; }

 private:
  RECT captionRect_{};
};

}  // namespace varnelta
