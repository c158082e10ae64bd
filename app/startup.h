// Program start: one copy at a time. A second copy finds the first by its main window's class
// name "Varnelta", tells the user, asks it to come to the front and ends; otherwise the
// application runs with the main window until it is closed.
#pragma once

namespace varnelta {

inline constexpr const wchar_t* kMainWindowClass = L"Varnelta";

// Runs the program; returns the exit code (0 on both paths).
int RunProgram();

}  // namespace varnelta
