#include "statusbar/win32/rz_custom_status_pane.h"

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

const TClassInfo& TRzCustomStatusPane::StaticClass() {
  using C = TRzCustomStatusPane;
  static const TClassInfo info{
      "TRzCustomStatusPane",
      &TGraphicControl::StaticClass(),
      {EnumProperty("FrameStyle", FrameStyleType, &C::FrameStyle, &C::SetFrameStyle, sb::fsFlat),
       IntProperty("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 1),
       ColorProp(IntProperty("FlatColor", &C::FlatColor, &C::SetFlatColor, clBtnShadow)),
       IntProperty("FlatColorAdjustment", &C::FlatColorAdjustment, &C::SetFlatColorAdjustment, 30),
       [] {
         TPropInfo p = ColorProp(IntProperty("FillColor", &C::FillColor, &C::SetFillColor));
         p.Stored = [](const TPersistent& o) { return !static_cast<const C&>(o).ParentFillColor(); };
         return p;
       }(),
       BoolProperty("ParentFillColor", &C::ParentFillColor, &C::SetParentFillColor, true),
       BoolProperty("Transparent", &C::Transparent, &C::SetTransparent, true),
       ComponentProperty("FrameController", &C::FrameController, &C::SetFrameController),
       SetProperty("FrameControllerNotifications", FrameControllerNotificationType,
                   &C::FrameControllerNotifications, &C::SetFrameControllerNotifications,
                   kAllFrameControllerNotifications)},
      {}};
  return info;
}

TRzCustomStatusPane::TRzCustomStatusPane(TComponent* owner) : TGraphicControl(owner) {
  color_ = clBtnFace;
  parentColor_ = true;
  SetBounds(0, 0, 100, 20);
  sb::TRzBlinkingControlsList::Register(&blinkMember_);
}

TRzCustomStatusPane::~TRzCustomStatusPane() {
  if (autoHint_) Application().RemoveHintReceiver(this);
  if (frameController_) frameController_->RemovePane(this);
  sb::TRzBlinkingControlsList::Unregister(&blinkMember_);
}

void TRzCustomStatusPane::SetFrameController(TRzFrameController* v) {
  if (v == frameController_) return;
  if (frameController_) frameController_->RemovePane(this);
  frameController_ = v;
  if (frameController_) {
    frameController_->AddPane(this);
    ApplyFrameController();
  }
}

void TRzCustomStatusPane::SetFrameControllerNotifications(int v) {
  frameControllerNotifications_ = v & kAllFrameControllerNotifications;
  ApplyFrameController();
}

void TRzCustomStatusPane::ApplyFrameController() {
  const TRzFrameController* fc = frameController_;
  if (!fc || !fc->FrameVisible()) return;
  const auto takes = [this](TFrameControllerNotification n) {
    return (frameControllerNotifications_ & (1 << n)) != 0;
  };
  if (takes(fcpFrameStyle)) frameStyle_ = fc->FrameStyle();
  if (takes(fcpFrameColor)) {
    flatColor_ = fc->FrameColor();
    flatColorAdjustment_ = 0;
  }
  if (takes(fcpColor)) colors_.SetFillColor(fc->Color());
  if (takes(fcpParentColor)) SetParentColor(fc->ParentColor());
  Invalidate();
}

TRzStatusBar* TRzCustomStatusPane::StatusBar() const { return dynamic_cast<TRzStatusBar*>(Parent()); }

void TRzCustomStatusPane::SetFrameStyle(sb::TFrameStyle v) {
  if (v == frameStyle_) return;
  frameStyle_ = v;
  Invalidate();
}
void TRzCustomStatusPane::SetBorderWidth(int v) {
  if (v < 0) v = 0;
  if (v == borderWidth_) return;
  borderWidth_ = v;
  UpdateAutoWidth();
  Invalidate();
}
void TRzCustomStatusPane::SetFlatColor(TColor v) {
  flatColor_ = v;
  Invalidate();
}
void TRzCustomStatusPane::SetFlatColorAdjustment(int v) {
  flatColorAdjustment_ = v;
  Invalidate();
}
void TRzCustomStatusPane::SetFillColor(TColor v) {
  if (colors_.SetFillColor(v)) Invalidate();
}
void TRzCustomStatusPane::SetParentFillColor(bool v) {
  colors_.SetParentFillColor(v);
  Invalidate();
}
void TRzCustomStatusPane::SetTransparent(bool v) {
  if (v == colors_.Transparent()) return;
  colors_.SetTransparent(v);
  Invalidate();
}
void TRzCustomStatusPane::SetAlignment(sb::TAlignment v) {
  if (v == alignment_) return;
  alignment_ = v;
  Invalidate();
}
void TRzCustomStatusPane::SetAutoSize(bool v) {
  if (v == autoSize_) return;
  autoSize_ = v;
  UpdateAutoWidth();
}
void TRzCustomStatusPane::SetDefaultWidth(int v) {
  if (v == defaultWidth_) return;
  defaultWidth_ = v;
  UpdateAutoWidth();
}
void TRzCustomStatusPane::SetCaptionOffset(int v) {
  if (v == captionOffset_) return;
  captionOffset_ = v;
  UpdateAutoWidth();
  Invalidate();
}
void TRzCustomStatusPane::SetBlinking(bool v) {
  if (blink_.SetBlinking(v)) Invalidate();
}
void TRzCustomStatusPane::SetBlinkColor(TColor v) {
  blinkColor_ = v;
  if (blink_.Highlighted()) Invalidate();
}
int TRzCustomStatusPane::BlinkIntervalOn() const {
  auto* list = sb::TRzBlinkingControlsList::Instance();
  return list ? static_cast<int>(list->IntervalOn()) : static_cast<int>(sb::kDefaultBlinkInterval);
}
void TRzCustomStatusPane::SetBlinkIntervalOn(int v) {
  if (auto* list = sb::TRzBlinkingControlsList::Instance()) list->SetIntervalOn(static_cast<unsigned>(v < 1 ? 1 : v));
}
int TRzCustomStatusPane::BlinkIntervalOff() const {
  auto* list = sb::TRzBlinkingControlsList::Instance();
  return list ? static_cast<int>(list->IntervalOff()) : static_cast<int>(sb::kDefaultBlinkInterval);
}
void TRzCustomStatusPane::SetBlinkIntervalOff(int v) {
  if (auto* list = sb::TRzBlinkingControlsList::Instance()) list->SetIntervalOff(static_cast<unsigned>(v < 1 ? 1 : v));
}

void TRzCustomStatusPane::SetAutoHint(bool v) {
  if (v == autoHint_) return;
  autoHint_ = v;
  if (v) {
    Application().AddHintReceiver(this, [this](const std::wstring& hint) { HintAction(hint); });
  } else {
    Application().RemoveHintReceiver(this);
  }
}

void TRzCustomStatusPane::HintAction(const std::wstring& hint) {
  if (autoHint_) SetCaption(hint);
}

TColor TRzCustomStatusPane::CurrentTextColor() const {
  return blink_.TextColor(Enabled(), Font()->Color(), blinkColor_);
}

void TRzCustomStatusPane::WndProc(TMessage& m) {
  if (m.Msg == sb::kBlinkQueryMessage) {
    m.Result = blink_.QueryAnswer();
    return;
  }
  if (m.Msg == sb::kBlinkPhaseMessage) {
    // A blinking pane shows its new colour at once.
    if (blink_.EnterPhase(m.WParam != 0)) Repaint();
    m.Result = 0;
    return;
  }
  TGraphicControl::WndProc(m);
}

void TRzCustomStatusPane::Loaded() {
  TGraphicControl::Loaded();
  colors_.ParentColorChanged(Color());
  colors_.AfterLoad();
  UpdateAutoWidth();
}

void TRzCustomStatusPane::ColorChanged() {
  colors_.ParentColorChanged(Color());
  TGraphicControl::ColorChanged();
}

void TRzCustomStatusPane::TextChanged() { UpdateAutoWidth(); }

void TRzCustomStatusPane::FontChanged() {
  UpdateAutoWidth();
  TGraphicControl::FontChanged();
}

void TRzCustomStatusPane::UpdateAutoWidth() {
  if (!autoSize_ || HasState(csLoading)) return;
  const std::wstring caption = Caption();
  const int textWidth = caption.empty() ? 0 : sb::CaptionWidth(Font()->Handle(), caption);
  SetWidth(sb::PaneAutoWidth(caption.empty(), textWidth, borderWidth_, captionOffset_, defaultWidth_));
}

sb::TRect TRzCustomStatusPane::Interior() const {
  return sb::PaneInterior({0, 0, Width(), Height()}, frameStyle_, borderWidth_, GiveWayToGrip());
}

void TRzCustomStatusPane::Paint() {
  HDC dc = Canvas().Handle();
  TRzStatusBar* bar = StatusBar();
  sb::TPaneFrameInput in;
  in.Rect = {0, 0, Width(), Height()};
  in.LeftInParent = Left();
  in.FrameStyle = frameStyle_;
  in.BorderWidth = borderWidth_;
  in.FlatColor = flatColor_;
  in.FlatColorAdjustment = flatColorAdjustment_;
  in.Transparent = colors_.Transparent();
  in.Color = Color();
  if (bar) in.Parent = bar->PaneParent();
  in.StylesActive = sb::VisualStyles().Active();
  const sb::TPaneFramePlan plan = sb::PlanPaneFrame(in, Sys());
  const RECT whole{0, 0, Width(), Height()};
  sb::DrawPaneFramePlan(dc, whole, plan, sb::VisualStyles(), Sys());
  DrawCaption(dc);
}

void TRzCustomStatusPane::DrawCaption(HDC dc) {
  TRzStatusBar* bar = StatusBar();
  const sb::TRect interior = Interior();
  const std::wstring caption = Caption();
  HFONT font = Font()->Handle();
  const int textWidth = sb::CaptionWidth(font, caption);
  const int textHeight = sb::TextHeightPp(font);
  const bool themed = bar && bar->Themed();
  sb::TCaptionDraw draw;
  draw.Text = caption;
  draw.Font = font;
  draw.TextColor = Rgb(CurrentTextColor());
  draw.Origin = {sb::CaptionX(alignment_, interior, captionOffset_, textWidth, false),
                 sb::CaptionY(interior, textHeight)};
  draw.Interior = sb::ToRECT(interior);
  draw.Background = sb::CaptionBackground(themed, colors_.Transparent());
  draw.FillColor = Rgb(colors_.FillColor());
  draw.InteriorInBar = {Left() + interior.Left, Top() + interior.Top};
  const sb::TBarBackground background = bar ? bar->Background(Color()) : sb::TBarBackground{};
  sb::DrawPaneCaption(dc, draw, bar ? bar->BackgroundImage() : ownBackground_, background,
                      sb::VisualStyles());
}

}  // namespace varnelta
