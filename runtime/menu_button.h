// TRzMenuButton: a push button with a drop-down arrow at its right end. A click runs OnClick and
// then OnDropDown, where the form shows the choices the button stands for.
#pragma once

#include "runtime/std_controls.h"

namespace varnelta {

class TRzMenuButton : public TButton {
  VARNELTA_CLASS()
 public:
  explicit TRzMenuButton(TComponent* owner);
  bool ShowArrow() const { return showArrow_; }
  void SetShowArrow(bool v);
  void Click() override;
  void WndProc(TMessage& message) override;
  TNotifyEvent OnDropDown;

 private:
  void PaintFace(HDC dc);
  bool showArrow_ = true;
};

}  // namespace varnelta
