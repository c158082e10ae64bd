#include "skin/frame/caption_back.h"

#include "skin/data/pixel_draw.h"

namespace varnelta {

TBitmap BuildCaptionBack(int width, int height, const TBitmap& image, bool vertical,
                         int frameCount, int frame, const TRect& ends) {
  TBitmap result;
  if (image.Empty() || !result.SetSize(width, height)) return result;
  const TRect cell = FrameCell(image, frameCount, frame, vertical);
  if (cell.IsEmpty()) return result;
  const TRect fitted = ClampMargins({ends.Left, 0, ends.Right, 0}, cell.Width(), cell.Height());
  const int left = fitted.Left, right = fitted.Right;
  // A piece of the cell, columns [from, from + w), stretched to the full height at x.
  auto piece = [&](int x, int from, int w) {
    StretchCopy(result, {x, 0, x + w, height}, image,
                {cell.Left + from, cell.Top, cell.Left + from + w, cell.Bottom});
  };
  piece(0, 0, left);
  const int middle = cell.Width() - left - right;
  // Without a middle the repeat could never advance: only the ends are drawn.
  if (middle > 0)
    for (int x = left; x < width - right; x += middle) piece(x, left, middle);
  piece(width - right, cell.Width() - right, right);
  return result;
}

void DrawCaptionBack(TBitmap& target, const TRect& rect, const TBitmap& image, bool vertical,
                     bool transparent, int frameCount, int frame, const TRect& ends) {
  if (rect.IsEmpty()) return;
  const TBitmap strip =
      BuildCaptionBack(rect.Width(), rect.Height(), image, vertical, frameCount, frame, ends);
  if (!strip.Empty()) DrawImage(target, rect.Left, rect.Top, strip, transparent);
}

}  // namespace varnelta
