// The gallery keeps its texts readable under any skin: the engine fills control backgrounds
// with the skin's face colour but draws labels, check box and group box captions in the
// control's own font colour (the system's window text, black), which a dark face would hide.
// So after every skin change each control's text takes the colour that reads on its actual
// background: the system's window text on light backgrounds, the skin's light text on dark ones.
#pragma once

#include <cstdint>

#include "runtime/types.h"

namespace varnelta::gallery {

// Relative luminance (0 black to 1 white) of a 0x00BBGGRR colour.
double Luminance(std::uint32_t rgb);

// The text colour for a background of that (resolved, 0x00BBGGRR) colour: `lightText` when the
// background is dark and `lightText` reads on it better, else clWindowText.
TColor ReadableTextColour(std::uint32_t background, std::uint32_t lightText);

}  // namespace varnelta::gallery
