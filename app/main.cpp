// Varnelta: converts download links between the special link forms of four download managers
// and ordinary addresses.
#include <windows.h>

#include <exception>
#include <string>

#include "app/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    return varnelta::RunProgram();
  } catch (const std::exception& e) {
    // Only a broken build gets here (its own form description cannot be read).
    std::string what = e.what();
    MessageBoxA(nullptr, what.c_str(), "Varnelta", MB_OK | MB_ICONERROR);
    return 1;
  }
}
