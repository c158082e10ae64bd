// The panel's border model: outer frame, a band of border colour, inner frame, each on the
// chosen sides, and the client space that remains for aligned children.
#pragma once

#include "statusbar/colors.h"
#include "statusbar/frame_style.h"
#include "statusbar/geometry.h"

namespace varnelta::statusbar {

struct TPanelBorder {
  TFrameStyle BorderOuter = fsRaised;
  TFrameStyle BorderInner = fsNone;
  TSides BorderSides = sdAllSides;
  int BorderWidth = 0;
  TColor BorderColor = clBtnFace;
  TColor BorderHighlight = clBtnHighlight;
  TColor BorderShadow = clBtnShadow;
  int BevelWidth = 1;
  TColor FlatColor = clBtnShadow;
  int FlatColorAdjustment = 30;
};

// Pixels one frame of the panel takes on each drawn side.
int PanelFrameSpace(TFrameStyle style, int bevelWidth);

// The panel's rectangle less both frames and the border band on the border sides.
TRect PanelClientRect(TRect bounds, const TPanelBorder& border);

// One frame as the panel draws it: flat styles in the adjusted flat colour on every side,
// fsStatus and fsPopup as BevelWidth lines of the shadow and highlight colours, the others as
// the shared frame drawing. Returns what remains inside.
TRect PanelFrameGeometry(TRect bounds, TFrameStyle style, const TPanelBorder& border,
                         const ISystemColors& colors, FillList& out);

// Outer frame, BorderWidth lines of BorderColor, inner frame. Returns the rectangle to fill.
TRect PanelBorderGeometry(TRect bounds, const TPanelBorder& border, const ISystemColors& colors,
                          FillList& out);

}  // namespace varnelta::statusbar
