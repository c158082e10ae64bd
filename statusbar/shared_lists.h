// The two process-wide lists of status panes, each with one timer for all its members: the
// blinking list (every pane) and the polling list (polling and clock panes). A list is
// created with its first member and destroyed with its last.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace varnelta::statusbar {

// A message-based timer of the user-interface thread, made by the runtime.
class IStatusTimer {
 public:
  virtual ~IStatusTimer() = default;
  virtual void SetInterval(unsigned milliseconds) = 0;
  virtual void SetEnabled(bool enabled) = 0;
};
using StatusTimerFactory =
    std::function<std::unique_ptr<IStatusTimer>(std::function<void()> onTick)>;

// The runtime installs its timer maker once at start. Without one the lists keep their
// settings but have no timer (their Tick is then driven by hand, as tests do).
void SetStatusTimerFactory(StatusTimerFactory factory);

// Blink messages: "do you blink" (answer 1 for yes) and "new phase" (wParam 1 highlighted,
// 0 normal).
constexpr unsigned kBlinkQueryMessage = 0xB3E8;
constexpr unsigned kBlinkPhaseMessage = 0xB3E9;
constexpr unsigned kDefaultBlinkInterval = 500;
constexpr unsigned kDefaultPollingInterval = 500;

class IBlinkMember {
 public:
  virtual ~IBlinkMember() = default;
  // The pane's message handler (the runtime's Perform of a windowless control).
  virtual std::intptr_t Perform(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

class IPollingMember {
 public:
  virtual ~IPollingMember() = default;
  virtual bool PollingVisible() const = 0;
  // The timer-expired step: a clock refreshes its text, then OnTimerExpired is raised.
  virtual void TimerExpired() = 0;
};

class TRzBlinkingControlsList {
 public:
  // The list, or null while no pane exists.
  static TRzBlinkingControlsList* Instance();
  static void Register(IBlinkMember* member);
  static void Unregister(IBlinkMember* member);
  // What the timer does: the next phase for every member that blinks. Members may come and
  // go (even the last one) while it runs.
  static void Tick();

  std::size_t Count() const { return members_.size(); }
  bool Highlighted() const { return highlighted_; }
  unsigned IntervalOn() const { return intervalOn_; }
  unsigned IntervalOff() const { return intervalOff_; }
  // New values take effect from the next phase change.
  void SetIntervalOn(unsigned milliseconds) { intervalOn_ = milliseconds; }
  void SetIntervalOff(unsigned milliseconds) { intervalOff_ = milliseconds; }
  // The interval the timer runs with now (what the last phase change chose).
  unsigned CurrentInterval() const { return currentInterval_; }

  ~TRzBlinkingControlsList();
  TRzBlinkingControlsList(const TRzBlinkingControlsList&) = delete;
  TRzBlinkingControlsList& operator=(const TRzBlinkingControlsList&) = delete;

 private:
  TRzBlinkingControlsList();
  void RunTick();

  std::vector<IBlinkMember*> members_;
  std::unique_ptr<IStatusTimer> timer_;
  // The list starts as if highlighted, so its first tick enters the normal phase.
  bool highlighted_ = true;
  unsigned intervalOn_ = kDefaultBlinkInterval;
  unsigned intervalOff_ = kDefaultBlinkInterval;
  unsigned currentInterval_ = kDefaultBlinkInterval;
  bool ticking_ = false;
};

class TRzPollingList {
 public:
  static TRzPollingList* Instance();
  static void Register(IPollingMember* member);
  static void Unregister(IPollingMember* member);
  // Calls the timer-expired step of every visible member.
  static void Tick();

  std::size_t Count() const { return members_.size(); }
  bool Active() const { return active_; }
  unsigned Interval() const { return interval_; }
  void SetActive(bool active);
  void SetInterval(unsigned milliseconds);

  ~TRzPollingList();
  TRzPollingList(const TRzPollingList&) = delete;
  TRzPollingList& operator=(const TRzPollingList&) = delete;

 private:
  TRzPollingList();
  void RunTick();

  std::vector<IPollingMember*> members_;
  std::unique_ptr<IStatusTimer> timer_;
  bool active_ = true;
  unsigned interval_ = kDefaultPollingInterval;
  bool ticking_ = false;
};

}  // namespace varnelta::statusbar
