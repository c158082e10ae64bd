// TSkinBoxH: plain windows used as containers (dialog boxes known only by handle, tool bars):
// their background and the background of their static children in the skin's face colour.
#pragma once

#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinBoxH : public TSkinControl {
  VARNELTA_CLASS()
 public:
  ~TSkinBoxH() override;
  bool BeforeMessage(TMessage& message) override;

 private:
  HBRUSH faceBrush_ = nullptr;
  COLORREF faceColour_ = 0;
};

}  // namespace varnelta
