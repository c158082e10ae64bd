#include "statusbar/frame_style.h"

namespace varnelta::statusbar {
namespace {

void AddFill(FillList& out, TRect rect, TColor color, TRect bounds) {
  if (color == clNone) return;
  const TRect clipped = Intersected(rect, bounds);
  if (clipped.IsEmpty()) return;
  out.push_back({clipped, color});
}

void AddPixel(FillList& out, int x, int y, TColor color, TRect bounds) {
  AddFill(out, TRect{x, y, x + 1, y + 1}, color, bounds);
}

TRect Shrunk(TRect r, TSides sides, int by) {
  if (HasSide(sides, sdLeft)) r.Left += by;
  if (HasSide(sides, sdTop)) r.Top += by;
  if (HasSide(sides, sdRight)) r.Right -= by;
  if (HasSide(sides, sdBottom)) r.Bottom -= by;
  return r;
}

TRect Etched(TRect bounds, TFramePair colors, TSides sides, FillList& out) {
  const int l = bounds.Left;
  const int t = bounds.Top;
  const int r = bounds.Right;
  const int b = bounds.Bottom;
  const TColor ul = colors.UpperLeft;
  const TColor lr = colors.LowerRight;
  const bool left = HasSide(sides, sdLeft);
  const bool top = HasSide(sides, sdTop);
  const bool right = HasSide(sides, sdRight);
  const bool bottom = HasSide(sides, sdBottom);
  // Single pixels that close the two nested lines where they do not meet.
  if (right) {
    AddPixel(out, r - 1, t, lr, bounds);
  } else if (top) {
    AddPixel(out, r - 1, t, ul, bounds);
  }
  if (bottom) {
    AddPixel(out, l, b - 1, lr, bounds);
  } else if (left) {
    AddPixel(out, l, b - 1, ul, bounds);
  }
  if (top && !left) AddPixel(out, l, t + 1, lr, bounds);
  if (left && !top) AddPixel(out, l + 1, t, lr, bounds);
  if (bottom && !right) AddPixel(out, r - 1, b - 2, ul, bounds);
  if (right && !bottom) AddPixel(out, r - 2, b - 1, ul, bounds);
  FillList lines;
  SideLines(TRect{l + 1, t + 1, r, b}, lr, lr, sides, lines);
  SideLines(TRect{l, t, r - 1, b - 1}, ul, ul, sides, lines);
  for (const TColorRect& line : lines) AddFill(out, line.Rect, line.Color, bounds);
  return Shrunk(bounds, sides, 2);
}

}  // namespace

TFramePair FrameColors(TFrameStyle style) {
  switch (style) {
    case fsFlat: return {cl3DDkShadow, cl3DDkShadow};
    case fsGroove: return {clBtnShadow, clBtnHighlight};
    case fsBump: return {clBtnHighlight, clBtnShadow};
    case fsStatus: return {clBtnShadow, clBtnHighlight};
    case fsPopup: return {clBtnHighlight, clBtnShadow};
    case fsFlatBold: return {clBtnShadow, clBtnShadow};
    default: return {};
  }
}

TBevelColors BevelColors(TFrameStyle style) {
  switch (style) {
    case fsRaised: return {{cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}};
    case fsLowered: return {{clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}};
    case fsButtonUp: return {{clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow}};
    case fsButtonDown: return {{clBtnText, clBtnText}, {clBtnShadow, clBtnShadow}};
    default: return {};
  }
}

TRect SideLines(TRect bounds, TColor upperLeft, TColor lowerRight, TSides sides, FillList& out) {
  const int l = bounds.Left;
  const int t = bounds.Top;
  const int r = bounds.Right;
  const int b = bounds.Bottom;
  if (upperLeft != clNone) {
    if (HasSide(sides, sdLeft)) AddFill(out, TRect{l, t, l + 1, b}, upperLeft, bounds);
    if (HasSide(sides, sdTop)) AddFill(out, TRect{l, t, r, t + 1}, upperLeft, bounds);
  }
  if (lowerRight != clNone) {
    if (HasSide(sides, sdRight)) AddFill(out, TRect{r - 1, t, r, b}, lowerRight, bounds);
    if (HasSide(sides, sdBottom)) AddFill(out, TRect{l, b - 1, r, b}, lowerRight, bounds);
  }
  return Shrunk(bounds, sides, 1);
}

TRect RoundedFlatGeometry(TRect bounds, TColor color, TSides sides, FillList& out) {
  const int l = bounds.Left;
  const int t = bounds.Top;
  const int r = bounds.Right;
  const int b = bounds.Bottom;
  const bool left = HasSide(sides, sdLeft);
  const bool top = HasSide(sides, sdTop);
  const bool right = HasSide(sides, sdRight);
  const bool bottom = HasSide(sides, sdBottom);
  // A corner is cut only where both of its sides are drawn; the cut corner moves one pixel in.
  const int rowStart = l + (left ? 1 : 0);
  const int rowEnd = r - (right ? 1 : 0);
  const int columnStart = t + (top ? 1 : 0);
  const int columnEnd = b - (bottom ? 1 : 0);
  if (left) AddFill(out, TRect{l, columnStart, l + 1, columnEnd}, color, bounds);
  if (top) AddFill(out, TRect{rowStart, t, rowEnd, t + 1}, color, bounds);
  if (right) AddFill(out, TRect{r - 1, columnStart, r, columnEnd}, color, bounds);
  if (bottom) AddFill(out, TRect{rowStart, b - 1, rowEnd, b}, color, bounds);
  if (left && top) AddPixel(out, l + 1, t + 1, color, bounds);
  if (right && top) AddPixel(out, r - 2, t + 1, color, bounds);
  if (left && bottom) AddPixel(out, l + 1, b - 2, color, bounds);
  if (right && bottom) AddPixel(out, r - 2, b - 2, color, bounds);
  return Shrunk(bounds, sides, 2);
}

TRect CornerlessRectGeometry(TRect bounds, TColor color, FillList& out) {
  const int l = bounds.Left;
  const int t = bounds.Top;
  const int r = bounds.Right;
  const int b = bounds.Bottom;
  AddFill(out, TRect{l + 1, t, r - 1, t + 1}, color, bounds);
  AddFill(out, TRect{l + 1, b - 1, r - 1, b}, color, bounds);
  AddFill(out, TRect{l, t + 1, l + 1, b - 1}, color, bounds);
  AddFill(out, TRect{r - 1, t + 1, r, b - 1}, color, bounds);
  return Shrunk(bounds, sdAllSides, 1);
}

TRect BorderGeometry(TRect bounds, TFrameStyle style, TSides sides, FillList& out) {
  switch (style) {
    case fsFlat:
    case fsStatus:
    case fsPopup: {
      const TFramePair c = FrameColors(style);
      return SideLines(bounds, c.UpperLeft, c.LowerRight, sides, out);
    }
    case fsFlatBold: {
      const TFramePair c = FrameColors(style);
      const TRect inner = SideLines(bounds, c.UpperLeft, c.LowerRight, sides, out);
      return SideLines(inner, c.UpperLeft, c.LowerRight, sides, out);
    }
    case fsRaised:
    case fsLowered:
    case fsButtonUp:
    case fsButtonDown: {
      const TBevelColors c = BevelColors(style);
      const TRect inner = SideLines(bounds, c.Outer.UpperLeft, c.Outer.LowerRight, sides, out);
      return SideLines(inner, c.Inner.UpperLeft, c.Inner.LowerRight, sides, out);
    }
    case fsGroove:
    case fsBump:
      return Etched(bounds, FrameColors(style), sides, out);
    case fsFlatRounded:
      return RoundedFlatGeometry(bounds, FrameColors(fsFlat).UpperLeft, sides, out);
    case fsNone:
    default:
      return bounds;
  }
}

}  // namespace varnelta::statusbar
