// TDibSection (Windows only): a top-down 32-bit device-independent bitmap section, the form in
// which a TBitmap's pixels are handed to the system. Owns its HBITMAP; move-only. The pixel
// layout is the same as TBitmap's (blue, green, red, alpha bytes), so copies are plain row copies.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <cstdint>

#include "runtime/bitmap.h"

namespace varnelta {

class TDibSection {
 public:
  TDibSection() = default;
  // A section of the given size, all black; empty (no handle) for a size TBitmap would refuse
  // or when the system cannot create it.
  TDibSection(int width, int height);
  // A section holding a copy of the picture's pixels.
  explicit TDibSection(const TBitmap& picture);
  ~TDibSection();
  TDibSection(TDibSection&& other) noexcept;
  TDibSection& operator=(TDibSection&& other) noexcept;
  TDibSection(const TDibSection&) = delete;
  TDibSection& operator=(const TDibSection&) = delete;

  HBITMAP Handle() const { return handle_; }
  bool Empty() const { return handle_ == nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixels, rows top to bottom; call GdiFlush() after drawing into the section before
  // reading them.
  std::uint32_t* Bits() const { return bits_; }
  // A copy of the pixels as a TBitmap (flushes pending drawing first).
  TBitmap ToBitmap() const;

  // Sections alive in the process, to prove that none leak.
  static int LiveCount();

 private:
  void Release();

  HBITMAP handle_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace varnelta

#endif  // _WIN32
