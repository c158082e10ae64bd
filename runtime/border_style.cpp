#include "runtime/border_style.h"

namespace varnelta {

const TEnumType BorderStyleType{"TBorderStyle", {"bsNone", "bsSingle"}};

}  // namespace varnelta
