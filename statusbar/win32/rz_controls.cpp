#include "statusbar/win32/rz_controls.h"

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

namespace varnelta {

namespace sb = statusbar;

const TEnumType FrameStyleType{"TFrameStyle",
                               {"fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered",
                                "fsButtonDown", "fsRaised", "fsButtonUp", "fsStatus", "fsPopup",
                                "fsFlatBold", "fsFlatRounded"}};
const TEnumType SidesType{"TSides", {"sdLeft", "sdTop", "sdRight", "sdBottom"}};
const TEnumType VisualStyleType{"TRzVisualStyle", {"vsClassic", "vsWinXP", "vsGradient"}};
const TEnumType GradientColorStyleType{"TRzGradientColorStyle",
                                       {"gcsSystem", "gcsMSOffice", "gcsCustom"}};
const TEnumType GradientDirectionType{
    "TGradientDirection",
    {"gdDiagonalUp", "gdDiagonalDown", "gdHorizontalEnd", "gdHorizontalCenter", "gdHorizontalBox",
     "gdVerticalEnd", "gdVerticalCenter", "gdVerticalBox", "gdSquareBox", "gdBigSquareBox"}};
const TEnumType PaneAlignmentType{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const TEnumType ScrollTypeType{"TRzScrollType", {"stNone", "stRightToLeft", "stLeftToRight"}};
const TEnumType FrameControllerNotificationType{
    "TFrameControllerNotification", {"fcpColor", "fcpFrameColor", "fcpFrameStyle", "fcpParentColor"}};

namespace {

const sb::ISystemColors& Sys() { return sb::WindowsSystemColors(); }
COLORREF Rgb(TColor c) { return sb::ColorToRGB(c, Sys()); }

// The shared lists' timers as runtime timers.
class TRuntimeStatusTimer final : public sb::IStatusTimer {
 public:
  explicit TRuntimeStatusTimer(std::function<void()> onTick) : timer_(nullptr) {
    timer_.SetOnTimer({"", [tick = std::move(onTick)](TComponent*) { tick(); }});
  }
  void SetInterval(unsigned milliseconds) override { timer_.SetInterval(static_cast<int>(milliseconds)); }
  void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }

 private:
  TTimer timer_;
};

TPropInfo ColorProp(TPropInfo p) { return ColorProperty(std::move(p)); }

}  // namespace

void RegisterStatusBarControls() {
  static const bool once = [] {
    sb::SetStatusTimerFactory([](std::function<void()> onTick) -> std::unique_ptr<sb::IStatusTimer> {
      return std::make_unique<TRuntimeStatusTimer>(std::move(onTick));
    });
    sb::HandleThemeChanged();
    return true;
  }();
  (void)once;
  RegisterComponentClass(TRzStatusBar::StaticClass());
  RegisterComponentClass(TRzStatusPane::StaticClass());
  RegisterComponentClass(TRzPollingStatus::StaticClass());
  RegisterComponentClass(TRzClockStatus::StaticClass());
  RegisterComponentClass(TRzMarqueeStatus::StaticClass());
  RegisterComponentClass(TRzFrameController::StaticClass());
}

// ---------------------------------------------------------------------------------------------
// TRzCustomPanel

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

// ---------------------------------------------------------------------------------------------
// TRzStatusBar

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

// ---------------------------------------------------------------------------------------------
// TRzFrameController

const TClassInfo& TRzFrameController::StaticClass() {
  using C = TRzFrameController;
  static const TClassInfo info{
      "TRzFrameController",
      &TComponent::StaticClass(),
      {ColorProp(IntProperty("Color", &C::Color, &C::SetColor, clWindow)),
       ColorProp(IntProperty("FrameColor", &C::FrameColor, &C::SetFrameColor, clBtnShadow)),
       EnumProperty("FrameStyle", FrameStyleType, &C::FrameStyle, &C::SetFrameStyle, sb::fsFlat),
       BoolProperty("FrameVisible", &C::FrameVisible, &C::SetFrameVisible, true),
       BoolProperty("ParentColor", &C::ParentColor, &C::SetParentColor, false)},
      [](TComponent* owner) -> TComponent* { return new TRzFrameController(owner); }};
  return info;
}

TRzFrameController::TRzFrameController(TComponent* owner) : TComponent(owner) {}

TRzFrameController::~TRzFrameController() {
  for (TRzCustomStatusPane* pane : panes_) pane->FrameControllerGone();
}

void TRzFrameController::SetFrameStyle(sb::TFrameStyle v) {
  frameStyle_ = v;
  Changed();
}
void TRzFrameController::SetFrameColor(TColor v) {
  frameColor_ = v;
  Changed();
}
void TRzFrameController::SetFrameVisible(bool v) {
  frameVisible_ = v;
  Changed();
}
void TRzFrameController::SetColor(TColor v) {
  color_ = v;
  Changed();
}
void TRzFrameController::SetParentColor(bool v) {
  parentColor_ = v;
  Changed();
}

void TRzFrameController::AddPane(TRzCustomStatusPane* pane) {
  if (std::find(panes_.begin(), panes_.end(), pane) == panes_.end()) panes_.push_back(pane);
}
void TRzFrameController::RemovePane(TRzCustomStatusPane* pane) {
  panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end());
}

