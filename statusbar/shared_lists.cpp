#include "statusbar/shared_lists.h"

#include <algorithm>

namespace varnelta::statusbar {
namespace {

StatusTimerFactory& TimerFactory() {
  static StatusTimerFactory factory;
  return factory;
}

std::unique_ptr<TRzBlinkingControlsList>& BlinkingInstance() {
  static std::unique_ptr<TRzBlinkingControlsList> instance;
  return instance;
}

std::unique_ptr<TRzPollingList>& PollingInstance() {
  static std::unique_ptr<TRzPollingList> instance;
  return instance;
}

std::unique_ptr<IStatusTimer> MakeTimer(std::function<void()> onTick, unsigned interval,
                                        bool enabled) {
  if (!TimerFactory()) return nullptr;
  std::unique_ptr<IStatusTimer> timer = TimerFactory()(std::move(onTick));
  if (timer) {
    timer->SetInterval(interval);
    timer->SetEnabled(enabled);
  }
  return timer;
}

template <class T>
bool Contains(const std::vector<T*>& list, T* item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

template <class T>
void Remove(std::vector<T*>& list, T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

void SetStatusTimerFactory(StatusTimerFactory factory) { TimerFactory() = std::move(factory); }

// --- blinking list ---

TRzBlinkingControlsList::TRzBlinkingControlsList()
    : timer_(MakeTimer(&TRzBlinkingControlsList::Tick, kDefaultBlinkInterval, true)) {}

TRzBlinkingControlsList::~TRzBlinkingControlsList() = default;

TRzBlinkingControlsList* TRzBlinkingControlsList::Instance() { return BlinkingInstance().get(); }

void TRzBlinkingControlsList::Register(IBlinkMember* member) {
  if (!member) return;
  auto& instance = BlinkingInstance();
  if (!instance) instance.reset(new TRzBlinkingControlsList());
  if (!Contains(instance->members_, member)) instance->members_.push_back(member);
}

void TRzBlinkingControlsList::Unregister(IBlinkMember* member) {
  auto& instance = BlinkingInstance();
  if (!instance) return;
  Remove(instance->members_, member);
  if (instance->members_.empty() && !instance->ticking_) instance.reset();
}

void TRzBlinkingControlsList::Tick() {
  auto& instance = BlinkingInstance();
  if (!instance) return;
  instance->RunTick();
  if (instance->members_.empty()) instance.reset();
}

void TRzBlinkingControlsList::RunTick() {
  ticking_ = true;
  highlighted_ = !highlighted_;
  currentInterval_ = highlighted_ ? intervalOn_ : intervalOff_;
  if (timer_) timer_->SetInterval(currentInterval_);
  const std::vector<IBlinkMember*> snapshot = members_;
  for (IBlinkMember* member : snapshot) {
    if (!Contains(members_, member)) continue;  // gone during an earlier member's repaint
    if (member->Perform(kBlinkQueryMessage, 0, 0) == 1) {
      member->Perform(kBlinkPhaseMessage, highlighted_ ? 1 : 0, 0);
    }
  }
  ticking_ = false;
}

// --- polling list ---

TRzPollingList::TRzPollingList()
    : timer_(MakeTimer(&TRzPollingList::Tick, kDefaultPollingInterval, true)) {}

TRzPollingList::~TRzPollingList() = default;

TRzPollingList* TRzPollingList::Instance() { return PollingInstance().get(); }

void TRzPollingList::Register(IPollingMember* member) {
  if (!member) return;
  auto& instance = PollingInstance();
  if (!instance) instance.reset(new TRzPollingList());
  if (!Contains(instance->members_, member)) instance->members_.push_back(member);
}

void TRzPollingList::Unregister(IPollingMember* member) {
  auto& instance = PollingInstance();
  if (!instance) return;
  Remove(instance->members_, member);
  if (instance->members_.empty() && !instance->ticking_) instance.reset();
}

void TRzPollingList::Tick() {
  auto& instance = PollingInstance();
  if (!instance) return;
  instance->RunTick();
  if (instance->members_.empty()) instance.reset();
}

void TRzPollingList::RunTick() {
  ticking_ = true;
  const std::vector<IPollingMember*> snapshot = members_;
  for (IPollingMember* member : snapshot) {
    if (!Contains(members_, member)) continue;
    if (member->PollingVisible()) member->TimerExpired();
  }
  ticking_ = false;
}

void TRzPollingList::SetActive(bool active) {
  active_ = active;
  if (timer_) timer_->SetEnabled(active);
}

void TRzPollingList::SetInterval(unsigned milliseconds) {
  interval_ = milliseconds;
  if (timer_) timer_->SetInterval(milliseconds);
}

}  // namespace varnelta::statusbar
