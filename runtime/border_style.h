// The border of a text control (edit, memo): none, or the sunken client edge.
#pragma once

#include "runtime/property.h"

namespace varnelta {

// Stored as "bsNone" and "bsSingle" in form descriptions.
enum class TBorderStyle : int { None, Single };
extern const TEnumType BorderStyleType;

}  // namespace varnelta
