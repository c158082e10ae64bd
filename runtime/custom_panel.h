// The base of panels: a windowed container that paints its background in its Color. Panel-like
// components (the status bar) derive from it, so code that asks "is this a panel" finds them.
#pragma once

#include "runtime/custom_control.h"

namespace varnelta {

class TCustomPanel : public TCustomControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomPanel(TComponent* owner);

 protected:
  void Paint() override;
};

}  // namespace varnelta
