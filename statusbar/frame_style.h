// Frame styles, side sets and the geometry of every frame the status bar components draw.
// The geometry is a list of coloured thin rectangles; the drawing layer only fills them.
#pragma once

#include <cstdint>

#include "statusbar/colors.h"
#include "statusbar/geometry.h"

namespace varnelta::statusbar {

enum TFrameStyle : int {
  fsNone,
  fsFlat,
  fsGroove,
  fsBump,
  fsLowered,
  fsButtonDown,
  fsRaised,
  fsButtonUp,
  fsStatus,
  fsPopup,
  fsFlatBold,
  fsFlatRounded,
};
using TFrameStyleEx = TFrameStyle;
constexpr int kFrameStyleCount = fsFlatRounded + 1;

// A set of sides, bits in member order.
enum TSide : std::uint8_t { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
using TSides = std::uint8_t;
constexpr TSides sdAllSides = sdLeft | sdTop | sdRight | sdBottom;
constexpr bool HasSide(TSides sides, TSide side) { return (sides & side) != 0; }

struct TFramePair {
  TColor UpperLeft = clNone;
  TColor LowerRight = clNone;
};

// Colours of the one-line and etched styles; both clNone for a style without an entry.
TFramePair FrameColors(TFrameStyle style);

// Colours of the two-line bevels, outer line then inner line; both clNone for other styles.
struct TBevelColors {
  TFramePair Outer;
  TFramePair Inner;
};
TBevelColors BevelColors(TFrameStyle style);

// Appends one line set: left and top sides in `upperLeft`, right (one pixel inside the right
// edge) and bottom (one pixel above the bottom edge) in `lowerRight`, drawn in that order so
// the lower-right colour covers the two shared corners. clNone skips its sides. Returns the
// rectangle shrunk by one pixel on each drawn side.
TRect SideLines(TRect bounds, TColor upperLeft, TColor lowerRight, TSides sides, FillList& out);

// The frame of `style` on `sides` of `bounds`; returns the rectangle left inside it.
// fsFlatRounded, which has no table entry, is the fsFlat colour with its corners cut, two
// pixels deep like the other rounded frames.
TRect BorderGeometry(TRect bounds, TFrameStyle style, TSides sides, FillList& out);

// The rounded flat frame: a one-pixel line without its outer corner pixels plus the four inner
// corner pixels, in `color`, on the drawn sides. Returns the rectangle shrunk by two pixels on
// each drawn side.
TRect RoundedFlatGeometry(TRect bounds, TColor color, TSides sides, FillList& out);

// A one-pixel rectangle without its four corner pixels (the pane's and simple mode's fsFlat
// frame), all sides. Returns the rectangle shrunk by one pixel on every side.
TRect CornerlessRectGeometry(TRect bounds, TColor color, FillList& out);

}  // namespace varnelta::statusbar
