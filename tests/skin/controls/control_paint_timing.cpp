// Timing program (run by hand under Wine, not a test): one paint of a button, a memo and the combo
// box of the main window, skinned and native (skinning switched off on the control), and typing
// 1,000 characters into Memo1 with and without its skinner. Prints the medians; the optional
// argument is the number of runs (1000).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/form1.h"
#include "runtime/application.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"

namespace {

using namespace varnelta;

double MedianMicroseconds(int runs, const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    times.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart));
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<std::size_t>(runs / 2)];
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  Application().Initialize();
  TForm1 form(nullptr);
  form.Show();
  for (int i = 0; i < 500; ++i) {
    Pump();
    TWinSkinForm* frame = TSkinManage::Current()->FindFormSkinner(form.Handle());
    if (frame && !frame->Controls().empty()) break;
    Sleep(10);
  }
  Pump();
  const struct {
    const char* name;
    HWND window;
  } controls[] = {{"button", form.Button1->Handle()}, {"memo", form.Memo1->Handle()},
                  {"combo box", form.ComboBox1->Handle()}};
  for (const auto& c : controls) {
    const auto paint = [&] {
      RedrawWindow(c.window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    const double skinned = MedianMicroseconds(runs, paint);
    SendMessageW(c.window, 0x3506, 0, 0);
    const double native = MedianMicroseconds(runs, paint);
    SendMessageW(c.window, 0x3506, 1, 0);
    std::printf("paint %-10s skinned %8.1f us   native %8.1f us\n", c.name, skinned, native);
  }
  HWND memo = form.Memo1->Handle();
  for (const bool skinned : {true, false}) {
    SendMessageW(memo, 0x3506, skinned ? 1 : 0, 0);
    SetWindowTextW(memo, L"");
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < 1000; ++i) {
      SendMessageW(memo, WM_CHAR, L'a' + (i % 26), 1);
      UpdateWindow(memo);
    }
    Pump();
    QueryPerformanceCounter(&end);
    std::printf("typing 1000 characters into Memo1 %s: %.1f ms\n", skinned ? "skinned" : "native ",
                static_cast<double>(end.QuadPart - start.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart));
  }
  SendMessageW(memo, 0x3506, 1, 0);
  // Idle with the mouse resting on a hot button: processor time over two seconds of waiting.
  RECT r{};
  GetWindowRect(form.Button1->Handle(), &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(form.Button1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  const auto cpu = [] {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto value = [](const FILETIME& f) { return (static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
    return value(kernel) + value(user);
  };
  const unsigned long long before = cpu();
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 2000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    Pump();
  }
  std::printf("idle 2 s with the mouse on a hot button: %.1f ms processor time\n",
              static_cast<double>(cpu() - before) / 1e4);
  return 0;
}
