// The status bar's own rules: its standard look, the client rectangle, the size grip, the
// scaling of panes and the plan of one paint. The control gathers the inputs, the drawing
// layer carries out the plan.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "statusbar/color_scheme.h"
#include "statusbar/colors.h"
#include "statusbar/frame_style.h"
#include "statusbar/gradient.h"
#include "statusbar/panel.h"

namespace varnelta::statusbar {

enum TRzVisualStyle : int { vsClassic, vsWinXP, vsGradient };

constexpr int kStatusBarHeight = 19;

// The frames the status bar's constructor and auto style set: none, on all sides, no band.
constexpr TPanelBorder StandardStatusBarBorder() {
  TPanelBorder border;
  border.BorderOuter = fsNone;
  border.BorderInner = fsNone;
  border.BorderSides = sdAllSides;
  border.BorderWidth = 0;
  return border;
}

// The status bar's look: the panel settings its constructor and its auto style apply, plus
// its own properties, all at their defaults.
struct TStatusBarLook {
  TPanelBorder Border = StandardStatusBarBorder();
  TRzVisualStyle VisualStyle = vsWinXP;
  TRzGradientColorStyle GradientColorStyle = gcsSystem;
  TColor GradientColorStart = 0xFFFFFF;
  TColor GradientColorStop = clBtnFace;
  TGradientDirection GradientDirection = gdHorizontalEnd;
  TColor Color = clBtnFace;
  bool SimpleStatus = false;
  TFrameStyle SimpleFrameStyle = fsFlat;
  bool ShowSizeGrip = true;
};

// Auto style: the standard look is reapplied after loading while `AutoStyle` holds, and any
// change of BorderInner, BorderOuter or BorderSides to a different value clears it.
class TAutoStyle {
 public:
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on) { enabled_ = on; }
  // Applies the change to `border`; clears auto style when the value differs.
  void SetBorderOuter(TPanelBorder& border, TFrameStyle style);
  void SetBorderInner(TPanelBorder& border, TFrameStyle style);
  void SetBorderSides(TPanelBorder& border, TSides sides);
  // After loading: the standard frames, sides and border width (and the caller sets height
  // 19) while auto style is still set. Returns whether it applied.
  bool ApplyAfterLoad(TPanelBorder& border) const;

 private:
  bool enabled_ = true;
};

// Visual styles: whether they are on, and whether the visual-style library exists at all.
struct TStyleState {
  bool Active = false;
  bool LibraryAvailable = false;
};

// The client rectangle the panes align in, from the panel's client rectangle.
TRect StatusBarClientRect(TRect panelClient, bool libraryAvailable, bool simpleStatus);

// The size grip is valid only while the form has a sizeable border and is not maximised.
bool SizeGripValid(bool formSizeable, bool formMaximised);
// The active area: the rightmost 13 pixels of the bar over its full height.
constexpr int kSizeGripActiveWidth = 13;
TRect SizeGripActiveArea(int barWidth, int barHeight);
// Whether a point of the bar operates the grip (cursor and sizing command).
bool SizeGripHit(bool showSizeGrip, bool gripValid, int barWidth, int barHeight, TPoint point);
// The themed gripper: the rightmost 20 pixels of the client rectangle.
TRect ThemedGripperRect(TRect client);
// The six 2 x 2 squares in `highlight`, then the same six one pixel up and left in `shadow`;
// `right` is the client rectangle's right edge, `bottom` one pixel above the bar's bottom.
FillList SizeGripSquares(int right, int bottom, TColor highlight, TColor shadow);

// Scaling of the panes' widths when the bar's width changes.
class TPaneScaler {
 public:
  // One resize to `newWidth`. When scaling applies, `widths` (the children's widths) are
  // scaled and true is returned; the caller suspends alignment around applying them. The
  // width is only recorded while the last width is 0 (the first resize, or one from an
  // empty bar), so the ratio never divides by zero.
  bool Resize(int newWidth, bool scalingOn, std::span<int> widths);
  int LastWidth() const { return lastWidth_; }
  int LastDelta() const { return delta_; }

 private:
  int lastWidth_ = 0;
  int delta_ = 0;
};

// A new width for one child: w + round(d * (w / lastWidth)), the ratio in single precision.
int ScaledPaneWidth(int width, int delta, int lastWidth);

// Everything one paint of the bar draws, in order.
struct TStatusBarPaintPlan {
  // The visual style's status bar background over the whole bar and nothing else (but the
  // grip); otherwise the panel frames and the fill.
  bool Themed = false;
  TRect Bounds;
  TRect ClientRect;
  FillList Frames;
  TRect FillRect;
  bool Gradient = false;
  TColorRef FillColor = 0;
  TGradientPair GradientColors{0, 0};
  TGradientDirection Direction = gdHorizontalEnd;
  // Simple mode: the frame around the client rectangle (vsClassic only) and where the
  // caption goes. Themed: the caption rectangle is the client rectangle, drawn with the
  // visual style's text routine, one line, vertically centred. Otherwise the caption is
  // drawn at CaptionOrigin with a transparent background.
  FillList SimpleFrame;
  bool DrawSimpleCaption = false;
  TRect SimpleCaptionRect;
  TPoint SimpleCaptionOrigin;
  // The size grip: the themed gripper or the squares.
  bool DrawGrip = false;
  bool ThemedGrip = false;
  TRect ThemedGripRect;
  FillList GripSquares;
};

struct TStatusBarPaintInput {
  TStatusBarLook Look;
  TRect Bounds;          // the bar in its own coordinates
  TStyleState Styles;
  TColorScheme Scheme = TColorScheme::Default;
  bool GripValid = false;
  int TextHeight = 0;    // height of "Pp" in the bar's font
};

TStatusBarPaintPlan PlanStatusBarPaint(const TStatusBarPaintInput& input,
                                       const ISystemColors& colors);

}  // namespace varnelta::statusbar
