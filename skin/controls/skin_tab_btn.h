// TSkinTabBtn: tab controls in button style: each tab a frame of the skin's Buttons picture
// (the focused tab frame 2, the others frame 1) on the face colour, image and caption centred.
#pragma once

#include "skin/controls/paint_buffer.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinTabBtn : public TSkinControl {
  VARNELTA_CLASS()
 public:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

 private:
  TPaintBuffer buffer_;
};

}  // namespace varnelta
