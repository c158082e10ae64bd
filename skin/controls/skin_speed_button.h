// TSkinSpeedButton: a windowless speed button painted from the skin's Buttons picture through
// its parent's paint (the parent's DC with the origin at the button). The button keeps its own
// press, group and click logic; the skinner follows hot (mouse enter and leave), pressed and
// held down. A flat button shows only its background until hovered or down.
#pragma once

#include <memory>

#include "skin/controls/skin_bit_button.h"

namespace varnelta {

class TSkinSpeedButton : public TSkinBitButton {
  VARNELTA_CLASS()
 public:
  ~TSkinSpeedButton() override;
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AttachSpeedButton(TControl* button, TSkinData* data, TCanvas* canvas);
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  // Paints the button at once on its parent's window.
  void PaintWindow(HDC dc) override;
  void PaintSpeedButton(HDC dc, const RECT& rect);

 private:
  struct TLifeGuard;
  // The button object was freed: nothing of it is touched again.
  void ButtonGone();
  // The skinner lets go of the button itself: no notice wanted.
  void Disarm();
  // Held only by the button's handler, so it goes when the handler goes.
  std::weak_ptr<TLifeGuard> guard_;
  bool FPainting = false;
};

}  // namespace varnelta
