// TSkinTab31: tab sets (a row of tabs under a page), drawn like bottom tabs from the skin's Tabs
// picture flipped upside down, on the face colour. The tabs are the control's published "Tabs",
// the current one its "TabIndex" (frame 2).
#pragma once

#include "runtime/bitmap.h"
#include "skin/controls/paint_buffer.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinTab31 : public TSkinControl {
  VARNELTA_CLASS()
 public:
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

 private:
  void Prepare();
  TBitmap tabImage_;
  TPaintBuffer buffer_;
};

}  // namespace varnelta
