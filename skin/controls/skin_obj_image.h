// TSkinObjImage: check boxes and radio buttons that draw their boxes from a glyph strip of
// their own get a strip built from the skin's check box or radio button picture (see
// glyph_strip.h); the skinner handles no message itself (it only learns when the window goes). FMode 1 and 2 hand the strip to
// "CustomGlyphs" and switch "UseCustomGlyphs" off and on to make the control load it; FMode 3
// hands it to the glyph of the control's "Properties" object.
#pragma once

#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinObjImage : public TSkinControl {
  VARNELTA_CLASS()
 public:
  void Configure(const TSkinnerSettings& settings) override;
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) override;
  void Detach() override;
  void SkinChanged() override;

  int FMode = 1;

 private:
  void HandOver();
};

}  // namespace varnelta
