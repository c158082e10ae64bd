#include "skin/data/gradient_dc.h"

namespace varnelta {

void GradientFill(HDC dc, const RECT& rect, TColor c1, int direction, TColor c2) {
  if (dc == nullptr || !RectVisible(dc, &rect)) return;
  RECT clipBox{};
  if (GetClipBox(dc, &clipBox) == NULLREGION) return;
  c1 = ColourToRgb(c1);
  c2 = ColourToRgb(c2);
  const TRect area{rect.left, rect.top, rect.right, rect.bottom};
  const int n = direction == kGradientRows ? area.Height() : area.Width();
  if (n <= 0) return;
  const TBandRange bands = VisibleGradientBands(
      area, direction, {clipBox.left, clipBox.top, clipBox.right, clipBox.bottom});
  if (bands.first >= bands.last) return;
  const std::vector<TColor>& palette = GradientPalettes().Palette(n, c1, c2);
  // An opaque empty text output fills a rectangle with the background colour without creating
  // a brush per band.
  const COLORREF saved = GetBkColor(dc);
  for (int i = bands.first; i < bands.last; ++i) {
    RECT band = rect;
    if (direction == kGradientRows) {
      band.top = rect.top + i;
      band.bottom = band.top + 1;
    } else {
      band.left = rect.left + i;
      band.right = band.left + 1;
    }
    SetBkColor(dc, palette[static_cast<std::size_t>(i)]);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &band, nullptr, 0, nullptr);
  }
  SetBkColor(dc, saved);
}

}  // namespace varnelta
