// TSkinTabSheet: the pages of a page control take the skin's face colour; the page still paints
// its windowless children over it.
#pragma once

#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinTabSheet : public TSkinControl {
  VARNELTA_CLASS()
 public:
  bool BeforeMessage(TMessage& message) override;
};

}  // namespace varnelta
