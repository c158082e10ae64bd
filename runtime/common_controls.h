// Registers the common-controls wrappers (check boxes, radio buttons and groups, tab and page
// controls, track bars, progress bars, up-downs, headers, list views, date-time pickers) and the
// stand-in controls with the form reader.
#pragma once

namespace varnelta {

void RegisterCommonControls();

}  // namespace varnelta
