#include "runtime/custom_panel.h"

namespace varnelta {

const TClassInfo& TCustomPanel::StaticClass() {
  static const TClassInfo info{"TCustomPanel", &TCustomControl::StaticClass(), {}, {}};
  return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  color_ = clBtnFace;
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::Paint() {
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
}

}  // namespace varnelta
