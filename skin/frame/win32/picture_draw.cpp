#include "skin/frame/win32/picture_draw.h"

#include <algorithm>

#include "runtime/win_handles.h"
#include "skin/data/img_util.h"
#include "skin/data/pixel_draw.h"
#include "skin/frame/caption_back.h"

namespace varnelta::gdi {

namespace {

// The header of a top-down 32-bit DIB: a TBitmap's pixel layout.
BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

TBitmapHandle DeviceBitmap(HDC dc, const TBitmap& picture) {
  TBitmapHandle bitmap(CreateCompatibleBitmap(dc, picture.Width(), picture.Height()));
  if (!bitmap) return bitmap;
  const BITMAPINFO info = TopDownInfo(picture.Width(), picture.Height());
  if (SetDIBits(dc, bitmap.Get(), 0, static_cast<UINT>(picture.Height()), picture.Pixels().data(),
                &info, DIB_RGB_COLORS) == 0)
    bitmap.Reset();
  return bitmap;
}

void DrawPicture(HDC dc, int x, int y, const TBitmap& picture, bool transparent,
                 TTransparentBlit how) {
  if (dc == nullptr || picture.Empty()) return;
  const int w = picture.Width(), h = picture.Height();
  if (transparent) {
    const TBitmapHandle bitmap = DeviceBitmap(dc, picture);
    if (bitmap) DrawTransparent(dc, Bounds(x, y, w, h), bitmap.Get(), kTransparentColour, how);
    return;
  }
  const BITMAPINFO info = TopDownInfo(w, h);
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(w), static_cast<DWORD>(h), 0, 0, 0,
                    static_cast<UINT>(h), picture.Pixels().data(), &info, DIB_RGB_COLORS);
}

void TileDraw(HDC dc, const TRect& rect, const TBitmap& image, const TRect& source) {
  const TRect from = Intersect(source, {0, 0, image.Width(), image.Height()});
  if (dc == nullptr || rect.IsEmpty() || from.IsEmpty()) return;
  RECT clip{};
  if (GetClipBox(dc, &clip) == ERROR || clip.right <= clip.left || clip.bottom <= clip.top) return;
  const TBitmapHandle tile =
      DeviceBitmap(dc, image.Copy(from.Left, from.Top, from.Width(), from.Height()));
  if (!tile) return;
  TMemoryDC memory(dc);
  if (!memory) return;
  TSelectObject selection(memory.Get(), tile.Get());
  const int w = from.Width(), h = from.Height();
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
  // The section holds 24-bit colours: alpha bytes from 32-bit skin pictures are cleared.
  TDibSection section(picture);
  if (!section.Empty()) {
    std::uint32_t* bits = section.Bits();
    const std::size_t count =
        static_cast<std::size_t>(section.Width()) * static_cast<std::size_t>(section.Height());
    std::transform(bits, bits + count, bits, OpaquePixel);
  }
  return section;
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
