#include "statusbar/win32/rz_polling_status.h"

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

}  // namespace varnelta
