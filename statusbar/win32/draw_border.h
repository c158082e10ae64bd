// GDI drawing over the status bar core: fills, frames, gradients and whole paint plans.
// Colours are resolved when drawing; clNone fills never reach this layer.
#pragma once

#include <windows.h>

#include <string>

#include "statusbar/colors.h"
#include "statusbar/frame_style.h"
#include "statusbar/gradient.h"
#include "statusbar/status_bar.h"
#include "statusbar/status_pane.h"
#include "statusbar/win32/visual_styles.h"

namespace varnelta::statusbar {

inline RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

// Fills every rectangle in its colour, one brush per colour for the call.
void DrawFills(HDC dc, const FillList& fills, const ISystemColors& colors);

// Draws the frame of `style` on `sides` of `rect` and returns the rectangle inside it.
RECT DrawBorder(HDC dc, const RECT& rect, TFrameStyle style, TSides sides,
                const ISystemColors& colors);
RECT DrawBorder(HDC dc, const RECT& rect, TFrameStyle style, TSides sides);

// A gradient drawn into an off-screen image of the rectangle's size, then copied to the
// rectangle's top-left corner. An empty rectangle draws nothing.
void DrawGradient(HDC dc, const RECT& rect, TColorRef start, TColorRef stop,
                  TGradientDirection direction);

// The simple-mode caption: its text in the bar's font and text colour.
struct TSimpleCaption {
  std::wstring Text;
  HFONT Font = nullptr;
  COLORREF TextColor = 0;
};

// One paint of the status bar, simple-mode caption included: themed through the visual
// style's text routine, otherwise at the plan's origin with a transparent background.
void DrawStatusBarPlan(HDC dc, const TStatusBarPaintPlan& plan, const TSimpleCaption& caption,
                       IVisualStyles& styles, const ISystemColors& colors);

// A pane's frame: the themed pane element, or the fill and the frame lines.
void DrawPaneFramePlan(HDC dc, const RECT& paneRect, const TPaneFramePlan& plan,
                       IVisualStyles& styles, const ISystemColors& colors);

}  // namespace varnelta::statusbar