void TRzFrameController::Changed() {
  for (TRzCustomStatusPane* pane : panes_) pane->ApplyFrameController();
}

// ---------------------------------------------------------------------------------------------
// TRzCustomStatusPane

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

// ---------------------------------------------------------------------------------------------
// TRzStatusPane

const TClassInfo& TRzStatusPane::StaticClass() {
  using C = TRzStatusPane;
  static const TClassInfo info{
      "TRzStatusPane",
      &TRzCustomStatusPane::StaticClass(),
      {EnumProperty("Alignment", PaneAlignmentType, &C::Alignment, &C::SetAlignment, sb::taLeftJustify),
       BoolProperty("AutoHint", &C::AutoHint, &C::SetAutoHint, false),
       BoolProperty("AutoSize", &C::AutoSize, &C::SetAutoSize, false),
       BoolProperty("Blinking", &C::Blinking, &C::SetBlinking, false),
       ColorProp(IntProperty("BlinkColor", &C::BlinkColor, &C::SetBlinkColor, clHighlight)),
       IntProperty("BlinkIntervalOff", &C::BlinkIntervalOff, &C::SetBlinkIntervalOff, 500),
       IntProperty("BlinkIntervalOn", &C::BlinkIntervalOn, &C::SetBlinkIntervalOn, 500),
       StrProperty("Caption", &C::Caption, &C::SetCaption),
       IntProperty("CaptionOffset", &C::CaptionOffset, &C::SetCaptionOffset, 2),
       IntProperty("DefaultWidth", &C::DefaultWidth, &C::SetDefaultWidth, 40)},
      [](TComponent* owner) -> TComponent* { return new TRzStatusPane(owner); }};
  return info;
}

TRzStatusPane::TRzStatusPane(TComponent* owner) : TRzCustomStatusPane(owner) {}

// ---------------------------------------------------------------------------------------------
// TRzPollingStatus

const TClassInfo& TRzPollingStatus::StaticClass() {
  using C = TRzPollingStatus;
  static const TClassInfo info{
      "TRzPollingStatus",
      &TRzCustomStatusPane::StaticClass(),
      {BoolProperty("Active", &C::Active, &C::SetActive, true),
       IntProperty("Interval", &C::Interval, &C::SetInterval, 500),
       EventProperty("OnTimerExpired", &C::OnTimerExpired)},
      [](TComponent* owner) -> TComponent* { return new TRzPollingStatus(owner); }};
  return info;
}

TRzPollingStatus::TRzPollingStatus(TComponent* owner) : TRzCustomStatusPane(owner) {
  sb::TRzPollingList::Register(&pollingMember_);
}

