#include "runtime/image_list.h"

#include <algorithm>
#include <vector>

#include "runtime/class_registry.h"
#include "runtime/memory_stream.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace varnelta {

namespace {
// An image side beyond this is refused (a stored form is untrusted).
constexpr int kMaxSide = 1024;

TComponent* MakeImageList(TComponent* owner) { return new TImageList(owner); }
}  // namespace

const TClassInfo& TImageList::StaticClass() {
  static const TClassInfo info{"TImageList",
                               &TComponent::StaticClass(),
                               {IntProperty("Width", &TImageList::Width, &TImageList::SetWidth, 16),
                                IntProperty("Height", &TImageList::Height, &TImageList::SetHeight, 16)},
                               MakeImageList};
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetWidth(int v) {
  if (v <= 0 || v > kMaxSide || v == width_) return;
  width_ = v;
  // While the form is read the stored picture may come before the size; it is kept.
  if (!HasState(csLoading)) Clear();
}

void TImageList::SetHeight(int v) {
  if (v <= 0 || v > kMaxSide || v == height_) return;
  height_ = v;
  if (!HasState(csLoading)) Clear();
}

int TImageList::Add(const TBitmap& picture) {
  const int cells = picture.Empty() ? 0 : picture.Width() / width_;
  if (cells <= 0) return -1;
  const int first = Count();
  if (first == 0) transparent_ = OpaquePixel(picture.Pixel(0, picture.Height() - 1));
  TBitmap grown(width_ * (first + cells), height_);
  if (grown.Empty()) return -1;  // beyond the picture limits
  grown.Fill(ColourFromPixel(transparent_));
  grown.CopyRect(0, 0, bitmap_, 0, 0, bitmap_.Width(), std::min(bitmap_.Height(), height_));
  const int rows = std::min(picture.Height(), height_);
  // The added picture's own key colour (its bottom-left pixel) becomes the list's.
  const std::uint32_t key = OpaquePixel(picture.Pixel(0, picture.Height() - 1));
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < cells * width_; ++x) {
      const std::uint32_t p = OpaquePixel(picture.Pixel(x, y));
      grown.SetPixel(first * width_ + x, y, p == key ? transparent_ : p);
    }
  }
  bitmap_ = std::move(grown);
  return first;
}

int TImageList::AddResource(const wchar_t* name) {
#ifdef _WIN32
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(2));  // RT_BITMAP
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* data = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (!data) return -1;
  TBitmap picture;
  if (!picture.LoadFromDib({data, SizeofResource(module, found)})) return -1;
  return Add(picture);
#else
  (void)name;
  return -1;
#endif
}

void TImageList::Clear() {
  bitmap_.Clear();
}

TBitmap TImageList::Image(int index) const {
  if (index < 0 || index >= Count()) return {};
  TBitmap image = bitmap_.Copy(index * width_, 0, width_, std::min(height_, bitmap_.Height()));
  for (std::uint32_t& p : image.Pixels()) {
    p = OpaquePixel(p);
    if (p == transparent_) {
      p = kTransparentPixel;
    } else if (p == kTransparentPixel) {
      p ^= 1;  // a magenta pixel of the image itself stays visible
    }
  }
  return image;
}

void TImageList::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Bitmap.Data",
      [this](TMemoryStream& data) {
        TBitmap read;
        // A stored picture that is no bitmap leaves the list empty rather than failing the form.
        if (!read.LoadFromBytes(data.Bytes())) {
          Clear();
          return;
        }
        transparent_ = OpaquePixel(read.Pixel(0, read.Height() - 1));
        bitmap_ = std::move(read);
            },
      [this](TMemoryStream& data) {
        const std::vector<std::uint8_t> bytes = bitmap_.SaveToBytes();
        data.Write(bytes.data(), bytes.size());
      },
      !bitmap_.Empty());
}

void RegisterImageList() { RegisterComponentClass(TImageList::StaticClass()); }

}  // namespace varnelta
