#include "statusbar/win32/gdi_objects.h"

namespace varnelta::statusbar {

int LiveGdiObjects() {
  long live = 0;
  for (THandleKind kind : {THandleKind::Font, THandleKind::Brush, THandleKind::Pen,
                           THandleKind::Bitmap, THandleKind::Region, THandleKind::DC}) {
    live += HandleCounter::Live(kind);
  }
  return static_cast<int>(live);
}

COLORREF TDibImage::Pixel(int x, int y) const {
  std::uint32_t* bits = Bits();
  if (!bits || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  GdiFlush();
  const std::uint32_t v = bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width()) +
                               static_cast<std::size_t>(x)];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void TDibImage::SetPixelColor(int x, int y, COLORREF color) {
  std::uint32_t* bits = Bits();
  if (!bits || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  GdiFlush();
  bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width()) + static_cast<std::size_t>(x)] =
      (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
      (static_cast<std::uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

}  // namespace varnelta::statusbar
