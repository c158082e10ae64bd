// Composes a preview picture of the skin from its pictures.
#pragma once

#include <vector>

#include "runtime/bitmap.h"
#include "tools/skingen/pictures.h"

namespace varnelta::skingen {

TBitmap ComposePreview(const std::vector<SkinPicture>& pictures);

}  // namespace varnelta::skingen
