// Pure layout rules: alignment of controls to the edges of their parent's client area and
// scaling of 96-DPI layout to the system's DPI.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/types.h"

namespace varnelta {

struct TAlignItem {
  TAlign Align = alNone;
  TRect Bounds;  // in and out
  bool Visible = true;
};

// Places every visible aligned item: top-aligned items stack down from the top (in the order
// of their tops), bottom-aligned ones up from the bottom, then left and right ones in what is
// left, and client-aligned items fill the rest. Items keep their height (top/bottom) or width
// (left/right); ties keep list order.
void AlignItems(TRect client, std::vector<TAlignItem>& items);

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);
// A 96-DPI length at the given DPI.
inline int ScaleForDpi(int value, int dpi) { return MulDiv(value, dpi, 96); }

}  // namespace varnelta
