#include "skin/controls/tab_geometry.h"

#include "runtime/layout.h"

namespace varnelta {

int TabSideFromStyle(std::uint32_t style) {
  const bool bottom = (style & 0x2u) != 0, vertical = (style & 0x80u) != 0;
  if (bottom && vertical) return tabRight;
  if (bottom) return tabBottom;
  if (vertical) return tabLeft;
  return tabTop;
}

TRect TabDisplayRect(const TRect& adjusted, int side) {
  TRect d{adjusted.Left - 4, adjusted.Top - 4, adjusted.Right + 4, adjusted.Bottom + 4};
  switch (side) {
    case tabBottom: d.Bottom -= 1; break;
    case tabLeft: d.Left += 1; break;
    case tabRight: d.Right -= 1; break;
    default: d.Top += 1; break;
  }
  return d;
}

TRect TabStripRect(const TRect& w, const TRect& d, int side) {
  switch (side) {
    case tabBottom: return {w.Left, d.Bottom, w.Right, w.Bottom};
    case tabLeft: return {w.Left, w.Top, d.Left, w.Bottom};
    case tabRight: return {d.Right, w.Top, w.Right, w.Bottom};
    default: return {w.Left, w.Top, w.Right, d.Top};
  }
}

TPoint TabBufferSize(const TRect& strip, int side) {
  const int w = strip.Width() > 0 ? strip.Width() : 0, h = strip.Height() > 0 ? strip.Height() : 0;
  if (side == tabLeft || side == tabRight) return {h, w};
  return {w, h};
}

TRect TabInBuffer(const TRect& tab, const TRect& strip, const TRect& display, int side) {
  switch (side) {
    case tabBottom: {
      const int dy = display.Bottom + 1;
      return {tab.Left - strip.Left, tab.Top - dy, tab.Right - strip.Left, tab.Bottom - dy};
    }
    case tabLeft: {
      // Turned anticlockwise at the end: buffer (x, y) lands at (y, width - 1 - x).
      const int width = strip.Height();
      const TRect t{tab.Left - strip.Left, tab.Top - strip.Top, tab.Right - strip.Left, tab.Bottom - strip.Top};
      return {width - t.Bottom, t.Left, width - t.Top, t.Right};
    }
    case tabRight: {
      // Turned clockwise at the end: buffer (x, y) lands at (height - 1 - y, x).
      const int height = strip.Width();
      const TRect t{tab.Left - strip.Left, tab.Top - strip.Top, tab.Right - strip.Left, tab.Bottom - strip.Top};
      return {t.Top, height - t.Right, t.Bottom, height - t.Left};
    }
    default: return {tab.Left - strip.Left, tab.Top - strip.Top + 1, tab.Right - strip.Left, tab.Bottom - strip.Top + 1};
  }
}

TRect TabCloseBox(const TRect& t, int dpi) {
  const int inset = ScaleForDpi(2, dpi), reach = ScaleForDpi(8, dpi);
  return {t.Right - reach, t.Top + inset, t.Right - inset, t.Top + reach};
}

TPoint WindowPointInBuffer(TPoint p, const TRect& strip, const TRect& display, int side) {
  const TRect r = TabInBuffer({p.X, p.Y, p.X + 1, p.Y + 1}, strip, display, side);
  return {r.Left, r.Top};
}

}  // namespace varnelta
