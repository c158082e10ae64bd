// Reading order of a control's or a menu's text: right-to-left modes right-align captions and
// set the window's right-to-left reading styles.
#pragma once

#include "runtime/property.h"

namespace varnelta {

enum TBiDiMode : int { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
extern const TEnumType BiDiModeType;

}  // namespace varnelta
