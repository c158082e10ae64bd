#include "skin/controls/skin_mp.h"

namespace varnelta {

const TClassInfo& TSkinMP::StaticClass() {
  static const TClassInfo info{"TSkinMP", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

TSkinMP::~TSkinMP() {
  delete FPanel;
  FPanel = nullptr;
}

void TSkinMP::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  if (FAttached) return;
  TSkinControl::AttachControl(control, data, canvas, recolour);
  if (!control || !control->Parent()) return;
  FPanel = new TWMediaPlayer(this, control, data);
  FPanel->SetParent(control->Parent());
  Follow();
  FPanel->HandleNeeded();
  if (HWND panel = FPanel->HandleIfAllocated()) {
    SetWindowPos(panel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TSkinMP::Follow() {
  if (!FPanel || !FControl) return;
  const TRect b = FControl->BoundsRect();
  FPanel->SetBounds(b.Left, b.Top, b.Width(), b.Height());
  FPanel->SetVisible(FControl->Visible());
}

void TSkinMP::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case CM_VISIBLECHANGED: Follow(); break;
    case CM_ENABLEDCHANGED:
      if (FPanel) FPanel->Invalidate();
      break;
    default: break;
  }
  TSkinControl::AfterMessage(message);
}

void TSkinMP::Detach() {
  // The panel goes unless the player's window (and so the panel's parent) is gone already.
  if (FState != scsWindowDestroyed) {
    delete FPanel;
    FPanel = nullptr;
  }
  TSkinControl::Detach();
}

}  // namespace varnelta
