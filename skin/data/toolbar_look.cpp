#include "skin/data/toolbar_look.h"

#include "skin/data/skin_objects.h"

namespace varnelta {
namespace {

constexpr std::uint32_t kAnyItemState = kDrawSelected | kDrawGrayed | kDrawDisabled | kDrawChecked |
                                        kDrawFocus | kDrawDefault | kDrawHot | kDrawMarked |
                                        kDrawIndeterminate;

int FrameOf(std::uint32_t state) {
  if ((state & kDrawSelected) != 0) return 2;
  if ((state & (kDrawFocus | kDrawHot)) != 0) return 4;
  if ((state & (kDrawGrayed | kDrawDisabled)) != 0) return 0;
  if ((state & kDrawDefault) != 0 || (state & kAnyItemState) == 0) return 1;
  return 0;
}

}  // namespace

TToolbarButtonLook ToolbarButtonLook(std::uint32_t state, const TDataSkinButton* buttons, bool frameRunning,
                                     TSkinOptions options) {
  TToolbarButtonLook look;
  if (buttons == nullptr || buttons->Image.Empty() || !frameRunning || InSet(options, xoToolbarButton))
    return look;
  look.Frame = FrameOf(state);
  if (look.Frame == 1 && buttons->HasNormalColour2) look.TextColour = buttons->NormalColour2;
  if (look.Frame == 4 && buttons->HasMouseOverColour2) look.TextColour = buttons->MouseOverColour2;
  if (look.Frame == 2 && buttons->HasPressedColour2) look.TextColour = buttons->PressedColour2;
  return look;
}

bool ToolbarBackgroundPainted(bool hasToolbarElement, TSkinOptions options) {
  return hasToolbarElement && !InSet(options, xoToolbarBK);
}

}  // namespace varnelta
