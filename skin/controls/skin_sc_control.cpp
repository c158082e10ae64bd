#include "skin/controls/skin_sc_control.h"

#include "runtime/win_control.h"

namespace varnelta {

namespace {
constexpr UINT kVisibleChanged = 0xB00B;  // CM_VISIBLECHANGED
constexpr UINT kEnabledChanged = 0xB00C;  // CM_ENABLEDCHANGED
}  // namespace

const TClassInfo& TSkinScControl::StaticClass() {
  static const TClassInfo info{"TSkinScControl", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool) {
  AttachScrollBarControl(control, data, FSkinForm, canvas);
}

void TSkinScControl::AttachScrollBarControl(TControl* control, TSkinData* data, TWinSkinForm* frame,
                                            TCanvas* canvas) {
  if (FAttached || !control) return;
  FSkinForm = frame;
  // The control's Color is left alone: the overlay shows the whole bar.
  TSkinControl::AttachControl(control, data, canvas, false);
  if (FState != scsAttached) return;
  MakeBar();
  if (FBar && !control->Visible()) FBar->HideBar();
}

void TSkinScControl::AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached) return;
  TSkinControl::AttachHandle(window, data, frame, canvas);
  if (FState == scsAttached) MakeBar();
}

void TSkinScControl::MakeBar() {
  if (!Skin() || !FHandle) return;
  FBar = std::make_unique<TWScrollbar>(Skin(), FHandle, 2);
  if (HWND overlay = FBar->Handle()) EnableWindow(overlay, IsWindowEnabled(FHandle));
}

bool TSkinScControl::BeforeMessage(TMessage& message) {
  // The overlay covers the whole control: the native bar would only be drawn to be covered, and
  // drawing it is most of the cost of a repaint.
  if (!FBar || !FBar->Visible()) return TSkinControl::BeforeMessage(message);
  switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return false;
    case WM_PAINT: {
      // Into the caller's device context when one comes with the message.
      PAINTSTRUCT ps{};
      if (HDC given = reinterpret_cast<HDC>(message.WParam)) {
        RECT client{};
        GetClientRect(FHandle, &client);
        FillColour(given, client, SkinColour(kColourButtonFace));
      } else if (HDC dc = BeginPaint(FHandle, &ps)) {
        FillColour(dc, ps.rcPaint, SkinColour(kColourButtonFace));
        EndPaint(FHandle, &ps);
      }
      FBar->Invalidate();
      message.Result = 0;
      return false;
    }
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinScControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
      if (FBar && FHandle) FBar->Place(FHandle);
      break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case CN_BASE + WM_HSCROLL:
    case CN_BASE + WM_VSCROLL:
      if (FBar) FBar->Invalidate();
      break;
    case kVisibleChanged:
      if (!FBar) break;
      if (message.WParam) {
        FBar->Place(FHandle);
      } else {
        FBar->HideBar();
      }
      break;
    case kEnabledChanged:
    case WM_ENABLE:
      if (FBar && FBar->Handle()) {
        EnableWindow(FBar->Handle(), IsWindowEnabled(FHandle));
        FBar->Invalidate();
      }
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinScControl::PaintSkin(HDC, const RECT&) {
  if (FBar) FBar->Invalidate();
}

void TSkinScControl::Detach() {
  TSkinControl::Detach();
  // The overlay is a window of the control's parent: it goes with the skin.
  FBar.reset();
}

void TSkinScControl::SkinChanged() {
  if (FBar) FBar->SkinChanged();
  if (FBar && FHandle) FBar->Place(FHandle);
  if (FBar) FBar->Invalidate();
}

}  // namespace varnelta
