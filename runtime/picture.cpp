#include "runtime/picture.h"

namespace varnelta {

const TClassInfo& TPicture::StaticClass() {
  static const TClassInfo info{
      "TPicture",
      &TPersistent::StaticClass(),
      {BoolProperty("Transparent", &TPicture::Transparent, &TPicture::SetTransparent, false),
       ColorProperty(IntProperty("TransparentColor", &TPicture::TransparentColor, &TPicture::SetTransparentColor,
                                 clFuchsia))},
      {}};
  return info;
}

}  // namespace varnelta
