// Registers the skinners of check boxes, radio buttons, tabs, track bars, progress bars,
// up-downs, headers, date pickers, media players, size boxes and glyph-strip controls.
#pragma once

namespace varnelta {

void RegisterOtherSkinners();

}  // namespace varnelta
