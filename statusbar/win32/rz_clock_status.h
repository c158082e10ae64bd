// TRzClockStatus: a polling pane showing the date and time in its format.
#pragma once

#include "statusbar/win32/rz_polling_status.h"

namespace varnelta {

using TGetDateTimeEvent = std::function<void(TComponent* sender, statusbar::TDateTime& value)>;

class TRzClockStatus : public TRzPollingStatus {
  VARNELTA_CLASS()
 public:
  explicit TRzClockStatus(TComponent* owner);

  std::wstring Format() const { return format_; }
  void SetFormat(const std::wstring& v);
  // May change the date and time before it is formatted.
  TGetDateTimeEvent OnGetDateTime;

  // Formats the current date and time; the caption changes (and the pane repaints) only
  // when the text differs from the last one.
  void RefreshText();
  void TimerExpired() override;
  void Loaded() override;

 protected:
  bool GiveWayToGrip() const override;

 private:
  std::wstring format_;
  statusbar::TClockText text_;
};

}  // namespace varnelta
