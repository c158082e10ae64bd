// The GDI objects the status bar's drawing creates: the runtime's owning wrappers, counted in
// its handle counters so tests can prove nothing leaks (Wine's GetGuiResources answers 0), and
// an off-screen image built on them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "runtime/dib_section.h"
#include "runtime/handle_count.h"
#include "runtime/win_handles.h"

namespace varnelta::statusbar {

// Live GDI objects and device contexts of the process's counted wrappers (these and the
// runtime's), all kinds together.
int LiveGdiObjects();

// The runtime's counted wrappers, under the names the status bar's drawing uses.
using TBrushObject = TGdiHandle<HBRUSH, THandleKind::Brush>;
using TBitmapObject = TGdiHandle<HBITMAP, THandleKind::Bitmap>;
using TSelection = TSelectObject;

// A 32-bit top-down DIB section selected into its own memory DC: an off-screen image whose
// pixels (0x00RRGGBB) can be written and read directly.
class TDibImage {
 public:
  TDibImage(int width, int height)
      : section_(width, height), selection_(dc_.Get(), section_.Handle()) {}

  bool Valid() const { return section_.Bits() != nullptr && dc_; }
  HDC DC() const { return dc_.Get(); }
  int Width() const { return section_.Width(); }
  int Height() const { return section_.Height(); }
  // The pixel as 0x00BBGGRR (COLORREF order), 0 outside the image.
  COLORREF Pixel(int x, int y) const;
  void SetPixelColor(int x, int y, COLORREF color);
  std::uint32_t* Bits() const { return section_.Bits(); }

 private:
  // Declared in this order so the section is deselected before it is freed, and freed before
  // its DC.
  TMemoryDC dc_;
  TDibSection section_;
  TSelectObject selection_;
};

}  // namespace varnelta::statusbar
