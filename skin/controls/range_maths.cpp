#include "skin/controls/range_maths.h"

#include <algorithm>
#include <cstdint>

namespace varnelta {

int ProgressFill(int length, int position, int minimum, int maximum) {
  if (length <= 0 || maximum <= minimum) return 0;
  const std::int64_t span = static_cast<std::int64_t>(maximum) - minimum;
  const std::int64_t done = static_cast<std::int64_t>(position) - minimum;
  const std::int64_t fill = done * length / span;
  return static_cast<int>(std::clamp<std::int64_t>(fill, 0, length));
}

TChunkRun ProgressChunks(int fill, int chunkWidth, int start) {
  if (fill <= start || chunkWidth <= 0) return {0, start};
  const int count = (fill - start + chunkWidth - 1) / chunkWidth;
  return {count, fill};
}

TUpDownHalves SplitUpDown(const TRect& r, bool horizontal) {
  if (horizontal) {
    const int middle = r.Left + r.Width() / 2;
    return {{r.Left, r.Top, middle, r.Bottom}, {middle, r.Top, r.Right, r.Bottom}};
  }
  const int middle = r.Top + r.Height() / 2;
  return {{r.Left, r.Top, r.Right, middle}, {r.Left, middle, r.Right, r.Bottom}};
}

int UpDownHalfState(int half, bool disabled, int cursorHalf, int pressedHalf) {
  if (disabled) return 3;
  if (cursorHalf >= 0 && cursorHalf != half) return 1;
  if (pressedHalf == half) return 2;
  if (cursorHalf == half) return 4;
  return 1;
}

int UpDownFrame(int half, int state) { return half == 0 ? state : state + 4; }

TRect KeepInsideEdit(const TRect& upDown, const TRect& edit, int inset) {
  TRect r = upDown;
  r.Top = std::max(r.Top, edit.Top + inset);
  r.Right = std::min(r.Right, edit.Right - inset);
  r.Bottom = std::min(r.Bottom, edit.Bottom - inset);
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

}  // namespace varnelta
