#include "runtime/bidi_mode.h"

namespace varnelta {

const TEnumType BiDiModeType{"TBiDiMode",
                             {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};

}  // namespace varnelta
