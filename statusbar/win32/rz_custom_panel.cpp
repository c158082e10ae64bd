#include "statusbar/win32/rz_custom_panel.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "runtime/application.h"
#include "runtime/class_registry.h"
#include "runtime/form.h"
#include "runtime/win_handles.h"
#include "statusbar/win32/draw_border.h"
#include "statusbar/win32/system_sources.h"
#include "statusbar/win32/visual_styles.h"
#include "statusbar/win32/rz_controls.h"
#include "statusbar/win32/rz_helpers.h"

namespace varnelta {

namespace sb = statusbar;
using rz_helpers::ColorProp;
using rz_helpers::Rgb;
using rz_helpers::Sys;

const TClassInfo& TRzCustomPanel::StaticClass() {
  using C = TRzCustomPanel;
  // The four border settings are always written: a status bar's constructor gives them other
  // values than a panel's, and the stored form names them explicitly.
  static const TClassInfo info{
      "TRzCustomPanel",
      &TCustomPanel::StaticClass(),
      {EnumProperty("BorderInner", FrameStyleType, &C::BorderInner, &C::SetBorderInner),
       EnumProperty("BorderOuter", FrameStyleType, &C::BorderOuter, &C::SetBorderOuter),
       SetProperty("BorderSides", SidesType, &C::BorderSides, &C::SetBorderSides),
       IntProperty("BorderWidth", &C::BorderWidth, &C::SetBorderWidth),
       ColorProp(IntProperty("BorderColor", &C::BorderColor, &C::SetBorderColor, clBtnFace)),
       ColorProp(IntProperty("BorderHighlight", &C::BorderHighlight, &C::SetBorderHighlight,
                         clBtnHighlight)),
       ColorProp(IntProperty("BorderShadow", &C::BorderShadow, &C::SetBorderShadow, clBtnShadow)),
       IntProperty("BevelWidth", &C::BevelWidth, &C::SetBevelWidth, 1),
       ColorProp(IntProperty("FlatColor", &C::FlatColor, &C::SetFlatColor, clBtnShadow)),
       IntProperty("FlatColorAdjustment", &C::FlatColorAdjustment, &C::SetFlatColorAdjustment, 30),
       EnumProperty("VisualStyle", VisualStyleType, &C::VisualStyle, &C::SetVisualStyle,
                    sb::vsWinXP),
       EnumProperty("GradientColorStyle", GradientColorStyleType, &C::GradientColorStyle,
                    &C::SetGradientColorStyle, sb::gcsSystem),
       ColorProp(IntProperty("GradientColorStart", &C::GradientColorStart, &C::SetGradientColorStart,
                         0xFFFFFF)),
       ColorProp(IntProperty("GradientColorStop", &C::GradientColorStop, &C::SetGradientColorStop,
                         clBtnFace)),
       EnumProperty("GradientDirection", GradientDirectionType, &C::GradientDirection,
                    &C::SetGradientDirection, sb::gdHorizontalEnd),
       BoolProperty("FullRepaint", &C::FullRepaint, &C::SetFullRepaint, true)},
      {}};
  return info;
}

TRzCustomPanel::TRzCustomPanel(TComponent* owner) : TCustomPanel(owner) {}

void TRzCustomPanel::LookChanged() {
  Invalidate();
  Realign();
}

void TRzCustomPanel::SetBorderOuter(sb::TFrameStyle v) {
  if (v == border_.BorderOuter) return;
  border_.BorderOuter = v;
  LookChanged();
}
void TRzCustomPanel::SetBorderInner(sb::TFrameStyle v) {
  if (v == border_.BorderInner) return;
  border_.BorderInner = v;
  LookChanged();
}
void TRzCustomPanel::SetBorderSides(int v) {
  auto sides = static_cast<sb::TSides>(v & sb::sdAllSides);
  if (sides == border_.BorderSides) return;
  border_.BorderSides = sides;
  LookChanged();
}
void TRzCustomPanel::SetBorderWidth(int v) {
  if (v < 0) v = 0;
  if (v == border_.BorderWidth) return;
  border_.BorderWidth = v;
  LookChanged();
}
void TRzCustomPanel::SetBorderColor(TColor v) {
  border_.BorderColor = v;
  Invalidate();
}
void TRzCustomPanel::SetBorderHighlight(TColor v) {
  border_.BorderHighlight = v;
  Invalidate();
}
void TRzCustomPanel::SetBorderShadow(TColor v) {
  border_.BorderShadow = v;
  Invalidate();
}
void TRzCustomPanel::SetBevelWidth(int v) {
  if (v < 0) v = 0;
  if (v == border_.BevelWidth) return;
  border_.BevelWidth = v;
  LookChanged();
}
void TRzCustomPanel::SetFlatColor(TColor v) {
  border_.FlatColor = v;
  Invalidate();
}
void TRzCustomPanel::SetFlatColorAdjustment(int v) {
  border_.FlatColorAdjustment = v;
  Invalidate();
}
void TRzCustomPanel::SetVisualStyle(sb::TRzVisualStyle v) {
  if (v == visualStyle_) return;
  visualStyle_ = v;
  Invalidate();
}
void TRzCustomPanel::SetGradientColorStyle(sb::TRzGradientColorStyle v) {
  gradientColorStyle_ = v;
  Invalidate();
}
void TRzCustomPanel::SetGradientColorStart(TColor v) {
  gradientStart_ = v;
  Invalidate();
}
void TRzCustomPanel::SetGradientColorStop(TColor v) {
  gradientStop_ = v;
  Invalidate();
}
void TRzCustomPanel::SetGradientDirection(sb::TGradientDirection v) {
  gradientDirection_ = v;
  Invalidate();
}

void TRzCustomPanel::AdjustClientRect(TRect& rect) const {
  rect = sb::PanelClientRect(rect, border_);
}

void TRzCustomPanel::WndProc(TMessage& m) {
  if (m.Msg == WM_THEMECHANGED) {
    // The colour scheme and the cached theme data are process-wide; the panes are painted by
    // the panel, so repainting it repaints them too.
    sb::HandleThemeChanged();
    Invalidate();
  }
  TCustomPanel::WndProc(m);
}

void TRzCustomPanel::Paint() {
  HDC dc = Canvas().Handle();
  sb::FillList frames;
  const sb::TRect bounds{0, 0, Width(), Height()};
  const sb::TRect fill = sb::PanelBorderGeometry(bounds, border_, Sys(), frames);
  sb::DrawFills(dc, frames, Sys());
  const RECT fillRect = sb::ToRECT(fill);
  if (visualStyle_ == sb::vsGradient) {
    const sb::TGradientPair pair =
        sb::GradientFillColors(gradientColorStyle_, sb::VisualStyles().Active(),
                               sb::CurrentColorScheme(), gradientStart_, gradientStop_, Sys());
    sb::DrawGradient(dc, fillRect, pair.Start, pair.Stop, gradientDirection_);
  } else {
    sb::DrawFills(dc, {{fill, Color()}}, Sys());
  }
}

}  // namespace varnelta
