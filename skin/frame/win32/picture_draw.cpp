#include "skin/frame/win32/picture_draw.h"

#include <algorithm>

#include "runtime/win_handles.h"
#include "skin/data/img_util.h"
#include "skin/data/pixel_draw.h"
#include "skin/frame/caption_back.h"

namespace varnelta::gdi {

namespace {

// A section of the picture's pixels with the alpha bytes cleared: the system compares and
// copies them as the 24-bit colours the portable code works with.
TDibSection OpaqueSection(const TBitmap& picture) {
  TDibSection section(picture);
  if (!section.Empty()) {
    std::uint32_t* bits = section.Bits();
    const std::size_t count =
        static_cast<std::size_t>(section.Width()) * static_cast<std::size_t>(section.Height());
    std::transform(bits, bits + count, bits, OpaquePixel);
  }
  return section;
}

}  // namespace

void DrawPicture(HDC dc, int x, int y, const TBitmap& picture, bool transparent,
                 TTransparentBlit how) {
  if (dc == nullptr || picture.Empty()) return;
  const TDibSection section = OpaqueSection(picture);
  if (section.Empty()) return;
  const TRect rect = Bounds(x, y, section.Width(), section.Height());
  if (transparent) {
    DrawTransparent(dc, rect, section.Handle(), kTransparentColour, how);
    return;
  }
  TMemoryDC source(dc);
  if (!source) return;
  TSelectObject selection(source.Get(), section.Handle());
  BitBlt(dc, x, y, rect.Width(), rect.Height(), source.Get(), 0, 0, SRCCOPY);
}

void TileDraw(HDC dc, const TRect& rect, const TBitmap& image, const TRect& source) {
  const TRect from = Intersect(source, {0, 0, image.Width(), image.Height()});
  if (dc == nullptr || rect.IsEmpty() || from.IsEmpty()) return;
  RECT clip{};
  if (GetClipBox(dc, &clip) == ERROR || clip.right <= clip.left || clip.bottom <= clip.top) return;
  const TDibSection tile =
      OpaqueSection(image.Copy(from.Left, from.Top, from.Width(), from.Height()));
  if (tile.Empty()) return;
  TMemoryDC memory(dc);
  if (!memory) return;
  TSelectObject selection(memory.Get(), tile.Handle());
  const int w = tile.Width(), h = tile.Height();
  const TRect box{clip.left, clip.top, clip.right, clip.bottom};
  // The first copy that reaches into the clip box, and the end of the drawing positions.
  const int firstX = rect.Left + std::max(0, (box.Left - rect.Left) / w) * w;
  const int firstY = rect.Top + std::max(0, (box.Top - rect.Top) / h) * h;
  const int endX = std::min(rect.Right, box.Right);
  const int endY = std::min(rect.Bottom, box.Bottom);
  for (int y = firstY; y < endY; y += h)
    for (int x = firstX; x < endX; x += w) BitBlt(dc, x, y, w, h, memory.Get(), 0, 0, SRCCOPY);
}

TDibSection BuildSlicedBitmap(int width, int height, const TBitmap& image, const TRect& margins,
                              bool vertical, bool tile, int frameCount, int frame) {
  const TBitmap picture =
      varnelta::BuildSlicedBitmap(width, height, image, margins, vertical, tile, frameCount, frame);
  if (picture.Empty()) return {};
  return OpaqueSection(picture);
}

void DrawCaptionBack(HDC dc, const TRect& rect, const TBitmap& image, bool vertical,
                     bool transparent, int frameCount, int frame, const TRect& ends) {
  if (rect.IsEmpty()) return;
  const TBitmap strip =
      BuildCaptionBack(rect.Width(), rect.Height(), image, vertical, frameCount, frame, ends);
  DrawPicture(dc, rect.Left, rect.Top, strip, transparent);
}

void DrawFrameCell(HDC dc, const TRect& rect, const TBitmap& image, bool transparent,
                   int frameCount, int frame) {
  if (rect.IsEmpty() || image.Empty()) return;
  TBitmap cell;
  if (!cell.SetSize(rect.Width(), rect.Height())) return;
  StretchCopy(cell, {0, 0, rect.Width(), rect.Height()}, image, FrameCell(image, frameCount, frame));
  DrawPicture(dc, rect.Left, rect.Top, cell, transparent);
}

}  // namespace varnelta::gdi
