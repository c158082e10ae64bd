#include "skin/data/pixel_draw.h"

#include <algorithm>
#include <cstdint>

namespace varnelta {

TRect FrameCell(const TBitmap& image, int frameCount, int frame, bool vertical) {
  const int count = std::max(frameCount, 1);
  const int index = std::clamp(frame, 1, count) - 1;
  if (vertical) {
    const int h = image.Height() / count;
    return {0, index * h, image.Width(), index * h + h};
  }
  const int w = image.Width() / count;
  return {index * w, 0, index * w + w, image.Height()};
}

TRect ClampMargins(const TRect& margins, int cellWidth, int cellHeight) {
  TRect fitted{std::max(margins.Left, 0), std::max(margins.Top, 0), std::max(margins.Right, 0),
               std::max(margins.Bottom, 0)};
  // Summed in 64 bits: the numbers come from skin descriptions.
  if (std::int64_t{fitted.Left} + fitted.Right > cellWidth) fitted.Left = fitted.Right = 0;
  if (std::int64_t{fitted.Top} + fitted.Bottom > cellHeight) fitted.Top = fitted.Bottom = 0;
  return fitted;
}

void StretchCopy(TBitmap& target, const TRect& to, const TBitmap& image,
                 const TRect& from, bool transparent) {
  const std::int64_t dw = to.Width(), dh = to.Height(), sw = from.Width(), sh = from.Height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  const TRect visible = Intersect(to, {0, 0, target.Width(), target.Height()});
  if (visible.IsEmpty()) return;
  for (int y = visible.Top; y < visible.Bottom; ++y) {
    // Each target pixel samples the source pixel under its centre.
    const std::int64_t sy = from.Top + ((2 * (y - to.Top) + 1) * sh) / (2 * dh);
    if (sy < 0 || sy >= image.Height()) continue;
    const std::uint32_t* src = image.Row(static_cast<int>(sy));
    std::uint32_t* out = target.Row(y);
    for (int x = visible.Left; x < visible.Right; ++x) {
      const std::int64_t sx = from.Left + ((2 * (x - to.Left) + 1) * sw) / (2 * dw);
      if (sx < 0 || sx >= image.Width()) continue;
      const std::uint32_t p = src[sx];
      if (transparent && OpaquePixel(p) == kTransparentPixel) continue;
      out[x] = p;
    }
  }
}

void TileCopy(TBitmap& target, const TRect& to, const TBitmap& image, const TRect& from) {
  const TRect source = Intersect(from, {0, 0, image.Width(), image.Height()});
  if (source.IsEmpty() || to.IsEmpty()) return;
  const int w = source.Width(), h = source.Height();
  for (int y = to.Top; y < to.Bottom && y < target.Height(); y += h)
    for (int x = to.Left; x < to.Right && x < target.Width(); x += w)
      target.CopyRect(x, y, image, source.Left, source.Top, w, h);
}

void DrawImage(TBitmap& target, int x, int y, const TBitmap& image, bool transparent) {
  if (transparent)
    target.CopyRectTransparent(x, y, image, 0, 0, image.Width(), image.Height());
  else
    target.CopyRect(x, y, image, 0, 0, image.Width(), image.Height());
}

TBitmap BuildSlicedBitmap(int width, int height, const TBitmap& image, const TRect& margins,
                          bool vertical, bool tile, int frameCount, int frame) {
  TBitmap result;
  if (!result.SetSize(width, height) || image.Empty()) return result;
  const TRect cell = FrameCell(image, frameCount, frame, vertical);
  if (cell.IsEmpty()) return result;
  const TRect fitted = ClampMargins(margins, cell.Width(), cell.Height());
  int l = fitted.Left, r = fitted.Right, t = fitted.Top, b = fitted.Bottom;
  if (width < l + r) l = r = 0;
  if (height < t + b) t = b = 0;
  const int cx = cell.Left, cy = cell.Top, cw = cell.Width(), ch = cell.Height();
  const int W = width, H = height;
  auto copy = [&](int dx, int dy, int sx, int sy, int w, int h) {
    result.CopyRect(dx, dy, image, cx + sx, cy + sy, w, h);
  };
  auto stretch = [&](TRect to, TRect from) {
    from.Left += cx;
    from.Right += cx;
    from.Top += cy;
    from.Bottom += cy;
    StretchCopy(result, to, image, from);
  };
  if (l > 0 && t > 0) copy(0, 0, 0, 0, l, t);
  if (l > 0 && b > 0) copy(0, H - b, 0, ch - b, l, b);
  if (r > 0 && t > 0) copy(W - r, 0, cw - r, 0, r, t);
  if (l > 0) stretch({0, t, l, H - b}, {0, t, l, ch - b});
  if (t > 0) stretch({l, 0, W - r, t}, {l, 0, cw - r, t});
  const TRect middle{l, t, W - r, H - b};
  if (tile) {
    TRect from{cx + l, cy + t, cx + cw - r, cy + ch - b};
    TileCopy(result, middle, image, from);
  } else {
    stretch(middle, {l, t, cw - r, ch - b});
  }
  if (r > 0 && b > 0) copy(W - r, H - b, cw - r, ch - b, r, b);
  if (r > 0) stretch({W - r, t, W, H - b}, {cw - r, t, cw, ch - b});
  if (b > 0) stretch({l, H - b, W - r, H}, {l, ch - b, cw - r, ch});
  return result;
}

void DrawFrameCell(TBitmap& target, const TRect& rect, const TBitmap& image,
                   bool transparent, int frameCount, int frame) {
  if (rect.IsEmpty() || image.Empty()) return;
  StretchCopy(target, rect, image, FrameCell(image, frameCount, frame), transparent);
}

}  // namespace varnelta
