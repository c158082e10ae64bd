// The control object behind a window: every window of the runtime carries its control in the
// window property named by the atom "ControlOfs%.8X%.8X" (instance handle, thread id).
#pragma once

#include <windows.h>

namespace varnelta {

class TWinControl;

// The atom of the window property that holds a window's control object.
ATOM ControlAtom();
// The control object of a runtime window, or none.
TWinControl* FindControl(HWND window);
// The control of the window or of its nearest parent window that has one.
TWinControl* FindOwningControl(HWND window);

}  // namespace varnelta
