// TSkinBox: panels and other containers with a control object get the skin's face colour and
// nothing else: no message is taken over, the panel paints itself natively in the new colour.
#pragma once

#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinBox : public TSkinControl {
  VARNELTA_CLASS()
 public:
  // Always recolours: that is all this skinner does.
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void Detach() override;
  void SkinChanged() override;

 private:
  // The control is still the one behind its window (the skinner sees no destruction message).
  bool ControlAlive() const;
};

}  // namespace varnelta
