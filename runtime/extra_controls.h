// The controls beyond the standard ones: panels, group boxes, the common status bar, bit,
// speed and menu buttons, scroll-bar controls.
#pragma once

namespace varnelta {

// Registers each of them with the form reader.
void RegisterExtraControls();

}  // namespace varnelta
