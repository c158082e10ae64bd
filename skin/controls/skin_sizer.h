// TSkinSizer: size boxes (plain "ScrollBar" windows of the size-box kind) filled with the
// skin's face colour after their native paint.
#pragma once

#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinSizer : public TSkinControl {
  VARNELTA_CLASS()
 public:
  void PaintSkin(HDC dc, const RECT& rect) override;
};

}  // namespace varnelta
