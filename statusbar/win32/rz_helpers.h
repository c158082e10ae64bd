// Small helpers the status bar controls' sources share: the system's colours and colour
// properties of the property tables.
#pragma once

#include <windows.h>

#include "runtime/property.h"
#include "statusbar/colors.h"
#include "statusbar/win32/system_sources.h"

namespace varnelta::rz_helpers {

inline const statusbar::ISystemColors& Sys() { return statusbar::WindowsSystemColors(); }
inline COLORREF Rgb(TColor c) { return statusbar::ColorToRGB(c, Sys()); }
inline TPropInfo ColorProp(TPropInfo p) { return ColorProperty(std::move(p)); }

}  // namespace varnelta::rz_helpers
