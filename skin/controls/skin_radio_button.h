// TSkinRadioButton: radio buttons drawn like check boxes from the skin's radio button picture;
// with the text on the left the circle ends one pixel inside the right edge.
#pragma once

#include "skin/controls/skin_check_box.h"

namespace varnelta {

class TSkinRadioButton : public TSkinCheckBox {
  VARNELTA_CLASS()

 protected:
  const TBitmap* Picture(int& cellCount) const override;
  int ChooseCell(int cellCount) const override;
  int RightInset() const override { return 1; }
};

}  // namespace varnelta