TRzPollingStatus::~TRzPollingStatus() { sb::TRzPollingList::Unregister(&pollingMember_); }

bool TRzPollingStatus::Active() const {
  auto* list = sb::TRzPollingList::Instance();
  return list ? list->Active() : true;
}
void TRzPollingStatus::SetActive(bool v) {
  if (auto* list = sb::TRzPollingList::Instance()) list->SetActive(v);
}
int TRzPollingStatus::Interval() const {
  auto* list = sb::TRzPollingList::Instance();
  return list ? static_cast<int>(list->Interval()) : static_cast<int>(sb::kDefaultPollingInterval);
}
void TRzPollingStatus::SetInterval(int v) {
  if (auto* list = sb::TRzPollingList::Instance()) list->SetInterval(static_cast<unsigned>(v < 1 ? 1 : v));
}

void TRzPollingStatus::TimerExpired() { OnTimerExpired(this); }

// ---------------------------------------------------------------------------------------------
// TRzClockStatus

const TClassInfo& TRzClockStatus::StaticClass() {
  using C = TRzClockStatus;
  static const TClassInfo info{"TRzClockStatus",
                               &TRzPollingStatus::StaticClass(),
                               {StrProperty("Format", &C::Format, &C::SetFormat)},
                               [](TComponent* owner) -> TComponent* { return new TRzClockStatus(owner); }};
  return info;
}

TRzClockStatus::TRzClockStatus(TComponent* owner) : TRzPollingStatus(owner) {
  SetWidth(sb::kClockPaneDefaultWidth);
}

void TRzClockStatus::SetFormat(const std::wstring& v) {
  format_ = v;
  if (!HasState(csLoading)) RefreshText();
}

void TRzClockStatus::RefreshText() {
  sb::TDateTimeParts now = sb::LocalNow();
  if (OnGetDateTime) {
    sb::TDateTime value = sb::ToDateTime(now);
    OnGetDateTime(this, value);
    now = sb::FromDateTime(value);
  }
  std::wstring text = sb::FormatDateTime(format_, now, sb::ReadLocaleFormats());
  if (text_.Refresh(text)) SetCaption(text_.Text());
}

void TRzClockStatus::TimerExpired() {
  RefreshText();
  TRzPollingStatus::TimerExpired();
}

void TRzClockStatus::Loaded() {
  TRzPollingStatus::Loaded();
  RefreshText();
}

bool TRzClockStatus::GiveWayToGrip() const {
  TRzStatusBar* bar = StatusBar();
  return bar && bar->ShowSizeGrip() && sb::PaneAtBarRightEnd(Left() + Width(), bar->PaneClientRight());
}

// ---------------------------------------------------------------------------------------------
// TRzMarqueeStatus

const TClassInfo& TRzMarqueeStatus::StaticClass() {
  using C = TRzMarqueeStatus;
  static const TClassInfo info{
      "TRzMarqueeStatus",
      &TRzStatusPane::StaticClass(),
      {EnumProperty("ScrollType", ScrollTypeType, &C::ScrollType, &C::SetScrollType, sb::stRightToLeft),
       BoolProperty("Scrolling", &C::Scrolling, &C::SetScrolling, true),
       IntProperty("ScrollSize", &C::ScrollSize, &C::SetScrollSize, 1),
       IntProperty("ScrollDelay", &C::ScrollDelay, &C::SetScrollDelay, sb::kDefaultScrollDelay)},
      [](TComponent* owner) -> TComponent* { return new TRzMarqueeStatus(owner); }};
  return info;
}

TRzMarqueeStatus::TRzMarqueeStatus(TComponent* owner)
    : TRzStatusPane(owner), timer_(std::make_unique<TTimer>(nullptr)) {
  timer_->SetInterval(state_.ScrollDelay());
  timer_->SetOnTimer({"", [this](TComponent*) { ScrollTick(); }});
  UpdateTimer();
  UpdatePassLength();
}

