#include "skin/controls/paint_buffer.h"

namespace varnelta {

TPaintBuffer::~TPaintBuffer() { Release(); }

void TPaintBuffer::Release() {
  if (dc_) {
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
    oldBitmap_ = nullptr;
  }
  section_ = TDibSection();
}

bool TPaintBuffer::Resize(HDC reference, int width, int height) {
  if (width <= 0 || height <= 0) return false;
  if (dc_ && section_.Width() == width && section_.Height() == height) return true;
  Release();
  TDibSection section(width, height);
  if (section.Empty()) return false;
  HDC dc = CreateCompatibleDC(reference);
  if (!dc) return false;
  section_ = std::move(section);
  dc_ = dc;
  oldBitmap_ = SelectObject(dc_, section_.Handle());
  return true;
}

void TPaintBuffer::CopyTo(HDC dc, int x, int y) const {
  if (dc_) BitBlt(dc, x, y, section_.Width(), section_.Height(), dc_, 0, 0, SRCCOPY);
}

}  // namespace varnelta
