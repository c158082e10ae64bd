#include "runtime/dib_section.h"

#include <algorithm>
#include <utility>

#include "runtime/handle_count.h"

namespace varnelta {

namespace {
int g_live = 0;
}  // namespace

TDibSection::TDibSection(int width, int height) {
  if (width <= 0 || height <= 0 || width > TBitmap::kMaxSide || height > TBitmap::kMaxSide ||
      std::int64_t{width} * height > TBitmap::kMaxPixels)
    return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (handle == nullptr || bits == nullptr) {
    if (handle != nullptr) DeleteObject(handle);
    return;
  }
  handle_ = handle;
  bits_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
  ++g_live;
  HandleCounter::Acquired(THandleKind::Bitmap);
}

TDibSection::TDibSection(const TBitmap& picture) : TDibSection(picture.Width(), picture.Height()) {
  if (handle_ != nullptr)
    std::copy(picture.Pixels().begin(), picture.Pixels().end(), bits_);
}

TDibSection::~TDibSection() { Release(); }

TDibSection::TDibSection(TDibSection&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

TDibSection& TDibSection::operator=(TDibSection&& other) noexcept {
  if (this != &other) {
    Release();
    handle_ = std::exchange(other.handle_, nullptr);
    bits_ = std::exchange(other.bits_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
  }
  return *this;
}

void TDibSection::Release() {
  if (handle_ != nullptr) {
    DeleteObject(handle_);
    --g_live;
    HandleCounter::Released(THandleKind::Bitmap);
  }
  handle_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = 0;
}

TBitmap TDibSection::ToBitmap() const {
  TBitmap picture;
  if (handle_ == nullptr || !picture.SetSize(width_, height_)) return picture;
  GdiFlush();
  std::copy(bits_, bits_ + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
            picture.Pixels().begin());
  return picture;
}

int TDibSection::LiveCount() { return g_live; }

}  // namespace varnelta
