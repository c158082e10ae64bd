// The status bar components as controls of the runtime: the panel with its border model, the
// status bar docked at the bottom of its form, and the windowless panes painted on it. Each
// control gathers its properties, asks the portable core what to do and hands the result to
// the GDI layer. One header for all of them, and their registration with the form reader.
#pragma once

#include "statusbar/win32/rz_clock_status.h"
#include "statusbar/win32/rz_custom_panel.h"
#include "statusbar/win32/rz_custom_status_pane.h"
#include "statusbar/win32/rz_frame_controller.h"
#include "statusbar/win32/rz_marquee_status.h"
#include "statusbar/win32/rz_polling_status.h"
#include "statusbar/win32/rz_status_bar.h"
#include "statusbar/win32/rz_status_pane.h"
#include "statusbar/win32/rz_types.h"

namespace varnelta {

// Registers the component classes with the form reader and, once per process, puts the
// runtime's timer behind the panes' shared lists and reads the visual style's colour scheme.
void RegisterStatusBarControls();

}  // namespace varnelta
