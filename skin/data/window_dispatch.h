// The plain window dispatch as a pure decision: which control skinner a window without a
// runtime control object (a button of a system message box, a dialog's edit) gets, by its
// window class name and style. The frame skinner's side reads the class name and style, calls
// DecideWindow and applies the decision (AttachHandle on the window, or on the extended combo
// box's topmost child; DispatchChildWindows first where asked).
#pragma once

#include <cstdint>
#include <string>

#include "skin/data/skin_types.h"

namespace varnelta {

// The class name is read into a buffer of this many characters, terminator included.
inline constexpr std::size_t kWindowClassBuffer = 100;

struct TWindowFacts {
  std::wstring ClassName{};  // as the system gives it; only the first 99 characters count
  std::uint32_t Style = 0;
  bool HasRuntimeControl = false;  // the window belongs to a runtime control (control property)
};

struct TWindowDecision {
  std::string Skinner;                   // empty: none
  bool AttachToTopmostChild = false;     // the skinner goes on the topmost child (none without one)
  bool ChildWindowsFirst = false;        // DispatchChildWindows on the window before anything else
  bool ControlColourButtonFace = false;  // the runtime control's colour becomes Colours[ButtonFace]
  // What decided: "button:plain", "button:checkbox", "button:radiobutton", "button:push",
  // the lower-cased class of the table row ("combobox", "edit", ...), or "no row".
  std::string Rule;
};

TWindowDecision DecideWindow(const TWindowFacts& facts, TSkinControlTypes skinControls);

}  // namespace varnelta
