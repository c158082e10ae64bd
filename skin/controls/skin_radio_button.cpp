#include "skin/controls/skin_radio_button.h"

#include "skin/controls/choice_cells.h"
#include "skin/controls/property_access.h"

namespace varnelta {

const TClassInfo& TSkinRadioButton::StaticClass() {
  static const TClassInfo info{"TSkinRadioButton", &TSkinCheckBox::StaticClass(), {}, {}};
  return info;
}

const TBitmap* TSkinRadioButton::Picture(int& cellCount) const {
  const TSkinElements* skin = Skin();
  if (!skin || !skin->Buttons || skin->Buttons->RadioImage.Empty()) return nullptr;
  cellCount = UsableCellCount(skin->Buttons->RadioFrameCount);
  return &skin->Buttons->RadioImage;
}

int TSkinRadioButton::ChooseCell(int cellCount) const {
  TRadioFacts facts;
  facts.Checked = (SendMessageW(FHandle, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0;
  facts.Disabled = (GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED) != 0;
  facts.HasControl = FControl != nullptr;
  if (FControl && FindPropInfo(FControl, "Checked")) facts.CheckedProperty = GetEnumPropertyText(FControl, "Checked");
  return RadioButtonCell(facts, cellCount);
}

}  // namespace varnelta
