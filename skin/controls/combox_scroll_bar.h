// TComboxScrollBar: the drop-down list of a combo box. Paints the list's vertical scroll bar from
// the skin straight into the list's non-client area and drags the thumb itself. The drag is a
// state driven by the ordinary message loop (no loop of its own): mouse moves send
// SB_THUMBTRACK, the release sends SB_THUMBPOSITION and posts SB_ENDSCROLL, and losing the
// capture, Escape or the list closing end it the same way.
#pragma once

#include "skin/controls/paint_buffer.h"
#include "skin/controls/scroll_maths.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TComboxScrollBar : public TSkinControl {
  VARNELTA_CLASS()
 public:
  TComboxScrollBar();
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  bool Dragging() const { return dragging_; }

 private:
  // Starts a drag when the press is on the thumb; false leaves the press to the native bar.
  bool TrackThumb(const TMessage& message);
  void DragTo(int cursorY);
  void EndDrag();

  int FArrowSize = 0;
  TThumbSpan FThumb;
  TPaintBuffer buffer_;
  bool dragging_ = false;
  bool ending_ = false;
  bool hadCapture_ = false;
  int pressCursorY_ = 0;
  int startOffset_ = 0;
  int track_ = 0;
  int thumbLength_ = 0;
  int lastPosition_ = 0;
  TScrollRange range_;
};

}  // namespace varnelta
