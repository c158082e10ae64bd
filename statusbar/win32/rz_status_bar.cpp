#include "statusbar/win32/rz_status_bar.h"

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

const TClassInfo& TRzStatusBar::StaticClass() {
  using C = TRzStatusBar;
  static const TClassInfo info{
      "TRzStatusBar",
      &TRzCustomPanel::StaticClass(),
      {BoolProperty("AutoStyle", &C::AutoStyle, &C::SetAutoStyle, true),
       BoolProperty("ShowSizeGrip", &C::ShowSizeGrip, &C::SetShowSizeGrip, true),
       BoolProperty("SimpleStatus", &C::SimpleStatus, &C::SetSimpleStatus, false),
       StrProperty("SimpleCaption", &C::SimpleCaption, &C::SetSimpleCaption),
       EnumProperty("SimpleFrameStyle", FrameStyleType, &C::SimpleFrameStyle,
                    &C::SetSimpleFrameStyle, sb::fsFlat),
       BoolProperty("AutoScalePanes", &C::AutoScalePanes, &C::SetAutoScalePanes, false)},
      [](TComponent* owner) -> TComponent* { return new TRzStatusBar(owner); }};
  return info;
}

TRzStatusBar::TRzStatusBar(TComponent* owner) : TRzCustomPanel(owner) {
  border_ = sb::StandardStatusBarBorder();
  SetAlign(alBottom);
  SetHeight(sb::kStatusBarHeight);
}

void TRzStatusBar::SetBorderOuter(sb::TFrameStyle v) {
  autoStyle_.SetBorderOuter(border_, v);
  LookChanged();
}
void TRzStatusBar::SetBorderInner(sb::TFrameStyle v) {
  autoStyle_.SetBorderInner(border_, v);
  LookChanged();
}
void TRzStatusBar::SetBorderSides(int v) {
  autoStyle_.SetBorderSides(border_, static_cast<sb::TSides>(v & sb::sdAllSides));
  LookChanged();
}

void TRzStatusBar::SetShowSizeGrip(bool v) {
  if (v == showSizeGrip_) return;
  showSizeGrip_ = v;
  Invalidate();
}

void TRzStatusBar::SetSimpleStatus(bool v) {
  if (v == simpleStatus_) return;
  simpleStatus_ = v;
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(!v);
  EnableAlign();
  Realign();
  Invalidate();
}

void TRzStatusBar::SetSimpleCaption(const std::wstring& v) {
  if (v == simpleCaption_) return;
  simpleCaption_ = v;
  if (simpleStatus_) Invalidate();
}

void TRzStatusBar::SetSimpleFrameStyle(sb::TFrameStyle v) {
  simpleFrameStyle_ = v;
  if (simpleStatus_) Invalidate();
}

bool TRzStatusBar::SizeGripValid() const {
  TCustomForm* form = ParentForm();
  if (!form || !form->HandleAllocated()) return false;
  const sb::TFormSizing sizing = sb::FormSizing(form->HandleIfAllocated());
  return sb::SizeGripValid(sizing.Sizeable, sizing.Maximised);
}

bool TRzStatusBar::GripOperatesAt(TPoint p) const {
  if (!sb::SizeGripHit(showSizeGrip_, SizeGripValid(), Width(), Height(), {p.X, p.Y})) return false;
  TControl* pane = ControlAtPos(p, true);
  if (!pane) return true;
  return sb::PanePassesHitToBar(pane->Left() + pane->Width(), PaneClientRight(), showSizeGrip_, p.X);
}

sb::TStatusBarLook TRzStatusBar::Look() const {
  sb::TStatusBarLook look;
  look.Border = border_;
  look.VisualStyle = visualStyle_;
  look.GradientColorStyle = gradientColorStyle_;
  look.GradientColorStart = gradientStart_;
  look.GradientColorStop = gradientStop_;
  look.GradientDirection = gradientDirection_;
  look.Color = Color();
  look.SimpleStatus = simpleStatus_;
  look.SimpleFrameStyle = simpleFrameStyle_;
  look.ShowSizeGrip = showSizeGrip_;
  return look;
}

bool TRzStatusBar::Themed() const {
  return visualStyle_ == sb::vsWinXP && sb::VisualStyles().Active();
}

sb::TPaneParent TRzStatusBar::PaneParent() const {
  sb::TPaneParent parent;
  parent.IsStatusBar = true;
  parent.VisualStyle = visualStyle_;
  parent.BorderWidth = border_.BorderWidth + ClientRectOfPanes().Left;
  parent.SeparatorColor =
      sb::GradientLineColors(gradientColorStyle_, sb::VisualStyles().Active(),
                             sb::CurrentColorScheme(), Sys())
          .Stop;
  return parent;
}

