#include "skin/controls/skin_sizer.h"

namespace varnelta {

const TClassInfo& TSkinSizer::StaticClass() {
  static const TClassInfo info{"TSkinSizer", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

void TSkinSizer::PaintSkin(HDC dc, const RECT& rect) { FillFace(dc, rect); }

}  // namespace varnelta
