// Skin manager figures under Wine (a timing harness, not a test): the skin load inside the main
// window's form read, LoadSkin alone, SkinWindow with the control dispatch of the main window,
// and the window hook's cost per window creation (1,000 windows without and with it).
//   skin_timing [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/form1.h"
#include "runtime/application.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

double Time(int runs, const std::function<void()>& once) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = Now();
    once();
    times.push_back(Now() - start);
  }
  return Median(times);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

double CreateWindows(int count) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"SkinTimingWindow";
  RegisterClassW(&wc);
  const double start = Now();
  for (int i = 0; i < count; ++i) {
    // Message-only windows: the hook sees their creation, the display server is not involved.
    HWND w = CreateWindowExW(0, L"SkinTimingWindow", L"w", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, wc.hInstance,
                             nullptr);
    DestroyWindow(w);
  }
  return (Now() - start) * 1000.0 / count;  // microseconds per window
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace varnelta;
  const int runs = argc > 1 ? _wtoi(argv[1]) : 100;
  Application().Initialize();
  CreateWindows(200);  // warm-up
  const double withoutHook = CreateWindows(1000);

  std::unique_ptr<TForm1> form;
  const double read = Time(1, [&] { form = std::make_unique<TForm1>(nullptr); });
  const double withHook = CreateWindows(1000);
  const double load = Time(runs, [&] { form->SkinData1->LoadSkin(); });

  form->Show();
  Pump();
  TSkinManage* manager = TSkinManage::Current();
  HWND window = form->Handle();
  // Unskin and skin again, the start message sent instead of posted so the dispatch is timed.
  std::vector<double> skin;
  for (int i = 0; i < runs; ++i) {
    manager->SetPendingComponent(form->SkinData1);
    manager->RequestAction(saUnskinAll, 250);
    manager->RunPendingAction();
    manager->SwitchOn(true);
    const double start = Now();
    manager->SkinWindow(window);
    SendMessageW(window, 0x3503, 0, 1000);
    skin.push_back(Now() - start);
    Pump();
  }
  // The whole frame painted into the window DC, and the region built again for a new size.
  TWinSkinForm* frame = manager->FindFormSkinner(window);
  const double paint = frame ? Time(1000, [&] { frame->PaintFrame(); }) : 0;
  RECT r{};
  GetWindowRect(window, &r);
  int grow = 0;
  const double region = Time(runs, [&] {
    grow ^= 1;
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left + grow, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  });
  std::printf("PaintFrame: %.3f ms (median of 1000)\n", paint);
  std::printf("resize with the region rebuilt: %.3f ms (median of %d)\n", region, runs);
  std::printf("form read with the skin load: %.3f ms (one run)\n", read);
  std::printf("LoadSkin alone: %.3f ms (median of %d)\n", load, runs);
  std::printf("SkinWindow and the main window's control dispatch: %.3f ms (median of %d)\n", Median(skin), runs);
  std::printf("window created and destroyed: %.2f us without the hook, %.2f us with it (1000 each)\n",
              withoutHook, withHook);
  form.reset();
  DestroySkinManager();
  std::printf("again without the hook: %.2f us\n", CreateWindows(1000));
  return 0;
}
