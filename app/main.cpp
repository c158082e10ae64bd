// Varnelta: converts download links between the special link forms of four download managers
// and ordinary addresses.
#include <windows.h>

#include "app/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return varnelta::RunProgram(); }
