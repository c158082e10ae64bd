// Reading order of a control's or a menu's text: right-to-left modes right-align captions and
// set the window's right-to-left reading styles.
#pragma once

#include <cstdint>

#include "runtime/property.h"

namespace varnelta {

enum TBiDiMode : int { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
extern const TEnumType BiDiModeType;

// The extended window-style bits of a control's reading order: right-to-left reading
// (WS_EX_RTLREADING) in every right-to-left mode, right alignment (WS_EX_RIGHT) in
// bdRightToLeft, and for a control with scroll bars (edits, memos, combo boxes) the vertical
// bar on the left (WS_EX_LEFTSCROLLBAR) in bdRightToLeft and bdRightToLeftNoAlign.
std::uint32_t BiDiStyleBits(TBiDiMode mode, bool scrolling);
// Every bit BiDiStyleBits can give, for clearing the bits of an earlier mode.
constexpr std::uint32_t kBiDiStyleMask = 0x1000 | 0x2000 | 0x4000;

}  // namespace varnelta
