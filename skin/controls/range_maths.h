// The portable arithmetic of the range skinners: how much of a progress bar is filled, where its
// chunks go, and the two halves of an up-down with the state each half shows.
#pragma once

#include "runtime/types.h"

namespace varnelta {

// The filled length of a bar `length` long: (position - minimum) / (maximum - minimum) of it,
// kept within [0, length]; nothing when maximum <= minimum.
int ProgressFill(int length, int position, int minimum, int maximum);

// Chunk copies side by side from `start` up to the filled length: how many, and where the last
// one is cut off (copies never reach past `fill`).
struct TChunkRun {
  int Count = 0;  // copies drawn (the last may be cut)
  int Right = 0;  // the right edge of what is drawn; the clip for the copies
};
TChunkRun ProgressChunks(int fill, int chunkWidth, int start);

// The two halves of an up-down: top and bottom, or left and right when horizontal.
struct TUpDownHalves {
  TRect First;
  TRect Second;
};
TUpDownHalves SplitUpDown(const TRect& rect, bool horizontal);

// The state of half `half` (0 first, 1 second): 3 disabled; 1 while the cursor is over the other
// half; 2 while the press that began on this half lasts; 4 while the cursor is over it; else 1.
// `cursorHalf` and `pressedHalf` are -1 for none.
int UpDownHalfState(int half, bool disabled, int cursorHalf, int pressedHalf);
// The picture frame of that state: the first button's frames are 1 to 4, the second's 5 to 8.
int UpDownFrame(int half, int state);

// An up-down inside an edit: its rectangle pulled in so that it stays at least `inset` pixels
// inside the edit's window rectangle at the top, right and bottom.
TRect KeepInsideEdit(const TRect& upDown, const TRect& edit, int inset);

}  // namespace varnelta
