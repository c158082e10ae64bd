// What the title buttons, double clicks, the system menu opening and the system commands lead to.
#include "skin/frame/frame_commands.h"

#include <gtest/gtest.h>

#include "skin/frame/frame_codes.h"

namespace varnelta::frame {
namespace {

TEST(FrameCommandsTest, EveryButtonAction) {
  struct ActionCase {
    int action;
    bool enabled, closeAllowed, mdiFrame;
    TShowState state;
    TActionKind kind;
    std::uint32_t command;
    bool stopTimer;
  };
  using K = TActionKind;
  const ActionCase cases[] = {
      {0, true, true, false, ssNormal, K::PostSysCommand, kScClose, true},
      {0, true, false, false, ssNormal, K::Nothing, 0, false},  // no SC_CLOSE in the menu
      {1, true, true, false, ssNormal, K::Show, kScMaximize, false},
      {1, true, true, false, ssMaximized, K::Show, kScRestore, false},
      {1, false, true, false, ssNormal, K::Nothing, 0, false},
      {22, true, true, false, ssNormal, K::Show, kScMaximize, false},
      {22, false, true, false, ssNormal, K::Nothing, 0, false},
      {2, true, true, false, ssNormal, K::Show, kScMinimize, false},
      {2, true, true, false, ssMinimized, K::Show, kScRestore, false},
      {23, true, true, false, ssMaximized, K::Show, kScMinimize, false},
      {23, false, true, false, ssNormal, K::Nothing, 0, false},
      {3, true, true, false, ssNormal, K::OpenSystemMenu, 0, false},
      {11, false, true, false, ssNormal, K::OpenSystemMenu, 0, false},
      {12, true, true, false, ssNormal, K::OpenSystemMenu, 0, false},
      {4, true, true, false, ssNormal, K::PostSysCommand, kScContextHelp, false},
      {7, true, true, true, ssNormal, K::SendToActiveChild, kScMinimize, false},
      {60, true, true, true, ssNormal, K::SendToActiveChild, kScMinimize, false},
      {8, true, true, true, ssNormal, K::SendToActiveChild, kScRestore, false},
      {61, true, true, true, ssNormal, K::SendToActiveChild, kScRestore, false},
      {9, true, true, true, ssNormal, K::SendToActiveChild, kScClose, false},
      {62, true, true, true, ssNormal, K::SendToActiveChild, kScClose, false},
      {9, true, true, false, ssNormal, K::Nothing, 0, false},  // not an MDI frame
      {5, true, true, false, ssNormal, K::PostCustom, 0, false},
      {13, false, true, false, ssNormal, K::PostCustom, 0, false},
      {1000, true, true, false, ssNormal, K::PostCustom, 0, false},
  };
  for (const ActionCase& c : cases) {
    const TButtonAction a = DoButtonAction({.Action = c.action, .Enabled = c.enabled,
                                            .CloseAllowed = c.closeAllowed, .MdiFrame = c.mdiFrame,
                                            .ShowState = c.state, .ReleasePoint = {300, 40}});
    EXPECT_EQ(a.Kind, c.kind) << c.action;
    EXPECT_EQ(a.Command, c.command) << c.action;
    EXPECT_EQ(a.StopHoverTimer, c.stopTimer) << c.action;
    EXPECT_EQ(a.Action, c.action);
    if (c.kind == K::OpenSystemMenu) {
      EXPECT_EQ(a.MenuPoint, (TPoint{301, 41}));
    }
  }
  EXPECT_TRUE(CloseAllowed(true, false));
  EXPECT_TRUE(CloseAllowed(false, true));
  EXPECT_FALSE(CloseAllowed(false, false));
}

TEST(FrameCommandsTest, ShowCommands) {
  const TShowCommand maximise = ToggleMaximize(ssNormal, true);
  EXPECT_EQ(maximise.NewState, ssMaximized);
  EXPECT_TRUE(maximise.ClearHot);
  EXPECT_TRUE(maximise.TellMaximisedChild);
  EXPECT_FALSE(ToggleMaximize(ssMinimized, false).TellMaximisedChild);
  EXPECT_EQ(ToggleMaximize(ssMaximized, true).Command, kScRestore);
  const TShowCommand minimise = DoMinimize(ssMaximized);
  EXPECT_EQ(minimise.NewState, ssMinimized);
  EXPECT_TRUE(minimise.PutSysMenuStyleBack);
  EXPECT_FALSE(DoMinimize(ssMinimized).PutSysMenuStyleBack);
  EXPECT_EQ(DoMinimize(ssMinimized).NewState, ssNormal);
  EXPECT_EQ(DoRestore().Command, kScRestore);
}

TEST(FrameCommandsTest, DoubleClicksAndPresses) {
  struct DoubleCase {
    std::optional<int> button;
    TShowState state;
    std::uint8_t icons;
    TDoubleClickKind kind;
    std::uint32_t command;
  };
  using D = TDoubleClickKind;
  const DoubleCase cases[] = {
      {3, ssNormal, 0x0A, D::CloseWindow, 0},
      {11, ssMaximized, 0x0B, D::CloseWindow, 0},
      {12, ssNormal, 0x0A, D::Nothing, 0},
      {0, ssNormal, 0x0A, D::Nothing, 0},
      {std::nullopt, ssMaximized, 0x0B, D::Show, kScRestore},
      {std::nullopt, ssMinimized, 0x0A, D::Show, kScRestore},
      {std::nullopt, ssNormal, 0x0B, D::Show, kScMaximize},
      {std::nullopt, ssNormal, 0x0A, D::Default, 0},  // the main window: no maximise box
  };
  for (const DoubleCase& c : cases) {
    const TDoubleClick d = NcDoubleClick(c.button, c.state, c.icons, false);
    EXPECT_EQ(d.Kind, c.kind) << c.button.value_or(-1) << " " << c.state;
    if (c.kind == D::Show) {
      EXPECT_EQ(d.Show.Command, c.command);
    }
  }
  EXPECT_EQ(PressHitCode(kHtCaption, ssMaximized, true), kHtMenu);
  EXPECT_EQ(PressHitCode(kHtCaption, ssMaximized, false), kHtCaption);
  EXPECT_EQ(PressHitCode(kHtCaption, ssNormal, true), kHtCaption);
  EXPECT_EQ(PressHitCode(kHtClient, ssMaximized, true), kHtClient);
}

TEST(FrameCommandsTest, SystemMenuDoubleClickTiming) {
  struct TimingCase {
    std::uint32_t now;
    std::optional<std::uint32_t> last;
    int doubleClickTime;
    bool hot, busy;
    TSystemMenuOpen expected;
  };
  using O = TSystemMenuOpen;
  const TimingCase cases[] = {
      {1500, 1000, 500, true, false, O::CloseWindow},  // exactly the double-click time
      {1500, 1000, 500, false, false, O::Nothing},
      {1501, 1000, 500, true, false, O::Open},
      {0x000000F0, 0xFFFFFF00, 500, true, false, O::CloseWindow},  // across the wrap: 496
      {0x00000200, 0xFFFFFF00, 500, true, false, O::Open},         // 768
      {1000, 2000, 500, true, false, O::Open},  // "earlier" is a huge unsigned difference
      {1000, 1000, 0, true, false, O::CloseWindow},
      {1000, 1000, -1, true, false, O::Open},  // negative time: always opens
      {1000, std::nullopt, 500, true, false, O::Open},
      {10, std::nullopt, 500, true, false, O::Open},  // never opened, even right after start
      {1600, 1000, 500, true, true, O::Nothing},      // the skin manager is busy
  };
  for (const TimingCase& c : cases)
    EXPECT_EQ(SystemMenuOpening(c.now, c.last, c.doubleClickTime, c.hot, c.busy), c.expected)
        << c.now << " " << c.last.value_or(0) << " " << c.doubleClickTime;
}

TEST(FrameCommandsTest, KeyMenu) {
  struct KeyCase {
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool tracking, captured;
    TKeyMenuKind kind;
  };
  using K = TKeyMenuKind;
  const KeyCase cases[] = {
      {0xF100, 0, false, false, K::OpenFirstItem},
      {0xF100, 'f', false, false, K::OpenMenuBarItem},
      {0xF102, 'f', false, false, K::OpenMenuBarItem},  // low bits are the system's
      {0xF100, ' ', false, false, K::SystemMenu},
      {0xF100, ' ', false, true, K::SystemMenu},
      {0xF100, '-', false, false, K::GoOn},
      {0xF100, 'f', false, true, K::GoOn},
      {0xF100, 0, false, true, K::GoOn},
      {0xF100, 'f', true, false, K::NotKeyMenu},
      {0xF060, 0, false, false, K::NotKeyMenu},
  };
  for (const KeyCase& c : cases) {
    const TKeyMenu k = KeyMenuDecision(c.wParam, c.lParam, c.tracking, c.captured);
    EXPECT_EQ(k.Kind, c.kind) << std::hex << c.wParam << " " << c.lParam;
    if (c.kind == K::OpenMenuBarItem) {
      EXPECT_EQ(k.Character, L'f');
    }
  }
}

TEST(FrameCommandsTest, SystemCommandsSetTheShowStateAndCommandsArePostedAgain) {
  EXPECT_EQ(ShowStateForCommand(0xF020), ssMinimized);
  EXPECT_EQ(ShowStateForCommand(0xF022), ssMinimized);
  EXPECT_EQ(ShowStateForCommand(0xF030), ssMaximized);
  EXPECT_EQ(ShowStateForCommand(0xF122), ssNormal);
  EXPECT_EQ(ShowStateForCommand(0xF060), std::nullopt);
  EXPECT_EQ(ShowStateForCommand(0xF100), std::nullopt);

  for (std::uint32_t command : {kScSize, kScMove, kScMinimize, kScMaximize, kScNextWindow,
                                kScPrevWindow, kScClose, kScRestore}) {
    EXPECT_EQ(RepostedSysCommand(command), command);
    EXPECT_EQ(RepostedSysCommand(0x10000 | command), command);  // a notification code above
  }
  for (std::uintptr_t other : {0xF100u, 0xF180u, 0xF061u, 100u, 0u})
    EXPECT_EQ(RepostedSysCommand(other), std::nullopt) << std::hex << other;
}

}  // namespace
}  // namespace varnelta::frame
