// Start-up timing: starts a program ten times and measures the time from process creation to
// its main window being visible; prints each run and the median. A timing harness, not a test.
//   startup_timing PROGRAM.exe WINDOW-CLASS [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: startup_timing PROGRAM.exe WINDOW-CLASS [RUNS]\n");
    return 2;
  }
  std::wstring program = argv[1];
  const wchar_t* windowClass = argv[2];
  int runs = argc > 3 ? _wtoi(argv[3]) : 10;
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      std::fwprintf(stderr, L"cannot start %ls\n", program.c_str());
      return 1;
    }
    HWND window = nullptr;
    for (;;) {
      window = FindWindowW(windowClass, nullptr);
      if (window && IsWindowVisible(window)) break;
      if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    QueryPerformanceCounter(&now);
    double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    times.push_back(ms);
    std::wprintf(L"run %d: %.1f ms\n", i + 1, ms);
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(pi.hProcess, 20000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  std::sort(times.begin(), times.end());
  double median = times.size() % 2 ? times[times.size() / 2]
                                   : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
  std::wprintf(L"median of %d starts: %.1f ms (min %.1f, max %.1f)\n", runs, median, times.front(), times.back());
  return 0;
}
