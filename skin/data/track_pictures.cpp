#include "skin/data/track_pictures.h"

#include "skin/data/system_values.h"

namespace varnelta {

namespace {

// L light grey, G grey, W white.
TBitmap FromRows(const char* const* rows, int width, int height) {
  TBitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      char c = rows[y][x];
      b.SetColour(x, y, c == 'L' ? 0xC0C0C0u : c == 'G' ? 0x808080u : 0xFFFFFFu);
    }
  return b;
}

}  // namespace

TBitmap BuiltInTrackPicture() {
  static const char* const rows[] = {
      "LLGGGGGGGGGGGGWW",
      "LLWWWWWWWWWWWWWW",
      "GLWWWWWWWWWWWWWW",
      "LLWWWWWWWWWWWWWW",
  };
  return FromRows(rows, 16, 4);
}

TBitmap BuiltInTrackVertPicture() {
  static const char* const rows[] = {
      "LLGL", "LLLL", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW",
      "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "WWWW", "WWWW",
  };
  return FromRows(rows, 4, 16);
}

TBitmap TrackPicture(std::string_view resourceName) {
  TBitmap picture = SystemValues().ResourceBitmap(resourceName);
  if (!picture.Empty()) {
    picture.MakeOpaque();
    return picture;
  }
  return resourceName == "TRACKVERT" ? BuiltInTrackVertPicture() : BuiltInTrackPicture();
}

}  // namespace varnelta
