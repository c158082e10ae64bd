#include "skin/controls/scroll_maths.h"

#include <algorithm>
#include <cstdint>

namespace varnelta {

namespace {
// MulDiv of the system: a * b / c rounded to the nearest, -1 for a zero divisor.
int MulDivRound(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = (c > 0 ? c : -c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / (c > 0 ? c : -c);
  return static_cast<int>(negative ? -magnitude : magnitude);
}
}  // namespace

TThumbSpan ScrollControlThumb(int barLength, int arrow, const TScrollRange& r) {
  const int range = r.Max == r.Min ? 9999999 : r.Max - r.Min;
  const int track = barLength - 2 * arrow;
  const bool first = r.Pos == r.Min;
  int start = arrow;
  int length = 0;
  if (r.Page != 0) {
    length = MulDivRound(track, r.Page - 1, range);
    if (length >= kMinThumbLength) {
      if (!first) start = arrow + MulDivRound(track, r.Pos - r.Min, range);
    } else {
      length = kMinThumbLength;
      if (!first) start = arrow + MulDivRound(track - kMinThumbLength, r.Pos - r.Min, range);
    }
  } else {
    length = arrow;
    if (!first) start = arrow + MulDivRound(barLength - 3 * arrow, r.Pos - r.Min, range);
  }
  return {start, start + length};
}

int ScrollHitTest(int p, int arrow, const TThumbSpan& thumb, int barLength) {
  if (p < arrow) return spFirstArrow;
  if (p < thumb.Start) return spTrackBefore;
  if (p < thumb.End) return spThumb;
  if (p < barLength - arrow) return spTrackAfter;
  return spSecondArrow;
}

int FollowThumbStart(int pressThumbTop, int mouseDelta, int arrow, int barLength, int thumbLength) {
  const int low = arrow;
  const int high = barLength - arrow - thumbLength;
  if (high < low) return low;
  return std::clamp(pressThumbTop + mouseDelta, low, high);
}

int ListDragPosition(int startOffset, int mouseDelta, int track, int thumbLength, const TScrollRange& r) {
  int offset = std::max(0, startOffset + mouseDelta);
  int position = 0;
  if (r.Page == 0) {
    offset = std::min(offset, std::max(0, track - thumbLength));
    position = r.Min + (track > 0 ? MulDivRound(offset, r.Max - r.Min, track) : 0);
    position = std::min(position, r.Max);
  } else {
    const int room = track - thumbLength;
    if (offset > room) offset = room + 1;
    position = r.Min + (room > 0 ? MulDivRound(offset, r.Max - r.Min - r.Page, room) : 0);
    if (position >= r.Max - r.Page) position = r.Max - r.Page + 1;
  }
  return std::max(position, r.Min);
}

TComboRects ComboButtonRects(const TRect& r, int e, bool leftHanded) {
  TComboRects c;
  if (leftHanded) {
    c.TextClip = {r.Left + e + 4, r.Top + 2, r.Right - 2, r.Bottom - 2};
    c.Button = {r.Left, r.Top, r.Left + e + 2, r.Bottom};
    c.GlyphArea = {2, r.Top, e + 2, r.Bottom};
  } else {
    c.TextClip = {r.Left + 2, r.Top + 2, r.Right - e - 4, r.Bottom - 2};
    c.Button = {r.Right - e - 2, r.Top, r.Right, r.Bottom};
    c.GlyphArea = {r.Right - e - 2, r.Top, r.Right - 2, r.Bottom};
  }
  return c;
}

int ComboButtonFrame(bool enabled, bool pressed, bool hot, bool focused) {
  if (!enabled) return 3;
  if (pressed) return 2;
  return focused || hot ? 4 : 1;
}

TRect CentredCell(const TRect& area, int w, int h) {
  const int left = area.Left + (area.Width() - w) / 2;
  const int top = area.Top + (area.Height() - h) / 2;
  return {left, top, left + w, top + h};
}

}  // namespace varnelta