TRzMarqueeStatus::~TRzMarqueeStatus() = default;

void TRzMarqueeStatus::UpdateTimer() {
  timer_->SetInterval(state_.ScrollDelay());
  timer_->SetEnabled(state_.TimerEnabled());
}

void TRzMarqueeStatus::SetScrollType(sb::TRzScrollType v) {
  state_.SetScrollType(v);
  UpdateTimer();
  Invalidate();
}

void TRzMarqueeStatus::SetScrolling(bool v) {
  if (v == state_.Scrolling()) return;
  state_.SetScrolling(v);
  UpdateTimer();
  if (!v) Invalidate();
}

void TRzMarqueeStatus::SetScrollDelay(int v) {
  state_.SetScrollDelay(v);
  UpdateTimer();
}

void TRzMarqueeStatus::UpdatePassLength() {
  const std::wstring caption = Caption();
  const int captionWidth = caption.empty() ? 0 : sb::CaptionWidth(Font()->Handle(), caption);
  state_.SetPassLength(captionWidth, Width());
}

void TRzMarqueeStatus::SetBounds(int left, int top, int width, int height) {
  const bool changed = left != Left() || top != Top() || width != Width() || height != Height();
  TRzStatusPane::SetBounds(left, top, width, height);
  if (changed) UpdatePassLength();
}

void TRzMarqueeStatus::TextChanged() {
  TRzStatusPane::TextChanged();
  UpdatePassLength();
}

void TRzMarqueeStatus::FontChanged() {
  TRzStatusPane::FontChanged();
  UpdatePassLength();
}

void TRzMarqueeStatus::ScrollTick() {
  const std::optional<int> step = state_.Tick(Showing());
  if (!step || !Parent() || !Parent()->HandleAllocated()) return;
  // Only the interior changes: it is drawn straight onto the bar's window, with no
  // invalidation of the pane and so no repaint of its frame.
  TWindowDC dc(Parent()->HandleIfAllocated());
  if (!dc.Get()) return;
  TSavedDC saved(dc.Get());
  SetViewportOrgEx(dc.Get(), Left(), Top(), nullptr);
  IntersectClipRect(dc.Get(), 0, 0, Width(), Height());
  DrawFrame(dc.Get(), *step);
}

void TRzMarqueeStatus::DrawCaption(HDC dc) {
  if (state_.ScrollType() == sb::stNone) {
    TRzStatusPane::DrawCaption(dc);
    return;
  }
  DrawFrame(dc, state_.Step());
}

void TRzMarqueeStatus::DrawFrame(HDC dc, int step) {
  TRzStatusBar* bar = StatusBar();
  const sb::TRect interior = Interior();
  const std::wstring caption = Caption();
  HFONT font = Font()->Handle();
  const int captionWidth = caption.empty() ? 0 : sb::CaptionWidth(font, caption);
  const int textHeight = sb::TextHeightPp(font);
  const sb::TPoint text = sb::MarqueeTextOrigin(state_.ScrollType(), step, Width(), captionWidth,
                                                interior, textHeight, BorderWidth());
  const sb::TPoint image = sb::MarqueeImageOrigin(BorderWidth());
  sb::TMarqueeSurface::Frame frame;
  frame.Text = caption;
  frame.Font = font;
  frame.TextColor = Rgb(CurrentTextColor());
  frame.ImageSize = {interior.Width(), interior.Height()};
  frame.TextOrigin = {text.X, text.Y};
  frame.ImageOrigin = {image.X, image.Y};
  frame.FromBar = bar && (bar->Themed() || colors_.Transparent());
  frame.ImageInBar = {Left() + image.X, Top() + image.Y};
  frame.FillColor = Rgb(colors_.FillColor());
  const sb::TBarBackground background = bar ? bar->Background(Color()) : sb::TBarBackground{};
  surface_.Draw(dc, frame, bar ? bar->BackgroundImage() : ownBackground_, background,
                sb::VisualStyles());
}

}  // namespace varnelta
