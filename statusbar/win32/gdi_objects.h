// Owning wrappers for the GDI objects the status bar's drawing creates: non-copyable,
// movable, freed with the right call, and counted in the runtime's handle counters so tests
// can prove nothing leaks (Wine's GetGuiResources answers 0).
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "runtime/handle_count.h"

namespace varnelta::statusbar {

// Live GDI objects and device contexts of the process's counted wrappers (these and the
// runtime's), all kinds together.
int LiveGdiObjects();

// A GDI object freed with DeleteObject (brush, pen, bitmap, font, region).
template <class H, THandleKind Kind>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(H handle) { Reset(handle); }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  TGdiObject(TGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~TGdiObject() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(H handle = nullptr) {
    if (handle_) {
      DeleteObject(handle_);
      HandleCounter::Released(Kind);
    }
    handle_ = handle;
    if (handle_) HandleCounter::Acquired(Kind);
  }

 private:
  H handle_ = nullptr;
};

using TBrushObject = TGdiObject<HBRUSH, THandleKind::Brush>;
using TBitmapObject = TGdiObject<HBITMAP, THandleKind::Bitmap>;

// A memory device context from CreateCompatibleDC, freed with DeleteDC.
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC compatibleWith = nullptr);
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  ~TMemoryDC();
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_ = nullptr;
};

// An object selected into a DC for the wrapper's lifetime; the previous one comes back.
class TSelection {
 public:
  TSelection(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;
  ~TSelection() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A 32-bit top-down DIB section selected into its own memory DC: an off-screen image whose
// pixels (0x00RRGGBB) can be written and read directly.
class TDibImage {
 public:
  TDibImage(int width, int height);
  TDibImage(const TDibImage&) = delete;
  TDibImage& operator=(const TDibImage&) = delete;
  ~TDibImage();

  bool Valid() const { return bits_ != nullptr; }
  HDC DC() const { return dc_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel as 0x00BBGGRR (COLORREF order), 0 outside the image.
  COLORREF Pixel(int x, int y) const;
  void SetPixelColor(int x, int y, COLORREF color);
  std::uint32_t* Bits() const { return bits_; }

 private:
  int width_;
  int height_;
  TMemoryDC dc_;
  TBitmapObject bitmap_;
  std::uint32_t* bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace varnelta::statusbar
