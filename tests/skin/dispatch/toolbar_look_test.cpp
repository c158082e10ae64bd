// The tool bar handlers' choices: the frame and text colour per custom-draw state.
#include "skin/data/toolbar_look.h"

#include <gtest/gtest.h>

#include "skin/data/skin_objects.h"

namespace varnelta {
namespace {

TEST(ToolbarLookTest, FrameAndTextColourByState) {
  TDataSkinButton buttons("Buttons");
  buttons.Image.SetSize(50, 20);
  buttons.NormalColour2 = 0x000001;
  buttons.MouseOverColour2 = 0x000004;
  buttons.PressedColour2 = 0x000002;
  buttons.HasNormalColour2 = buttons.HasMouseOverColour2 = buttons.HasPressedColour2 = true;
  struct Case {
    std::uint32_t State;
    int Frame;
  } cases[] = {
      {kDrawSelected | kDrawHot | kDrawDisabled, 2},
      {kDrawFocus, 4},
      {kDrawHot | kDrawGrayed, 4},
      {kDrawGrayed | kDrawDefault, 0},
      {kDrawDisabled, 0},
      {kDrawDefault, 1},
      {0, 1},
      {0x200, 1},  // keyboard cues only: still the default state
      {kDrawChecked, 0},
      {kDrawMarked | 0x200, 0},
      {kDrawIndeterminate, 0},
  };
  for (const Case& c : cases) {
    const TToolbarButtonLook look = ToolbarButtonLook(c.State, &buttons, true, 0);
    EXPECT_EQ(look.Frame, c.Frame) << c.State;
    // Each frame's text colour is the skin's colour of that frame.
    EXPECT_EQ(look.TextColour, c.Frame == 0 ? std::nullopt : std::optional<TColor>(c.Frame)) << c.State;
  }
  buttons.HasMouseOverColour2 = false;
  EXPECT_EQ(ToolbarButtonLook(kDrawHot, &buttons, true, 0).TextColour, std::nullopt);
  EXPECT_EQ(ToolbarButtonLook(kDrawHot, &buttons, true, 0).Frame, 4);
}

TEST(ToolbarLookTest, WhenTheHandlersPaintAtAll) {
  TDataSkinButton buttons("Buttons");
  EXPECT_EQ(ToolbarButtonLook(0, &buttons, true, 0).Frame, 0);  // no picture
  buttons.Image.SetSize(50, 20);
  EXPECT_EQ(ToolbarButtonLook(0, &buttons, true, 0).Frame, 1);
  EXPECT_EQ(ToolbarButtonLook(0, nullptr, true, 0).Frame, 0);
  EXPECT_EQ(ToolbarButtonLook(0, &buttons, false, 0).Frame, 0);
  EXPECT_EQ(ToolbarButtonLook(0, &buttons, true, SkinBit(xoToolbarButton)).Frame, 0);

  EXPECT_TRUE(ToolbarBackgroundPainted(true, 0));
  EXPECT_FALSE(ToolbarBackgroundPainted(true, SkinBit(xoToolbarBK)));
  EXPECT_FALSE(ToolbarBackgroundPainted(false, 0));
}

}  // namespace
}  // namespace varnelta
