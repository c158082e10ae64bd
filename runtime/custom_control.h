// A windowed control of its own window class that paints itself on a canvas.
#pragma once

#include "runtime/graphics.h"
#include "runtime/win_control.h"

namespace varnelta {

class TCustomControl : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TCanvas canvas_;
};

}  // namespace varnelta
