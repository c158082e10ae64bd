#include "runtime/control_lookup.h"

#include <cstdint>
#include <cstdio>

namespace varnelta {

ATOM ControlAtom() {
  static ATOM atom = [] {
    char name[40];
    std::snprintf(name, sizeof name, "ControlOfs%.8X%.8X",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr))),
                  static_cast<unsigned>(GetCurrentThreadId()));
    return GlobalAddAtomA(name);
  }();
  return atom;
}

TWinControl* FindControl(HWND window) {
  if (!window) return nullptr;
  return static_cast<TWinControl*>(GetPropW(window, MAKEINTATOM(ControlAtom())));
}

TWinControl* FindOwningControl(HWND window) {
  while (window) {
    if (TWinControl* c = FindControl(window)) return c;
    window = GetParent(window);
  }
  return nullptr;
}

}  // namespace varnelta
