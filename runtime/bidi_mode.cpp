#include "runtime/bidi_mode.h"

namespace varnelta {

const TEnumType BiDiModeType{"TBiDiMode",
                             {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};

std::uint32_t BiDiStyleBits(TBiDiMode mode, bool scrolling) {
  constexpr std::uint32_t kRight = 0x1000, kRtlReading = 0x2000, kLeftScrollBar = 0x4000;
  const std::uint32_t bar = scrolling ? kLeftScrollBar : 0;
  switch (mode) {
    case bdRightToLeft: return kRight | kRtlReading | bar;
    case bdRightToLeftNoAlign: return kRtlReading | bar;
    case bdRightToLeftReadingOnly: return kRtlReading;
    default: return 0;
  }
}

}  // namespace varnelta
