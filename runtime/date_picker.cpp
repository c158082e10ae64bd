#include "runtime/date_picker.h"

#include <commctrl.h>

#include "runtime/class_registry.h"

namespace varnelta {

const TEnumType DTDateModeType{"TDTDateMode", {"dmComboBox", "dmUpDown"}};
const TEnumType DateTimeKindType{"TDateTimeKind", {"dtkDate", "dtkTime"}};

const TClassInfo& TDateTimePicker::StaticClass() {
  static const TClassInfo info{
      "TDateTimePicker",
      &TWinControl::StaticClass(),
      {EnumProperty("DateMode", DTDateModeType, &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode,
                    dmComboBox),
       EnumProperty("Kind", DateTimeKindType, &TDateTimePicker::Kind, &TDateTimePicker::SetKind, dtkDate)},
      [](TComponent* owner) -> TComponent* { return new TDateTimePicker(owner); }};
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  // The picker's window classes are not among those every program registers.
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)registered;
  tabStop_ = true;
  color_ = clWindow;
  SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.StdClassName = DATETIMEPICK_CLASSW;
  if (dateMode_ == dmUpDown) p.Style |= DTS_UPDOWN;
  if (kind_ == dtkTime) p.Style |= DTS_TIMEFORMAT;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

bool TDateTimePicker::DroppedDown() const {
  return handle_ && SendMessageW(handle_, DTM_GETMONTHCAL, 0, 0) != 0;
}

void TDateTimePicker::Recreate() {
  if (!handle_) return;
  DestroyHandle();
  HandleNeeded();
}

void TDateTimePicker::SetDateMode(TDTDateMode v) {
  if (v == dateMode_) return;
  dateMode_ = v;
  Recreate();
}

void TDateTimePicker::SetKind(TDateTimeKind v) {
  if (v == kind_) return;
  kind_ = v;
  Recreate();
}

void RegisterDatePicker() { RegisterComponentClass(TDateTimePicker::StaticClass()); }

}  // namespace varnelta
