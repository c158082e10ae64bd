// The pure arithmetic of the skinned scroll bars and combo boxes: thumb placement of a scroll-bar
// control, which part of a bar a point is on, the thumb following a drag, the position a drag of
// a drop-down list's thumb stands for, and the rectangles of a combo box's button.
#pragma once

#include "runtime/types.h"

namespace varnelta {

// Scroll codes a bar part is highlighted by.
enum TScrollPart : int {
  spNone = -1,
  spFirstArrow = 0,   // SB_LINEUP
  spSecondArrow = 1,  // SB_LINEDOWN
  spTrackBefore = 2,  // SB_PAGEUP
  spTrackAfter = 3,   // SB_PAGEDOWN
  spThumb = 5,        // SB_THUMBTRACK
};

inline constexpr int kMinThumbLength = 8;

struct TThumbSpan {
  int Start = 0;
  int End = 0;
  friend bool operator==(const TThumbSpan&, const TThumbSpan&) = default;
};

struct TScrollRange {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
};

// The thumb of a scroll-bar control of `barLength` with arrows `arrow` long. A range of 0 counts
// as a very large one, so the thumb stays at its first place; a paged thumb is never shorter than
// 8 pixels.
TThumbSpan ScrollControlThumb(int barLength, int arrow, const TScrollRange& range);

// The part under position `p` along the bar.
int ScrollHitTest(int p, int arrow, const TThumbSpan& thumb, int barLength);

// The thumb start while it is dragged: the start at the press moved by the mouse, kept between
// the two arrows; a range with no room left (bar shorter than arrows and thumb) gives the lower
// bound.
int FollowThumbStart(int pressThumbTop, int mouseDelta, int arrow, int barLength, int thumbLength);

// The scroll position a drag of a drop-down list's thumb stands for: `startOffset` is the thumb's
// distance from the first arrow at the press, `mouseDelta` how far the mouse moved since, `track`
// the bar length less both arrows. The last reachable position is Max - Page + 1.
int ListDragPosition(int startOffset, int mouseDelta, int track, int thumbLength, const TScrollRange& range);

// A combo box's drop-down button: the clip rectangle protecting the text, the button area and
// the area its glyph is centred in, for a box `rect` (at 0, 0) with scroll-bar width `e`.
struct TComboRects {
  TRect TextClip;
  TRect Button;
  TRect GlyphArea;
};
TComboRects ComboButtonRects(const TRect& rect, int e, bool leftHanded);
// The frame of a combo box's border and button: 3 whenever the box is disabled (a disabled box
// never shows pressed or hot, whatever the mouse did to it); else 2 while pressed, 4 when
// focused or hot, 1 otherwise.
int ComboButtonFrame(bool enabled, bool pressed, bool hot, bool focused);
// A glyph cell w x h centred in `area`.
TRect CentredCell(const TRect& area, int w, int h);

}  // namespace varnelta
