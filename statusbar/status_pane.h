// The status panes' portable rules: interior rectangle, frame, caption placement, automatic
// width, colours and the size-grip pass-through.
#pragma once

#include <string>

#include "statusbar/colors.h"
#include "statusbar/frame_style.h"
#include "statusbar/geometry.h"
#include "statusbar/status_bar.h"

namespace varnelta::statusbar {

enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };

// A pane's settings with the defaults its constructor gives them.
struct TPaneSettings {
  int Width = 100;
  int Height = 20;
  TFrameStyle FrameStyle = fsFlat;
  int BorderWidth = 1;
  TColor FlatColor = clBtnShadow;
  int FlatColorAdjustment = 30;
  TAlignment Alignment = taLeftJustify;
  bool AutoSize = false;
  int DefaultWidth = 40;
  int CaptionOffset = 2;
  TColor BlinkColor = clHighlight;
};
constexpr int kClockPaneDefaultWidth = 150;

// A pane's side of blinking: its answer to the blinking list's question and its phase.
class TPaneBlink {
 public:
  bool Blinking() const { return blinking_; }
  bool Highlighted() const { return highlighted_; }
  // Clearing puts the pane into the normal phase; the caller repaints (true is returned).
  bool SetBlinking(bool on);
  // The answer to the "do you blink" message: 1 for yes.
  int QueryAnswer() const { return blinking_ ? 1 : 0; }
  // The "new phase" message; true when the text colour changed and the pane must repaint.
  bool EnterPhase(bool highlighted);
  // The caption colour: the blink colour in the highlighted phase, grey when disabled.
  TColor TextColor(bool enabled, TColor fontColor, TColor blinkColor) const;

 private:
  bool blinking_ = false;
  bool highlighted_ = false;
};

// The pixels a pane's frame takes on each side.
int PaneFrameWidth(TFrameStyle style);

// A clock pane at the right end of a bar with ShowSizeGrip gives up this much more.
constexpr int kClockGripAllowance = 12;

// The pane's rectangle shrunk by BorderWidth plus the frame's width on every side, and by
// the clock's grip allowance on the right when `giveWayToGrip` is set.
TRect PaneInterior(TRect pane, TFrameStyle style, int borderWidth, bool giveWayToGrip = false);

// What the parent of a pane is, as far as the pane's painting cares.
struct TPaneParent {
  bool IsStatusBar = false;
  TRzVisualStyle VisualStyle = vsWinXP;
  int BorderWidth = 0;   // the bar's border width plus its left padding
  TColorRef SeparatorColor = 0;  // the third colour of the bar's gradient set
};

// True when the pane paints the visual style's pane element and its caption on the bar's
// themed background.
bool PaneParentThemed(const TPaneParent& parent, bool stylesActive);

struct TPaneFrameInput {
  TRect Rect;          // the pane in its own coordinates
  int LeftInParent = 0;
  TFrameStyle FrameStyle = fsFlat;
  int BorderWidth = 1;
  TColor FlatColor = clBtnShadow;
  int FlatColorAdjustment = 30;
  bool Transparent = true;
  TColor Color = clBtnFace;
  TPaneParent Parent;
  bool StylesActive = false;
};

struct TPaneFramePlan {
  bool Themed = false;  // draw the visual style's status pane element over Rect, nothing else
  bool Fill = false;
  TColorRef FillColor = 0;
  FillList Lines;
};

TPaneFramePlan PlanPaneFrame(const TPaneFrameInput& input, const ISystemColors& colors);

// Caption placement. The alignment is mirrored first for right-to-left reading.
int CaptionX(TAlignment alignment, TRect interior, int captionOffset, int textWidth,
             bool rightToLeft);
int CaptionY(TRect interior, int textHeight);

enum class TCaptionBackground { ThemedBar, None, Fill };
TCaptionBackground CaptionBackground(bool parentThemed, bool transparent);

// Automatic width: 2 x BorderWidth + text width + CaptionOffset + 6, or DefaultWidth for an
// empty caption.
int PaneAutoWidth(bool captionEmpty, int textWidth, int borderWidth, int captionOffset,
                  int defaultWidth);

// The colour the caption is drawn in.
TColor PaneTextColor(bool enabled, bool blinkHighlighted, TColor fontColor, TColor blinkColor);

// Colour, fill colour and transparency of a pane and the rules that tie them together.
class TPaneColors {
 public:
  TColor Color() const { return color_; }
  TColor FillColor() const { return fillColor_; }
  bool ParentColor() const { return parentColor_; }
  bool ParentFillColor() const { return parentFillColor_; }
  bool Transparent() const { return transparent_; }

  // A change of Color (or of the parent's colour while ParentColor holds) copies Color into
  // FillColor while ParentFillColor is set. Returns whether anything changed (repaint).
  bool SetColor(TColor color);
  bool ParentColorChanged(TColor parentColor);
  void SetParentColor(bool on) { parentColor_ = on; }
  // Setting FillColor keeps it: ParentFillColor is cleared.
  bool SetFillColor(TColor color);
  void SetParentFillColor(bool on);
  void SetTransparent(bool on) { transparent_ = on; }
  // After loading, a pane whose ParentColor is off becomes opaque.
  void AfterLoad();

 private:
  TColor color_ = clBtnFace;
  TColor fillColor_ = clBtnFace;
  bool parentColor_ = true;
  bool parentFillColor_ = true;
  bool transparent_ = true;
};

// Whether hit-testing at `x` (bar client coordinates) passes through the pane to the bar's
// size grip: the pane reaches the bar's right end, ShowSizeGrip is set and x lies in the
// rightmost 12 pixels of the bar's client area.
bool PanePassesHitToBar(int paneRight, int barClientRight, bool showSizeGrip, int x);
// Whether a pane reaches the right end of the bar's client area.
bool PaneAtBarRightEnd(int paneRight, int barClientRight);

}  // namespace varnelta::statusbar
