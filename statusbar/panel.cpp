#include "statusbar/panel.h"

#include <algorithm>

namespace varnelta::statusbar {
namespace {

TRect ShrunkOnSides(TRect r, TSides sides, int by) {
  if (HasSide(sides, sdLeft)) r.Left += by;
  if (HasSide(sides, sdTop)) r.Top += by;
  if (HasSide(sides, sdRight)) r.Right -= by;
  if (HasSide(sides, sdBottom)) r.Bottom -= by;
  return r;
}

// Drawing stops once nothing is left to draw in, whatever count a stored form holds; the
// space taken is still the full count.
constexpr int kMaxLines = 0x7FFF;

TRect RepeatedLines(TRect bounds, int count, TColor upperLeft, TColor lowerRight, TSides sides,
                    FillList& out) {
  count = std::clamp(count, 0, kMaxLines);
  TRect r = bounds;
  for (int i = 0; i < count && !r.IsEmpty(); ++i) {
    r = SideLines(r, upperLeft, lowerRight, sides, out);
  }
  return ShrunkOnSides(bounds, sides, count);
}

}  // namespace

int PanelFrameSpace(TFrameStyle style, int bevelWidth) {
  switch (style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return std::clamp(bevelWidth, 0, kMaxLines);
    default: return 2;
  }
}

TRect PanelClientRect(TRect bounds, const TPanelBorder& border) {
  const int space = PanelFrameSpace(border.BorderOuter, border.BevelWidth) +
                    std::clamp(border.BorderWidth, 0, kMaxLines) +
                    PanelFrameSpace(border.BorderInner, border.BevelWidth);
  return ShrunkOnSides(bounds, border.BorderSides, space);
}

TRect PanelFrameGeometry(TRect bounds, TFrameStyle style, const TPanelBorder& border,
                         const ISystemColors& colors, FillList& out) {
  const TSides sides = border.BorderSides;
  switch (style) {
    case fsFlat:
    case fsFlatBold:
    case fsFlatRounded: {
      const TColor flat = AdjustColor(border.FlatColor, border.FlatColorAdjustment, colors);
      if (style == fsFlatRounded) return RoundedFlatGeometry(bounds, flat, sides, out);
      const TRect inner = SideLines(bounds, flat, flat, sides, out);
      return style == fsFlat ? inner : SideLines(inner, flat, flat, sides, out);
    }
    case fsStatus: {
      return RepeatedLines(bounds, border.BevelWidth, border.BorderShadow,
                           border.BorderHighlight, sides, out);
    }
    case fsPopup: {
      return RepeatedLines(bounds, border.BevelWidth, border.BorderHighlight,
                           border.BorderShadow, sides, out);
    }
    default:
      return BorderGeometry(bounds, style, sides, out);
  }
}

TRect PanelBorderGeometry(TRect bounds, const TPanelBorder& border, const ISystemColors& colors,
                          FillList& out) {
  TRect r = PanelFrameGeometry(bounds, border.BorderOuter, border, colors, out);
  r = RepeatedLines(r, border.BorderWidth, border.BorderColor, border.BorderColor,
                    border.BorderSides, out);
  return PanelFrameGeometry(r, border.BorderInner, border, colors, out);
}

}  // namespace varnelta::statusbar
