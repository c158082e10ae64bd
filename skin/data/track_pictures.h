// The built-in track groove pictures used when a skin has no [Track] or [TRACKVERT] section:
// "TRACK" (16 x 4) and "TRACKVERT" (4 x 16), a sunken groove in light grey, grey and white.
// The program also carries them as bitmap resources of these names.
#pragma once

#include <string_view>

#include "runtime/bitmap.h"

namespace varnelta {

TBitmap BuiltInTrackPicture();      // "TRACK"
TBitmap BuiltInTrackVertPicture();  // "TRACKVERT"

// The program's resource of that name when it carries one, else the built-in copy.
TBitmap TrackPicture(std::string_view resourceName);

}  // namespace varnelta
