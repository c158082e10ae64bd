#include "statusbar/win32/rz_frame_controller.h"

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

const TClassInfo& TRzFrameController::StaticClass() {
  using C = TRzFrameController;
  static const TClassInfo info{
      "TRzFrameController",
      &TComponent::StaticClass(),
      {ColorProp(IntProperty("Color", &C::Color, &C::SetColor, clWindow)),
       ColorProp(IntProperty("FrameColor", &C::FrameColor, &C::SetFrameColor, clBtnShadow)),
       EnumProperty("FrameStyle", FrameStyleType, &C::FrameStyle, &C::SetFrameStyle, sb::fsFlat),
       BoolProperty("FrameVisible", &C::FrameVisible, &C::SetFrameVisible, true),
       BoolProperty("ParentColor", &C::ParentColor, &C::SetParentColor, false)},
      [](TComponent* owner) -> TComponent* { return new TRzFrameController(owner); }};
  return info;
}

TRzFrameController::TRzFrameController(TComponent* owner) : TComponent(owner) {}

TRzFrameController::~TRzFrameController() {
  for (TRzCustomStatusPane* pane : panes_) pane->FrameControllerGone();
}

void TRzFrameController::SetFrameStyle(sb::TFrameStyle v) {
  frameStyle_ = v;
  Changed();
}
void TRzFrameController::SetFrameColor(TColor v) {
  frameColor_ = v;
  Changed();
}
void TRzFrameController::SetFrameVisible(bool v) {
  frameVisible_ = v;
  Changed();
}
void TRzFrameController::SetColor(TColor v) {
  color_ = v;
  Changed();
}
void TRzFrameController::SetParentColor(bool v) {
  parentColor_ = v;
  Changed();
}

void TRzFrameController::AddPane(TRzCustomStatusPane* pane) {
  if (std::find(panes_.begin(), panes_.end(), pane) == panes_.end()) panes_.push_back(pane);
}
void TRzFrameController::RemovePane(TRzCustomStatusPane* pane) {
  panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end());
}

void TRzFrameController::Changed() {
  for (TRzCustomStatusPane* pane : panes_) pane->ApplyFrameController();
}

}  // namespace varnelta
