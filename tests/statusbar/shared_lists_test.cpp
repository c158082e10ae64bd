#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "statusbar/shared_lists.h"

namespace varnelta::statusbar {
namespace {

struct FakeTimer final : IStatusTimer {
  static inline std::vector<FakeTimer*> live;
  explicit FakeTimer(std::function<void()> tick) : onTick(std::move(tick)) { live.push_back(this); }
  ~FakeTimer() override { std::erase(live, this); }
  void SetInterval(unsigned ms) override { interval = ms; }
  void SetEnabled(bool on) override { enabled = on; }
  std::function<void()> onTick;
  unsigned interval = 0;
  bool enabled = false;
};

class SharedLists : public ::testing::Test {
 protected:
  void SetUp() override {
    SetStatusTimerFactory([](std::function<void()> tick) -> std::unique_ptr<IStatusTimer> {
      return std::make_unique<FakeTimer>(std::move(tick));
    });
  }
  void TearDown() override { SetStatusTimerFactory(nullptr); }
};

struct Pane final : IBlinkMember {
  bool blinks = false;
  std::vector<std::uintptr_t> phases;
  std::intptr_t Perform(unsigned message, std::uintptr_t wParam, std::intptr_t) override {
    if (message == kBlinkQueryMessage) return blinks ? 1 : 0;
    if (message == kBlinkPhaseMessage) phases.push_back(wParam);
    return 0;
  }
};

TEST_F(SharedLists, BlinkingListLivesWithItsMembers) {
  EXPECT_EQ(TRzBlinkingControlsList::Instance(), nullptr);
  {
    Pane a;
    Pane b;
    TRzBlinkingControlsList::Register(&a);
    TRzBlinkingControlsList::Register(&b);
    TRzBlinkingControlsList::Register(&a);
    ASSERT_NE(TRzBlinkingControlsList::Instance(), nullptr);
    EXPECT_EQ(TRzBlinkingControlsList::Instance()->Count(), 2u);
    ASSERT_EQ(FakeTimer::live.size(), 1u);
    EXPECT_TRUE(FakeTimer::live[0]->enabled);
    EXPECT_EQ(FakeTimer::live[0]->interval, 500u);
    TRzBlinkingControlsList::Unregister(&a);
    TRzBlinkingControlsList::Unregister(&b);
  }
  EXPECT_EQ(TRzBlinkingControlsList::Instance(), nullptr);
  EXPECT_TRUE(FakeTimer::live.empty());
}

TEST_F(SharedLists, BlinkPhasesReachOnlyBlinkingPanes) {
  Pane blinking;
  blinking.blinks = true;
  Pane still;
  TRzBlinkingControlsList::Register(&blinking);
  TRzBlinkingControlsList::Register(&still);
  TRzBlinkingControlsList* list = TRzBlinkingControlsList::Instance();
  list->SetIntervalOn(300);
  list->SetIntervalOff(700);
  FakeTimer::live[0]->onTick();  // the first tick enters the normal phase
  EXPECT_FALSE(list->Highlighted());
  EXPECT_EQ(FakeTimer::live[0]->interval, 700u);
  FakeTimer::live[0]->onTick();
  EXPECT_TRUE(list->Highlighted());
  EXPECT_EQ(FakeTimer::live[0]->interval, 300u);
  EXPECT_EQ(blinking.phases, (std::vector<std::uintptr_t>{0, 1}));
  EXPECT_TRUE(still.phases.empty());
  TRzBlinkingControlsList::Unregister(&blinking);
  TRzBlinkingControlsList::Unregister(&still);
}

struct Poller final : IPollingMember {
  bool visible = true;
  int expired = 0;
  std::function<void()> onExpired;
  bool PollingVisible() const override { return visible; }
  void TimerExpired() override {
    ++expired;
    if (onExpired) onExpired();
  }
};

TEST_F(SharedLists, OnePollingTimerForAllClocks) {
  Poller first;
  Poller second;
  Poller hidden;
  hidden.visible = false;
  TRzPollingList::Register(&first);
  TRzPollingList::Register(&second);
  TRzPollingList::Register(&hidden);
  ASSERT_EQ(FakeTimer::live.size(), 1u);
  TRzPollingList::Instance()->SetInterval(250);  // what either pane's Interval writes
  EXPECT_EQ(FakeTimer::live[0]->interval, 250u);
  EXPECT_EQ(TRzPollingList::Instance()->Interval(), 250u);
  FakeTimer::live[0]->onTick();
  EXPECT_EQ(first.expired, 1);
  EXPECT_EQ(second.expired, 1);
  EXPECT_EQ(hidden.expired, 0);
  TRzPollingList::Instance()->SetActive(false);
  EXPECT_FALSE(FakeTimer::live[0]->enabled);
  TRzPollingList::Unregister(&first);
  TRzPollingList::Unregister(&second);
  TRzPollingList::Unregister(&hidden);
  EXPECT_EQ(TRzPollingList::Instance(), nullptr);
}

TEST_F(SharedLists, MembersMayLeaveDuringATick) {
  Poller first;
  Poller second;
  TRzPollingList::Register(&first);
  TRzPollingList::Register(&second);
  // The first handler removes both panes, the last one included: the list outlives the
  // tick and goes afterwards; the removed pane is not called.
  first.onExpired = [&] {
    TRzPollingList::Unregister(&second);
    TRzPollingList::Unregister(&first);
  };
  TRzPollingList::Tick();
  EXPECT_EQ(first.expired, 1);
  EXPECT_EQ(second.expired, 0);
  EXPECT_EQ(TRzPollingList::Instance(), nullptr);
  EXPECT_TRUE(FakeTimer::live.empty());
}

TEST(SharedListsWithoutTimers, TicksCanBeDrivenByHand) {
  Poller only;
  TRzPollingList::Register(&only);
  TRzPollingList::Tick();
  EXPECT_EQ(only.expired, 1);
  TRzPollingList::Unregister(&only);
  TRzPollingList::Tick();  // no list: nothing happens
  EXPECT_EQ(only.expired, 1);
}

}  // namespace
}  // namespace varnelta::statusbar
