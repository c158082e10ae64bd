// The date-time picker ("SysDateTimePick32", subclassed at creation): a date with a drop-down
// calendar, or a time or date with up-down arrows.
#pragma once

#include "runtime/win_control.h"

namespace varnelta {

enum TDTDateMode : int { dmComboBox, dmUpDown };
extern const TEnumType DTDateModeType;
enum TDateTimeKind : int { dtkDate, dtkTime };
extern const TEnumType DateTimeKindType;

class TDateTimePicker : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TDateTimePicker(TComponent* owner);
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode v);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind v);
  // The calendar's drop-down is open.
  bool DroppedDown() const;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void Recreate();
  TDTDateMode dateMode_ = dmComboBox;
  TDateTimeKind kind_ = dtkDate;
};

void RegisterDatePicker();

}  // namespace varnelta