TRect TRzStatusBar::ClientRectOfPanes() const {
  TRect r{0, 0, Width(), Height()};
  AdjustClientRect(r);
  return r;
}

int TRzStatusBar::PaneClientRight() const { return ClientRectOfPanes().Right; }

sb::TBarBackground TRzStatusBar::Background(TColor paneColor) const {
  sb::TBarBackground bg;
  bg.BarWidth = Width();
  bg.BarHeight = Height();
  if (Themed()) {
    bg.BackgroundKind = sb::TBarBackground::Kind::Themed;
  } else if (visualStyle_ == sb::vsGradient) {
    bg.BackgroundKind = sb::TBarBackground::Kind::Gradient;
    sb::FillList frames;
    bg.GradientRect = sb::PanelBorderGeometry({0, 0, Width(), Height()}, border_, Sys(), frames);
    bg.Gradient = sb::GradientFillColors(gradientColorStyle_, sb::VisualStyles().Active(),
                                         sb::CurrentColorScheme(), gradientStart_, gradientStop_,
                                         Sys());
    bg.Direction = gradientDirection_;
    bg.Color = Rgb(Color());
  } else {
    bg.BackgroundKind = sb::TBarBackground::Kind::Solid;
    bg.Color = Rgb(paneColor);
  }
  return bg;
}

void TRzStatusBar::AdjustClientRect(TRect& rect) const {
  const TRect panel = sb::PanelClientRect(rect, border_);
  rect = sb::StatusBarClientRect(panel, sb::VisualStyles().LibraryAvailable(), simpleStatus_);
}

void TRzStatusBar::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (width == Width()) {
    TRzCustomPanel::SetBounds(left, top, width, height);
    return;
  }
  std::vector<int> widths;
  for (int i = 0; i < ControlCount(); ++i) widths.push_back(Controls(i)->Width());
  DisableAlign();
  if (scaler_.Resize(width, autoScalePanes_, widths)) {
    for (int i = 0; i < ControlCount(); ++i) {
      Controls(i)->SetWidth(widths[static_cast<std::size_t>(i)]);
    }
  }
  TRzCustomPanel::SetBounds(left, top, width, height);
  EnableAlign();
}

void TRzStatusBar::Loaded() {
  TRzCustomPanel::Loaded();
  if (autoStyle_.ApplyAfterLoad(border_)) {
    // The form has already scaled its controls to the screen: the standard height grows with
    // the font, or the pane texts would touch the bar's edges at higher DPI.
    const TCustomForm* form = ParentForm();
    const int dpi = form && form->PixelsPerInch() > 0 ? form->PixelsPerInch() : 96;
    SetHeight(MulDiv(sb::kStatusBarHeight, dpi, 96));
    LookChanged();
  }
}

void TRzStatusBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETCURSOR:
      if (HandleAllocated() && LOWORD(m.LParam) == HTCLIENT) {
        POINT cursor;
        GetCursorPos(&cursor);
        ::ScreenToClient(HandleIfAllocated(), &cursor);
        if (GripOperatesAt({cursor.x, cursor.y})) {
          sb::SetSizeGripCursor();
          m.Result = TRUE;
          return;
        }
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GripOperatesAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)})) {
        TCustomForm* form = ParentForm();
        if (form && form->HandleAllocated()) sb::StartSizingFromGrip(form->HandleIfAllocated());
        m.Result = 0;
        return;
      }
      break;
    default: break;
  }
  TRzCustomPanel::WndProc(m);
}

void TRzStatusBar::Paint() {
  HDC dc = Canvas().Handle();
  sb::TStatusBarPaintInput input;
  input.Look = Look();
  input.Bounds = {0, 0, Width(), Height()};
  input.Styles.Active = sb::VisualStyles().Active();
  input.Styles.LibraryAvailable = sb::VisualStyles().LibraryAvailable();
  input.Scheme = sb::CurrentColorScheme();
  input.GripValid = SizeGripValid();
  input.TextHeight = sb::TextHeightPp(Font()->Handle());
  const sb::TStatusBarPaintPlan plan = sb::PlanStatusBarPaint(input, Sys());
  sb::TSimpleCaption caption{simpleCaption_, Font()->Handle(), Rgb(Font()->Color())};
  sb::DrawStatusBarPlan(dc, plan, caption, sb::VisualStyles(), Sys());
}

}  // namespace varnelta
