// The look of a skinned tool bar's buttons and background: the frame of the `Buttons` picture
// each custom-draw state gets and the text colour that goes with it. The frame skinner's two
// tool bar handlers ask here and paint.
#pragma once

#include <cstdint>
#include <optional>

#include "runtime/types.h"
#include "skin/data/skin_types.h"

namespace varnelta {

class TDataSkinButton;

// Custom-draw item states of the common controls (the item state bits of a custom-draw notice).
inline constexpr std::uint32_t kDrawSelected = 0x1;
inline constexpr std::uint32_t kDrawGrayed = 0x2;
inline constexpr std::uint32_t kDrawDisabled = 0x4;
inline constexpr std::uint32_t kDrawChecked = 0x8;
inline constexpr std::uint32_t kDrawFocus = 0x10;
inline constexpr std::uint32_t kDrawDefault = 0x20;
inline constexpr std::uint32_t kDrawHot = 0x40;
inline constexpr std::uint32_t kDrawMarked = 0x80;
inline constexpr std::uint32_t kDrawIndeterminate = 0x100;

struct TToolbarButtonLook {
  int Frame = 0;                     // frame of the Buttons picture, from 1; 0 draws nothing
  std::optional<TColor> TextColour;  // the skin's second colour for that frame, when it has one
};

// Frame by state: selected 2; else focused or hot 4; else greyed or disabled nothing; else the
// default state 1 (a state with none of the item state bits above counts as the default state);
// anything else nothing. Nothing at all without a Buttons element or picture (`buttons` null or
// its Image empty), while the frame skinner is not running, or with xoToolbarButton.
TToolbarButtonLook ToolbarButtonLook(std::uint32_t state, const TDataSkinButton* buttons, bool frameRunning,
                                     TSkinOptions options);

// Whether the tool bar's background is painted from the Toolbar picture.
bool ToolbarBackgroundPainted(bool hasToolbarElement, TSkinOptions options);

}  // namespace varnelta
