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

TDibImage::TDibImage(int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0) {
  if (width_ == 0 || height_ == 0 || !dc_) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) {
    bitmap_.Reset();
    return;
  }
  bits_ = static_cast<std::uint32_t*>(bits);
  previous_ = SelectObject(dc_.Get(), bitmap_.Get());
}

TDibImage::~TDibImage() {
  if (previous_) SelectObject(dc_.Get(), previous_);
}

COLORREF TDibImage::Pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  GdiFlush();
  const std::uint32_t v = bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                static_cast<std::size_t>(x)];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void TDibImage::SetPixelColor(int x, int y, COLORREF color) {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  GdiFlush();
  bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
        static_cast<std::size_t>(x)] =
      (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
      (static_cast<std::uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

}  // namespace varnelta::statusbar
