// Idle cost of the main window with its status bar (run by hand under Wine, see the README):
// the process's CPU time per minute while the marquee scrolls and the clock ticks with their
// real timers, and the runtime's live handle counts before and after, then again after ten
// minutes of simulated ticks (6000 marquee steps, 1200 polling and blinking ticks).
//   statusbar_idle_cost.exe [seconds of real running, default 60] [still]
// With "still" the marquee does not scroll, for comparison.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/handle_count.h"
#include "statusbar/win32/gdi_objects.h"
#include "statusbar/win32/rz_controls.h"

namespace {

double CpuMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ticks = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

void PrintHandles(const char* when) {
  std::printf("%-34s", when);
  for (std::size_t i = 0; i < static_cast<std::size_t>(varnelta::THandleKind::Count); ++i) {
    std::printf(" %s=%ld", varnelta::kHandleKindNames[i],
                varnelta::HandleCounter::Live(static_cast<varnelta::THandleKind>(i)));
  }
  std::printf(" (status bar GDI objects and DCs: %d)\n", varnelta::statusbar::LiveGdiObjects());
}

// Runs the message loop for `milliseconds` of wall-clock time.
void Pump(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  UINT_PTR stop = SetTimer(nullptr, 0, milliseconds, nullptr);
  MSG msg;
  while (static_cast<LONG>(end - GetTickCount()) > 0 && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == stop) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  KillTimer(nullptr, stop);
}

// Handles what is already queued (paints, no waiting).
void PumpPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace varnelta;
  const int seconds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 60;
  Application().Initialize();
  auto form = std::make_unique<TForm1>(nullptr);
  form->Show();
  auto* marquee = dynamic_cast<TRzMarqueeStatus*>(form->FindComponent("RzMarqueeStatus1"));
  auto* clock = dynamic_cast<TRzClockStatus*>(form->FindComponent("RzClockStatus1"));
  if (!marquee || !clock) return 1;
  if (argc > 2 && std::wstring_view(argv[2]) == L"still") marquee->SetScrolling(false);
  long steps = 0;
  TNotifyEvent step = marquee->ScrollTimer().OnTimer;
  marquee->ScrollTimer().SetOnTimer({"", [&](TComponent* sender) {
                                       ++steps;
                                       step(sender);
                                     }});
  long polls = 0;
  clock->OnTimerExpired = {"", [&](TComponent*) { ++polls; }};

  Pump(2000);  // settle: first paints, images made
  PrintHandles("after start:");
  steps = 0;
  polls = 0;
  const double cpuStart = CpuMilliseconds();
  const DWORD wallStart = GetTickCount();
  Pump(static_cast<DWORD>(seconds) * 1000);
  const double cpu = CpuMilliseconds() - cpuStart;
  const double wall = static_cast<double>(GetTickCount() - wallStart);
  std::printf("real run: %.1f s, %ld marquee steps, %ld clock polls, CPU %.0f ms = %.0f ms per minute\n",
              wall / 1000.0, steps, polls, cpu, cpu * 60000.0 / wall);
  PrintHandles("after the real run:");

  for (int i = 0; i < 6000; ++i) {
    marquee->ScrollTick();
    if (i % 5 == 0) {
      statusbar::TRzPollingList::Tick();
      statusbar::TRzBlinkingControlsList::Tick();
      PumpPending();
    }
  }
  PrintHandles("after 10 minutes of simulated ticks:");
  form.reset();
  return 0;
}
