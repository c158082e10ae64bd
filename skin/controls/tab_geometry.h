// The geometry of a skinned tab strip. Tabs sit on one of four sides (0 top, 1 bottom, 2 left,
// 3 right). The strip is composed in a buffer; for side tabs the buffer is composed lying down
// (as if the tabs were on top) and turned a quarter into place at the end: anticlockwise for
// left tabs, clockwise for right tabs.
#pragma once

#include <cstdint>

#include "runtime/types.h"

namespace varnelta {

enum TTabSide : int { tabTop = 0, tabBottom = 1, tabLeft = 2, tabRight = 3 };

// The side from the tab control's style: TCS_BOTTOM (2) with TCS_VERTICAL (0x80) right,
// TCS_BOTTOM alone bottom, TCS_VERTICAL alone left, neither top.
int TabSideFromStyle(std::uint32_t style);

// The pane: the display area the control reports (`adjusted`), grown by 4 and moved one pixel
// on the tab side.
TRect TabDisplayRect(const TRect& adjusted, int side);
// The strip: the part of the window `window` beyond the pane `display` on the tab side.
TRect TabStripRect(const TRect& window, const TRect& display, int side);
// The buffer's size for a strip (width and height exchanged for side tabs).
TPoint TabBufferSize(const TRect& strip, int side);
// A tab's rectangle (window coordinates) in buffer coordinates: top tabs moved down by 1,
// bottom tabs up by the pane's bottom + 1, side tabs turned into the lying-down buffer.
TRect TabInBuffer(const TRect& tab, const TRect& strip, const TRect& display, int side);
// The close box of a tab (buffer coordinates): from (right - 8, top + 2) to (right - 2, top + 8)
// at 96 DPI, each length scaled to `dpi`.
TRect TabCloseBox(const TRect& tabInBuffer, int dpi = 96);
// A point of the window in buffer coordinates (the inverse of the turn for side tabs), to find
// the close box under a click.
TPoint WindowPointInBuffer(TPoint point, const TRect& strip, const TRect& display, int side);

}  // namespace varnelta
