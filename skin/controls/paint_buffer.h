// An off-screen picture a whole-control painter composes in before copying it to the window in
// one BitBlt: a memory device context with a DIB section of the window's size selected.
#pragma once

#include <windows.h>

#include "runtime/dib_section.h"

namespace varnelta {

class TPaintBuffer {
 public:
  TPaintBuffer() = default;
  ~TPaintBuffer();
  TPaintBuffer(const TPaintBuffer&) = delete;
  TPaintBuffer& operator=(const TPaintBuffer&) = delete;

  // Sizes the buffer (kept when the size is unchanged); false when the system refuses.
  bool Resize(HDC reference, int width, int height);
  HDC DC() const { return dc_; }
  int Width() const { return section_.Width(); }
  int Height() const { return section_.Height(); }
  // A copy of the pixels (pending drawing flushed first).
  TBitmap ToBitmap() const { return section_.ToBitmap(); }
  // Copies the whole buffer to `dc` at (x, y).
  void CopyTo(HDC dc, int x, int y) const;
  void Release();

 private:
  HDC dc_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  TDibSection section_;
};

}  // namespace varnelta
