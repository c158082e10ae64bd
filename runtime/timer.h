// A message-based timer of the user-interface thread: every Interval ms while Enabled (and an
// OnTimer handler is assigned) OnTimer runs. All timers share one hidden message window.
#pragma once

#include "runtime/component.h"
#include "runtime/win_handles.h"

namespace varnelta {

class TTimer : public TComponent {
  VARNELTA_CLASS()
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  int Interval() const { return interval_; }
  void SetInterval(int v);
  // Assigning the handler through this starts the timer when it is enabled.
  void SetOnTimer(TNotifyEvent handler);
  TNotifyEvent OnTimer;

  void Loaded() override;
  bool Running() const { return static_cast<bool>(timer_); }

 private:
  friend struct TimerWindow;
  void UpdateTimer();
  void Tick();
  bool enabled_ = true;
  int interval_ = 1000;
  UINT_PTR id_ = 0;
  TTimerHandle timer_;
};

}  // namespace varnelta
