// TRzPollingStatus: a pane refreshed from the shared polling list's timer.
#pragma once

#include "statusbar/win32/rz_custom_status_pane.h"

namespace varnelta {

class TRzPollingStatus : public TRzCustomStatusPane {
  VARNELTA_CLASS()
 public:
  explicit TRzPollingStatus(TComponent* owner);
  ~TRzPollingStatus() override;

  // The shared polling timer's settings, the same for every polling pane.
  bool Active() const;
  void SetActive(bool v);
  int Interval() const;
  void SetInterval(int v);
  TNotifyEvent OnTimerExpired;

  // The timer-expired step the polling list calls for a visible pane.
  virtual void TimerExpired();

 private:
  struct PollingMember final : statusbar::IPollingMember {
    TRzPollingStatus* pane;
    explicit PollingMember(TRzPollingStatus* p) : pane(p) {}
    bool PollingVisible() const override { return pane->Showing(); }
    void TimerExpired() override { pane->TimerExpired(); }
  };
  PollingMember pollingMember_{this};
};

}  // namespace varnelta
