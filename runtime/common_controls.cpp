#include "runtime/common_controls.h"

#include "runtime/check_controls.h"
#include "runtime/date_picker.h"
#include "runtime/list_controls.h"
#include "runtime/range_controls.h"
#include "runtime/stand_in_controls.h"
#include "runtime/tab_controls.h"

namespace varnelta {

void RegisterCommonControls() {
  RegisterCheckControls();
  RegisterTabControls();
  RegisterRangeControls();
  RegisterListControls();
  RegisterDatePicker();
  RegisterStandInControls();
}

}  // namespace varnelta
