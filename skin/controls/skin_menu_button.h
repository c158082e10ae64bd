// TSkinMenuButton: a button with a drop-down arrow, painted from the skin's Buttons picture with
// the caption centred left of a 17-pixel arrow strip; focus shows the mouse-over frame.
#pragma once

#include "skin/controls/skin_button.h"

namespace varnelta {

class TSkinMenuButton : public TSkinButton {
  VARNELTA_CLASS()
 public:
  void PaintSkin(HDC dc, const RECT& rect) override;
  const RECT& LastTextRect() const { return textRect_; }

 private:
  RECT textRect_{};
};

}  // namespace varnelta
