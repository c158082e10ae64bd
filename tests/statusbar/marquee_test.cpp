#include <gtest/gtest.h>

#include "statusbar/marquee.h"

namespace varnelta::statusbar {
namespace {

TEST(Marquee, OnePassThenStartsAgain) {
  TMarqueeState m;
  m.SetPassLength(20, 280);
  EXPECT_EQ(m.Steps(), 300);
  for (int i = 1; i < 300; ++i) EXPECT_EQ(m.Tick(true), i);
  EXPECT_EQ(m.Tick(true), 300);  // drawn at the last step, then set back
  EXPECT_EQ(m.Step(), 0);
  EXPECT_EQ(m.Tick(true), 1);
}

TEST(Marquee, EmptyCaptionStillCyclesOverThePaneWidth) {
  TMarqueeState m;
  m.SetPassLength(0, 40);
  int wraps = 0;
  for (int i = 0; i < 100; ++i) {
    m.Tick(true);
    if (m.Step() == 0) ++wraps;
  }
  EXPECT_EQ(wraps, 2);
  EXPECT_EQ(m.Step(), 20);
}

TEST(Marquee, ScrollSizeZeroMovesOnePixel) {
  TMarqueeState m;
  m.SetScrollSize(0);
  EXPECT_EQ(m.ScrollSize(), 1);
  m.SetScrollSize(-4);
  EXPECT_EQ(m.ScrollSize(), 1);
  m.SetPassLength(10, 10);
  EXPECT_EQ(m.Tick(true), 1);
}

TEST(Marquee, StepThatPassesTheEndStartsAgain) {
  TMarqueeState m;
  m.SetPassLength(3, 4);  // 7 steps
  m.SetScrollSize(3);
  EXPECT_EQ(m.Tick(true), 3);
  EXPECT_EQ(m.Tick(true), 6);
  EXPECT_EQ(m.Tick(true), 9);  // passed 7: set back
  EXPECT_EQ(m.Step(), 0);
}

TEST(Marquee, ShrinkingThePaneKeepsTheStepUntilItReachesTheEnd) {
  TMarqueeState m;
  m.SetPassLength(50, 100);
  for (int i = 0; i < 120; ++i) m.Tick(true);
  EXPECT_EQ(m.Step(), 120);
  m.SetPassLength(50, 60);  // 110 steps now: the step is already past the end
  EXPECT_EQ(m.Step(), 120);
  EXPECT_EQ(m.Tick(true), 121);
  EXPECT_EQ(m.Step(), 0);
  m.SetPassLength(50, 200);
  EXPECT_EQ(m.Tick(true), 1);
}

TEST(Marquee, HiddenPaneFreezesItsStep) {
  TMarqueeState m;
  m.SetPassLength(10, 100);
  for (int i = 0; i < 5; ++i) m.Tick(true);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(m.Tick(false).has_value());
  EXPECT_EQ(m.Step(), 5);
  EXPECT_EQ(m.Tick(true), 6);
}

TEST(Marquee, ScrollingAndScrollTypeDriveTheTimer) {
  TMarqueeState m;
  EXPECT_TRUE(m.TimerEnabled());
  m.SetPassLength(10, 100);
  m.Tick(true);
  m.SetScrolling(false);
  EXPECT_FALSE(m.TimerEnabled());
  EXPECT_EQ(m.Step(), 0);
  EXPECT_FALSE(m.Tick(true).has_value());
  m.SetScrollType(stLeftToRight);  // enables whatever Scrolling holds
  EXPECT_TRUE(m.TimerEnabled());
  EXPECT_FALSE(m.Scrolling());
  m.SetScrolling(true);
  m.SetScrollType(stNone);
  EXPECT_FALSE(m.TimerEnabled());
  m.SetScrollDelay(0);
  EXPECT_EQ(m.ScrollDelay(), 1);
}

TEST(Marquee, TextAndImagePositions) {
  const TRect interior{2, 2, 278, 17};
  EXPECT_EQ(MarqueeTextOrigin(stRightToLeft, 1, 280, 500, interior, 13, 1), (TPoint{279, 1}));
  EXPECT_EQ(MarqueeTextOrigin(stLeftToRight, 1, 280, 500, interior, 13, 1), (TPoint{-499, 1}));
  EXPECT_EQ(MarqueeImageOrigin(1), (TPoint{2, 2}));
}

}  // namespace
}  // namespace varnelta::statusbar
