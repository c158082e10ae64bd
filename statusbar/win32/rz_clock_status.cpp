#include "statusbar/win32/rz_clock_status.h"

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

}  // namespace varnelta
