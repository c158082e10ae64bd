#include "skin/controls/skin_control.h"

#include <commctrl.h>

#include "runtime/win_control.h"
#include "skin/data/skin_types.h"

namespace varnelta {

namespace {
// The id under which skinners sit in a window's subclass chain.
constexpr UINT_PTR kSubclassId = 0x5343;  // "SC"
}  // namespace

const TClassInfo& TSkinControl::StaticClass() {
  static const TClassInfo info{"TSkinControl", &TComponent::StaticClass(), {}, {}};
  return info;
}

TSkinControl::TSkinControl() : TComponent(nullptr) {}

TSkinControl::~TSkinControl() {
  // Nothing of the skinner may stay reachable from a live window.
  if (FState == scsAttached) Unhook();
}

void TSkinControl::Start(TWinSkinForm* frame, TSkinData* data, TControl* control, HWND window,
                         bool ownsChildren, TCanvas* canvas) {
  FSkinForm = frame;
  FOwnsChildren = ownsChildren;
  if (control) {
    AttachControl(control, data, canvas, false);
  } else {
    AttachHandle(window, data, frame, canvas);
  }
}

void TSkinControl::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  if (FAttached || !control) return;
  FAttached = true;
  FControl = control;
  FSkinData = data;
  FCanvas = canvas;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    FHandle = windowed->HandleIfAllocated();
    FUnicode = FHandle && IsWindowUnicode(FHandle);
  }
  if (recolour) {
    FRecolour = true;
    FSavedColor = control->Color();
  }
  FOldWindowProc = control->WindowProc;
  control->WindowProc = [this](TMessage& message) { WindowProcedure(message); };
  FState = scsAttached;
}

void TSkinControl::AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached || !window) return;
  FAttached = true;
  FHandle = window;
  FSkinData = data;
  FSkinForm = frame;
  FCanvas = canvas;
  FUnicode = IsWindowUnicode(window) != FALSE;
  if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return;
  subclassed_ = true;
  FState = scsAttached;
}

void TSkinControl::Detach() {
  if (FRecolour && FControl) FControl->SetColor(FSavedColor);
  FRecolour = false;
}

bool TSkinControl::BeforeMessage(TMessage&) { return true; }
void TSkinControl::AfterMessage(TMessage&) {}
void TSkinControl::PaintWindow(HDC) {}
void TSkinControl::PaintSkin(HDC, const RECT&) {}
void TSkinControl::SkinChanged() {}

void TSkinControl::Unhook() {
  if (FControl && FOldWindowProc) {
    FControl->WindowProc = std::move(FOldWindowProc);
    FOldWindowProc = nullptr;
  }
  if (subclassed_) {
    // Taken out of the chain wherever it sits; subclassers added later stay in place.
    RemoveWindowSubclass(FHandle, SubclassProc, kSubclassId);
    subclassed_ = false;
  }
  if (FState == scsAttached) FState = scsDetached;
}

void TSkinControl::CallDefault(TMessage& message) {
  if (FOldWindowProc) {
    FOldWindowProc(message);
  } else if (subclassed_) {
    message.Result = DefSubclassProc(FHandle, message.Msg, message.WParam, message.LParam);
  }
}

void TSkinControl::WindowProcedure(TMessage& message) {
  ++busy_;
  if (message.Msg == kMsgSkinControlSwitch) {
    FActive = message.WParam > 0;
    if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
    message.Result = 0;
  } else if (message.Msg == kMsgIsSkinned) {
    message.Result = 1;
  } else if (!FActive) {
    CallDefault(message);
  } else if (BeforeMessage(message)) {
    CallDefault(message);
    AfterMessage(message);
  }
  --busy_;
  // Last: giving the control its procedure back replaces the method this call came through.
  if (message.Msg == WM_NCDESTROY) WindowDestroyed();
}

void TSkinControl::WindowDestroyed() {
  Unhook();
  FState = scsWindowDestroyed;
  FHandle = nullptr;
  FControl = nullptr;
}

LRESULT CALLBACK TSkinControl::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
  auto* skinner = reinterpret_cast<TSkinControl*>(self);
  TMessage message{msg, wParam, lParam, 0};
  (void)window;
  skinner->WindowProcedure(message);
  return message.Result;
}

}  // namespace varnelta
