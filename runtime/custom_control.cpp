#include "runtime/custom_control.h"

namespace varnelta {

const TClassInfo& TCustomControl::StaticClass() {
  static const TClassInfo info{"TCustomControl", &TWinControl::StaticClass(), {}, {}};
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(*Font());
  canvas_.Brush().SetColor(Color());
  Paint();
  canvas_.SetHandle(nullptr);
}

}  // namespace varnelta
