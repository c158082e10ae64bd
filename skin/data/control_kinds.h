// The control kinds of the runtime's own control classes, found from the names of a class and
// its ancestors: a descendant belongs to every kind of the classes it derives from. The status
// bar of the main window (a panel holding status panes) is a panel, not a common-controls
// status bar. A runtime control class that a rule serves adds its row to the table here.
#pragma once

#include "runtime/persistent.h"
#include "skin/data/control_dispatch.h"

namespace varnelta {

TControlKinds ControlKindsOfClass(const TClassInfo& type);

}  // namespace varnelta
