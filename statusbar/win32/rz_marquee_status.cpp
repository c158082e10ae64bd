#include "statusbar/win32/rz_marquee_status.h"

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
