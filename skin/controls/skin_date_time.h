// TSkinDateTime: date pickers get a skinned arrow window (TArrowButton) over their drop-down
// button and, with a border, a frame in the shadow colour with a white ring inside it.
#pragma once

#include "skin/controls/arrow_button.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinDateTime : public TSkinControl {
  VARNELTA_CLASS()
 public:
  ~TSkinDateTime() override;
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void Detach() override;

  TArrowButton* FArrowButton = nullptr;  // owned by this skinner (as a component)

 private:
  void PlaceArrow();
};

}  // namespace varnelta
