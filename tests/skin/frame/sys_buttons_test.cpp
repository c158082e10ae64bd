// Title bar buttons: every Visibility code, the Action vetoes and enabled states, every Align,
// the frames painted, and the roles of the Actions.
#include "skin/frame/sys_buttons.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace varnelta::frame {
namespace {

// Four windows that tell the codes apart.
const std::array<TButtonWindow, 4> kWindows = {{
    // every icon, normal, active
    {.BorderIcons = 0x0F, .ShowState = ssNormal, .Active = true, .BorderKind = bkSingle},
    // minimise box and system menu, maximised, inactive, a dialog-framed window of ours
    {.BorderIcons = 0x0A, .ShowState = ssMaximized, .Active = false, .BorderKind = bkDialog},
    // help only, a system dialog; an MDI frame with a maximised child
    {.BorderIcons = 0x04, .ShowState = ssNormal, .Active = true, .IsDialog = true,
     .BorderKind = bkDialog, .MdiFrameWithMaximisedChild = true},
    // maximise and minimise boxes without a system menu, minimised
    {.BorderIcons = 0x03, .ShowState = ssMinimized, .Active = true, .BorderKind = bkSizeable,
     .MdiFrameWithMaximisedChild = true},
}};

std::string Results(int visibility, int visibility1, std::intptr_t hostAnswer = 0) {
  std::string text;
  for (const TButtonWindow& w : kWindows) {
    const TSysButtonFacts button{.Action = 5, .Visibility = visibility, .Visibility1 = visibility1};
    text += IsButtonVisible(button, w, hostAnswer).Visible ? 't' : 'f';
  }
  return text;
}

TEST(SysButtonsTest, EveryVisibilityCodeInBothColumns) {
  struct CodeCase {
    int code;
    const char* first;   // Visibility, with Visibility1 0
    const char* second;  // Visibility1, with Visibility 0
  };
  const CodeCase cases[] = {
      {0, "tttt", "tttt"},    {1, "ftff", "ftff"},    {2, "tftt", "tftt"},
      {3, "tftt", "tftt"},    {4, "ftff", "ftff"},    {5, "ffff", "ffff"},
      {6, "ttff", "ttft"},    {7, "fttf", "fttf"},    {8, "ttff", "ttft"},
      {9, "fftf", "fftf"},    {10, "fftf", "tftf"},   {11, "ffff", "ffff"},
      {50, "ffff", "ffff"},   {99, "ffff", "ffff"},   {100, "fftt", "tttt"},
      {101, "ffff", "ffff"},  {199, "ffff", "ffff"},  {200, "ftff", "ftff"},
      {201, "tttt", "tttt"},  {999, "tttt", "tttt"},  {2001, "ffff", "ffff"},
      {65535, "ffff", "ffff"}, {-1, "ffff", "ffff"},  {-2, "ffff", "ffff"},
  };
  for (const CodeCase& c : cases) {
    EXPECT_EQ(Results(c.code, 0), c.first) << "Visibility " << c.code;
    EXPECT_EQ(Results(0, c.code), c.second) << "Visibility1 " << c.code;
  }
  // Visibility1 100 repeats the first column's answer.
  EXPECT_EQ(Results(100, 100), "fftt");
  EXPECT_EQ(Results(5, 100), "ffff");
}

TEST(SysButtonsTest, CodesForTheHostProgram) {
  for (int code : {1000, 1500, 2000}) {
    EXPECT_TRUE(AsksHost(code));
    EXPECT_EQ(Results(code, 0, 1), "tttt") << code;
    EXPECT_EQ(Results(code, 0, 0), "ffff") << code;  // unanswered
    EXPECT_EQ(Results(code, 0, -1), "ffff") << code;
    EXPECT_EQ(Results(0, code, 0), "tttt") << code;  // the second column does not ask
  }
  for (int code : {999, 2001, -1}) EXPECT_FALSE(AsksHost(code));
}

TEST(SysButtonsTest, ActionsVetoAndEnable) {
  struct ActionCase {
    int action;
    const char* visible;  // per window
    const char* enabled;  // per window: t, f, or - when not set
  };
  const ActionCase cases[] = {
      {0, "ttff", "----"},   // close needs the system menu
      {1, "tttt", "tfff"},   // maximise needs the box and the system menu
      {2, "tttt", "ttff"},
      {22, "tttt", "----"},
      {23, "tttt", "----"},
      {3, "tfft", "----"},   // the icon buttons are not shown on dialog frames
      {11, "tfft", "----"},
      {12, "tfft", "----"},
      {4, "tttt", "----"},
      {-1, "tttt", "----"},  // drawn, though never clicked
  };
  for (const ActionCase& c : cases) {
    std::string visible, enabled;
    for (const TButtonWindow& w : kWindows) {
      const TButtonVisibility v = IsButtonVisible({.Action = c.action}, w);
      visible += v.Visible ? 't' : 'f';
      enabled += v.Enabled ? (*v.Enabled ? 't' : 'f') : '-';
    }
    EXPECT_EQ(visible, c.visible) << c.action;
    EXPECT_EQ(enabled, c.enabled) << c.action;
  }
}

TEST(SysButtonsTest, EveryAlign) {
  const TButtonPlace place{.WindowWidth = 300, .CaptionRect = {50, 8, 150, 24},
                           .Metrics = {4, 30, 5, 6, 20}, .MenuBarLeftMargin = 3};
  struct AlignCase {
    int align;
    TRect expected;
  };
  const AlignCase cases[] = {
      {0, {30, 5, 50, 23}},    {1, {270, 5, 290, 23}},  {2, {0, 5, 20, 23}},
      {8, {0, 5, 20, 23}},     {3, {180, 5, 200, 23}},  {9, {180, 5, 200, 23}},
      {100, {262, 31, 282, 49}}, {4, {0, 0, 20, 18}},   {-1, {0, 0, 20, 18}},
  };
  for (const AlignCase& c : cases) {
    const TSysButtonFacts button{.Align = c.align, .XCoord = 30, .YCoord = 5, .CellWidth = 20,
                                 .CellHeight = 18, .ImageEmpty = false};
    EXPECT_EQ(LayoutSysButton(button, true, place), c.expected) << c.align;
    EXPECT_FALSE(LayoutSysButton(button, false, place)) << c.align;  // keeps its old bounds
  }
  TSysButtonFacts noPicture{.Align = 0, .CellWidth = 20, .CellHeight = 18, .ImageEmpty = true};
  EXPECT_FALSE(LayoutSysButton(noPicture, true, place));
  TButtonPlace noMenuBar = place;
  noMenuBar.Metrics.MenuBar = 0;
  const TSysButtonFacts child{.Align = 100, .XCoord = 30, .CellWidth = 20, .CellHeight = 18,
                              .ImageEmpty = false};
  EXPECT_EQ(LayoutSysButton(child, true, noMenuBar)->Top, 21);  // 30 + (0 - 18) / 2
}

TEST(SysButtonsTest, FactsFromTheElementAtTheScreensDpi) {
  TDataSkinSysButton element("Close");
  ASSERT_TRUE(element.Image.SetSize(60, 18));
  element.FrameCount = 3;
  element.XCoord = 30;
  element.YCoord = 5;
  element.Action = 0;
  element.Align = 1;
  TSysButtonFacts b = SysButtonFactsOf(element, 96);
  EXPECT_EQ(b.CellWidth, 20);
  EXPECT_EQ(b.CellHeight, 18);
  EXPECT_EQ(b.XCoord, 30);
  EXPECT_FALSE(b.ImageEmpty);
  b = SysButtonFactsOf(element, 144);
  EXPECT_EQ(b.CellWidth, 30);
  EXPECT_EQ(b.CellHeight, 27);
  EXPECT_EQ(b.XCoord, 45);
  EXPECT_EQ(b.YCoord, 8);
  element.FrameCount = 0;
  b = SysButtonFactsOf(element, 96);
  EXPECT_EQ(b.FrameCount, 1);
  EXPECT_EQ(b.CellWidth, 60);
  EXPECT_TRUE(SysButtonFactsOf(TDataSkinSysButton("Empty"), 96).ImageEmpty);
}

TEST(SysButtonsTest, RightButtonsExtent) {
  const TSysButtonFacts buttons[] = {
      {.Align = 1, .XCoord = 30, .ImageEmpty = false},
      {.Align = 1, .XCoord = 60, .ImageEmpty = false},   // hidden
      {.Align = 1, .XCoord = 45, .ImageEmpty = false},
      {.Align = 1, .XCoord = 90, .ImageEmpty = true},    // no picture
      {.Align = 0, .XCoord = 200, .ImageEmpty = false},  // left-aligned
  };
  const bool visible[] = {true, false, true, true, true};
  EXPECT_EQ(RightButtonsExtent(buttons, visible), 45);
  const bool none[] = {false, false, false, true, true};
  EXPECT_EQ(RightButtonsExtent(buttons, none), 0);
}

TEST(SysButtonsTest, FramesPainted) {
  struct TitleCase {
    int frames;
    bool active, enabled;
    int frame;
  };
  const TitleCase title[] = {{4, true, true, 1}, {4, false, true, 4}, {4, true, false, 4},
                             {5, false, false, 4}, {3, false, false, 1}, {1, false, true, 1}};
  for (const TitleCase& c : title)
    EXPECT_EQ(TitleBarFrame({.FrameCount = c.frames}, c.active, c.enabled), c.frame)
        << c.frames << c.active << c.enabled;

  struct StateCase {
    int frames, visibility, state;
    bool enabled;
    int frame;
  };
  const StateCase states[] = {
      {4, 0, 1, true, 1},   {4, 0, 2, true, 2},   {4, 0, 3, true, 3},  {4, 0, 3, false, 4},
      {3, 0, 2, false, 1},  {4, 100, 3, true, 4}, {4, 100, 2, true, 2}, {4, 0, 0, true, 1},
      {2, 0, 3, true, 2},   {3, 100, 3, true, 3}, {1, 0, 2, true, 1},  {4, 100, 3, false, 4},
  };
  for (const StateCase& c : states)
    EXPECT_EQ(ButtonStateFrame({.Visibility = c.visibility, .FrameCount = c.frames}, c.state,
                               c.enabled),
              c.frame)
        << c.frames << " " << c.visibility << " " << c.state << " " << c.enabled;

  EXPECT_TRUE(PaintsInTitleBar({.Visibility = 0, .ImageEmpty = false}, true));
  EXPECT_FALSE(PaintsInTitleBar({.Visibility = 0, .ImageEmpty = false}, false));
  EXPECT_FALSE(PaintsInTitleBar({.Visibility = 0, .ImageEmpty = true}, true));
  EXPECT_FALSE(PaintsInTitleBar({.Visibility = 100, .ImageEmpty = false}, true));
}

TEST(SysButtonsTest, EveryActionsRole) {
  struct RoleCase {
    int action;
    TButtonRole role;
  };
  const RoleCase cases[] = {
      {0, TButtonRole::Close},         {1, TButtonRole::Maximize},     {22, TButtonRole::Maximize},
      {2, TButtonRole::Minimize},      {23, TButtonRole::Minimize},    {3, TButtonRole::SystemMenu},
      {11, TButtonRole::SystemMenu},   {12, TButtonRole::SystemMenu},  {4, TButtonRole::Help},
      {7, TButtonRole::ChildMinimize}, {60, TButtonRole::ChildMinimize},
      {8, TButtonRole::ChildRestore},  {61, TButtonRole::ChildRestore},
      {9, TButtonRole::ChildClose},    {62, TButtonRole::ChildClose},  {5, TButtonRole::Custom},
      {10, TButtonRole::Custom},       {21, TButtonRole::Custom},      {1000, TButtonRole::Custom},
  };
  for (const RoleCase& c : cases) EXPECT_EQ(RoleOf(c.action), c.role) << c.action;
  EXPECT_TRUE(ShowsWindowIcon(3));
  EXPECT_TRUE(ShowsWindowIcon(11));
  EXPECT_FALSE(ShowsWindowIcon(12));
  EXPECT_TRUE(IsClickable(0));
  EXPECT_FALSE(IsClickable(-1));
}

}  // namespace
}  // namespace varnelta::frame
