#include "runtime/timer.h"

#include <map>

namespace varnelta {

struct TimerWindow {
  static std::map<UINT_PTR, TTimer*>& Timers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
  }
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
      auto it = Timers().find(wParam);
      if (it != Timers().end()) it->second->Tick();
      return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
  }
  static HWND Get() {
    static TWindowHandle window = [] {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof(wc);
      wc.lpfnWndProc = Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"TTimerWindow";
      RegisterClassExW(&wc);
      return TWindowHandle(CreateWindowExW(0, L"TTimerWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                           GetModuleHandleW(nullptr), nullptr));
    }();
    return window.Get();
  }
};

namespace {
UINT_PTR g_nextTimerId = 1;
}

const TClassInfo& TTimer::StaticClass() {
  static const TClassInfo info{"TTimer",
                               &TComponent::StaticClass(),
                               {BoolProperty("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true),
                                IntProperty("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000),
                                EventProperty("OnTimer", &TTimer::OnTimer)},
                               [](TComponent* owner) -> TComponent* { return new TTimer(owner); }};
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner), id_(g_nextTimerId++) {
  TimerWindow::Timers()[id_] = this;
}

TTimer::~TTimer() {
  timer_.Reset();
  TimerWindow::Timers().erase(id_);
}

void TTimer::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  UpdateTimer();
}

void TTimer::SetInterval(int v) {
  if (v == interval_) return;
  interval_ = v;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  OnTimer = std::move(handler);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  timer_.Reset();
  if (!enabled_ || interval_ <= 0 || !OnTimer || HasState(csLoading)) return;
  timer_ = TTimerHandle(TimerWindow::Get(), id_, static_cast<UINT>(interval_));
}

void TTimer::Tick() { OnTimer(this); }

}  // namespace varnelta
