// Plain rectangles and coloured fills shared by the status bar's portable logic. Right and
// Bottom are exclusive, as in window rectangles.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/types.h"

namespace varnelta::statusbar {

// The runtime's points and rectangles.
using varnelta::TPoint;
using varnelta::TRect;

constexpr TRect Inflated(TRect r, int dx, int dy) {
  return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
}

constexpr TRect Intersected(TRect a, TRect b) {
  TRect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
          a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
  if (r.IsEmpty()) return {};
  return r;
}

// A colour value as stored in forms: 0x00BBGGRR explicit, 0xFF0000nn system colour nn,
// 0x1FFFFFFF none.
using varnelta::TColor;

// One rectangle filled in one colour; lines and single pixels of frames are thin rectangles.
struct TColorRect {
  TRect Rect;
  TColor Color = 0;
  friend bool operator==(const TColorRect&, const TColorRect&) = default;
};

using FillList = std::vector<TColorRect>;

}  // namespace varnelta::statusbar
