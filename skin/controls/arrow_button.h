// TArrowButton: the arrow window a skinned date picker shows over its own drop-down button: the
// skin's ComboArrow cell 1, or 4 while the mouse is over it. A press is handed to the picker at
// the same place, so the picker opens its calendar as if its own button had been pressed.
#pragma once

#include "runtime/custom_control.h"
#include "skin/data/skin_data.h"

namespace varnelta {

class TArrowButton : public TCustomControl {
  VARNELTA_CLASS()
 public:
  TArrowButton(TComponent* owner, TWinControl* picker, TSkinData* skin);
  void WndProc(TMessage& message) override;

  int FArrowSize = 0;
  TSkinData* FOwnerSkin = nullptr;
  TWinControl* FPicker = nullptr;
  HWND FPickerHandle = nullptr;
  bool FHot = false;

  // The cell drawn at the last paint (for tests).
  int LastCell() const { return lastCell_; }

 protected:
  void Paint() override;

 private:
  void SetHot(bool hot);
  int lastCell_ = 0;
};

}  // namespace varnelta
