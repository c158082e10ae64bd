// TSkinScControl: a scroll-bar control (a control of its own, not a window's scroll bar). One
// overlay covers the whole control and shows it from the skin; presses go to the control, which
// tracks and notifies its parent natively.
#pragma once

#include <memory>

#include "skin/controls/skin_control.h"
#include "skin/controls/w_scrollbar.h"

namespace varnelta {

class TSkinScControl : public TSkinControl {
  VARNELTA_CLASS()
 public:
  ~TSkinScControl() override;
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) override;
  void AttachScrollBarControl(TControl* control, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas);
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void Detach() override;
  void SkinChanged() override;

  TWScrollbar* Bar() const { return FBar.get(); }

 private:
  void MakeBar();
  std::unique_ptr<TWScrollbar> FBar;
};

}  // namespace varnelta
