#include "statusbar/win32/rz_status_pane.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "runtime/application.h"
#include "runtime/class_registry.h"
#include "runtime/form.h"
#include "runtime/win_handles.h"
#include "statusbar/win32/draw_border.h"
#include "statusbar/win32/system_sources.h"
#include "statusbar/win32/visual_styles.h"
#include "statusbar/win32/rz_controls.h"
#include "statusbar/win32/rz_helpers.h"

namespace varnelta {

namespace sb = statusbar;
using rz_helpers::ColorProp;
using rz_helpers::Rgb;
using rz_helpers::Sys;

const TClassInfo& TRzStatusPane::StaticClass() {
  using C = TRzStatusPane;
  static const TClassInfo info{
      "TRzStatusPane",
      &TRzCustomStatusPane::StaticClass(),
      {EnumProperty("Alignment", PaneAlignmentType, &C::Alignment, &C::SetAlignment, sb::taLeftJustify),
       BoolProperty("AutoHint", &C::AutoHint, &C::SetAutoHint, false),
       BoolProperty("AutoSize", &C::AutoSize, &C::SetAutoSize, false),
       BoolProperty("Blinking", &C::Blinking, &C::SetBlinking, false),
       ColorProp(IntProperty("BlinkColor", &C::BlinkColor, &C::SetBlinkColor, clHighlight)),
       IntProperty("BlinkIntervalOff", &C::BlinkIntervalOff, &C::SetBlinkIntervalOff, 500),
       IntProperty("BlinkIntervalOn", &C::BlinkIntervalOn, &C::SetBlinkIntervalOn, 500),
       StrProperty("Caption", &C::Caption, &C::SetCaption),
       IntProperty("CaptionOffset", &C::CaptionOffset, &C::SetCaptionOffset, 2),
       IntProperty("DefaultWidth", &C::DefaultWidth, &C::SetDefaultWidth, 40)},
      [](TComponent* owner) -> TComponent* { return new TRzStatusPane(owner); }};
  return info;
}

TRzStatusPane::TRzStatusPane(TComponent* owner) : TRzCustomStatusPane(owner) {}

}  // namespace varnelta
