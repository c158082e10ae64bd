#include "skin/controls/skin_box.h"

#include "runtime/win_control.h"

namespace varnelta {

const TClassInfo& TSkinBox::StaticClass() {
  static const TClassInfo info{"TSkinBox", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

void TSkinBox::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool) {
  if (FAttached || !control) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed || !data) return;
  FAttached = true;
  FSkinData = data;
  FCanvas = canvas;
  FControl = control;
  FHandle = windowed->Handle();
  FRecolour = true;
  FSavedColor = control->Color();
  control->SetColor(data->Skin().Colours[kColourButtonFace]);
  FState = scsAttached;
}

bool TSkinBox::ControlAlive() const {
  return FControl && FHandle && IsWindow(FHandle) && FindControl(FHandle) == FControl;
}

void TSkinBox::Detach() {
  if (FRecolour && ControlAlive()) FControl->SetColor(FSavedColor);
  FRecolour = false;
  FState = scsDetached;
}

void TSkinBox::SkinChanged() {
  if (FRecolour && ControlAlive() && Skin()) FControl->SetColor(Skin()->Colours[kColourButtonFace]);
}

}  // namespace varnelta
