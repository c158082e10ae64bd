// The tool bar handlers' choices: the frame and text colour per custom-draw state.
#include "skin/data/toolbar_look.h"

#include <gtest/gtest.h>

#include "skin/data/skin_objects.h"

namespace varnelta {
namespace {

TEST(ToolbarLookTest, FrameAndTextColourByState) {
  TDataSkinButton buttons("Buttons");
  EXPECT_EQ(ToolbarButtonLook(0, &buttons, true, 0).Frame, 0);  // no picture
  buttons.Image.SetSize(50, 20);
  // Each frame's text colour is the number of the frame, to tell them apart.
  buttons.NormalColour2 = 1;
  buttons.MouseOverColour2 = 4;
  buttons.PressedColour2 = 2;
  buttons.HasNormalColour2 = buttons.HasMouseOverColour2 = buttons.HasPressedColour2 = true;
  const std::pair<std::uint32_t, int> cases[] = {
      {kDrawSelected | kDrawHot | kDrawDisabled, 2}, {kDrawFocus, 4}, {kDrawHot | kDrawGrayed, 4},
      {kDrawGrayed | kDrawDefault, 0}, {kDrawDisabled, 0}, {kDrawDefault, 1}, {0, 1},
      {0x200, 1},  // keyboard cues only: still the default state
      {kDrawChecked, 0}, {kDrawMarked | 0x200, 0}, {kDrawIndeterminate, 0},
  };
  for (const auto& [state, frame] : cases) {
    const TToolbarButtonLook look = ToolbarButtonLook(state, &buttons, true, 0);
    EXPECT_EQ(look.Frame, frame) << state;
    EXPECT_EQ(look.TextColour, frame == 0 ? std::nullopt : std::optional<TColor>(frame)) << state;
  }
  buttons.HasMouseOverColour2 = false;
  EXPECT_EQ(ToolbarButtonLook(kDrawHot, &buttons, true, 0).TextColour, std::nullopt);
  // Nothing without the element, while the frame skinner is not running, or with xoToolbarButton.
  EXPECT_EQ(ToolbarButtonLook(0, nullptr, true, 0).Frame, 0);
  EXPECT_EQ(ToolbarButtonLook(0, &buttons, false, 0).Frame, 0);
  EXPECT_EQ(ToolbarButtonLook(0, &buttons, true, SkinBit(xoToolbarButton)).Frame, 0);

  EXPECT_TRUE(ToolbarBackgroundPainted(true, 0));
  EXPECT_FALSE(ToolbarBackgroundPainted(true, SkinBit(xoToolbarBK)));
  EXPECT_FALSE(ToolbarBackgroundPainted(false, 0));
}

}  // namespace
}  // namespace varnelta
