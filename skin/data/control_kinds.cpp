#include "skin/data/control_kinds.h"

#include <string_view>

namespace varnelta {
namespace {

struct TClassKinds {
  std::string_view ClassName;
  TControlKinds Kinds;
};

constexpr TClassKinds kClassKinds[] = {
    {"TWinControl", KindBit(ckWindowed)},     {"TButton", KindBit(ckPushButton)},
    {"TCustomEdit", KindBit(ckEdit)},         {"TCustomMemo", KindBit(ckMemo)},
    {"TCustomComboBox", KindBit(ckComboBox)}, {"TCustomPanel", KindBit(ckPanel)},
    {"TCustomForm", KindBit(ckEmbeddedForm)},  // dispatched as a control only inside a parent
    // The common-controls wrappers.
    {"TCustomCheckBox", KindBit(ckCheckBox)}, {"TRadioButton", KindBit(ckRadioButton)},
    {"TCustomRadioGroup", KindBit(ckRadioGroup)}, {"TTabControl", KindBit(ckTabControl)},
    {"TPageControl", KindBit(ckPageControl)}, {"TTabSheet", KindBit(ckTabSheet)},
    {"TTrackBar", KindBit(ckTrackBar)}, {"TProgressBar", KindBit(ckProgressBar)},
    {"THeaderControl", KindBit(ckHeader)}, {"TListView", KindBit(ckListView)},
    {"TDateTimePicker", KindBit(ckDateTimePicker)},
};

}  // namespace

TControlKinds ControlKindsOfClass(const TClassInfo& type) {
  TControlKinds kinds = 0;
  for (const TClassInfo* c = &type; c != nullptr; c = c->Parent) {
    for (const TClassKinds& row : kClassKinds) {
      if (c->Name == row.ClassName) kinds |= row.Kinds;
    }
  }
  return kinds;
}

}  // namespace varnelta
