#include "skin/controls/skin_scrollbar.h"

#include "runtime/win_control.h"
#include "skin/controls/property_access.h"
#include "skin/controls/skin_up_down.h"
#include "skin/data/skin_types.h"
#include "skin/frame/win_skin_form.h"

namespace varnelta {

namespace {
constexpr UINT kVisibleChanged = 0xB00B;  // CM_VISIBLECHANGED
constexpr UINT kEnabledChanged = 0xB00C;  // CM_ENABLEDCHANGED
constexpr UINT kRecreateWnd = 0xB033;     // CM_RECREATEWND
constexpr UINT kMouseLeave = 0xB014;      // CM_MOUSELEAVE
constexpr LPARAM kPaintRequest = 0x41A2;

// The client area of a window fills it: it has no border.
bool Borderless(HWND window, int slack) {
  RECT client{}, outer{};
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  return client.right + slack >= outer.right - outer.left || client.bottom + slack >= outer.bottom - outer.top;
}
}  // namespace

const TClassInfo& TSkinScrollbar::StaticClass() {
  static const TClassInfo info{"TSkinScrollbar", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool) {
  AttachScrollControl(control, data, FSkinForm, canvas);
}

void TSkinScrollbar::AttachScrollControl(TControl* control, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached || !control) return;
  FSkinForm = frame;
  // The base attach takes the procedure over; the control's Color is left alone.
  TSkinControl::AttachControl(control, data, canvas, false);
  if (FState != scsAttached) return;
  const std::string border = GetEnumPropertyText(control, "BorderStyle");
  FDrawBorder = border != "bsnone" && control->ClassName() != "TImageScrollBox" && FKind != 1;
  const std::int64_t fixed = GetOrdProperty(control, "FixedColor");
  if (fixed != -1 && Skin()) {
    FSavedColor = static_cast<TColor>(fixed);
    FRecolour = true;
    SetOrdProp(control, "FixedColor", Skin()->Colours[kColourButtonFace]);
  }
  if (!Skin() || !FHandle) return;
  FHorzBar = std::make_unique<TWScrollbar>(Skin(), FHandle, 0);
  FVertBar = std::make_unique<TWScrollbar>(Skin(), FHandle, 1);
  for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
    EnableWindow(bar->Handle(), control->Enabled());
    if (!control->Visible()) bar->HideBar();
  }
}

void TSkinScrollbar::PlaceBars() {
  if (!FHandle) return;
  if (FHorzBar) FHorzBar->Place(FHandle);
  if (FVertBar) FVertBar->Place(FHandle);
}

void TSkinScrollbar::DrawBorder(HDC dc) {
  RECT r{};
  GetWindowRect(FHandle, &r);
  OffsetRect(&r, -r.left, -r.top);
  FrameColour(dc, r, SkinColour(kColourButtonShadow));
  InflateRect(&r, -1, -1);
  FrameColour(dc, r, SkinColour(kColourButtonFace));
}

bool TSkinScrollbar::BarsCovered() const {
  const LONG_PTR style = GetWindowLongEx(FHandle, GWL_STYLE);
  const struct {
    const TWScrollbar* bar;
    LONG_PTR bit;
  } bars[] = {{FVertBar.get(), WS_VSCROLL}, {FHorzBar.get(), WS_HSCROLL}};
  for (const auto& b : bars) {
    if ((style & b.bit) && !(b.bar && b.bar->Visible())) return false;
  }
  return true;
}

// The frame area (the window less its client area and the overlays) in the face colour, for the
// border to be drawn on. Drawing the native bars only for the overlays to cover them is most of
// the cost of a repaint.
void TSkinScrollbar::FillFrameArea(HDC dc) {
  RECT window{}, client{};
  GetWindowRect(FHandle, &window);
  GetClientRect(FHandle, &client);
  MapWindowPoints(FHandle, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const int saved = SaveDC(dc);
  auto exclude = [&](const RECT& r) {
    ExcludeClipRect(dc, r.left - window.left, r.top - window.top, r.right - window.left, r.bottom - window.top);
  };
  exclude(client);
  for (const TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
    RECT covered{};
    if (bar && bar->Visible() && GetWindowRect(bar->Handle(), &covered)) exclude(covered);
  }
  FillColour(dc, {0, 0, window.right - window.left, window.bottom - window.top}, SkinColour(kColourButtonFace));
  RestoreDC(dc, saved);
}

bool TSkinScrollbar::BeforeMessage(TMessage& message) {
  if (message.Msg == WM_NCPAINT) {
    const bool bordered = !Borderless(FHandle, 0);
    // With every native bar covered and the border drawn here, the native frame is not seen.
    const bool own = BarsCovered() && (FDrawBorder || !bordered);
    if (!own) CallDefault(message);
    message.Result = 0;
    if (own || (FDrawBorder && bordered)) {
      if (HDC dc = GetWindowDC(FHandle)) {
        if (own) FillFrameArea(dc);
        if (FDrawBorder && bordered) DrawBorder(dc);
        ReleaseDC(FHandle, dc);
      }
    }
    return false;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinScrollbar::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: PlaceBars(); break;
    case WM_HSCROLL:
      if (FHorzBar) FHorzBar->SetPart(LOWORD(message.WParam));
      break;
    case WM_VSCROLL:
      if (FVertBar) FVertBar->SetPart(LOWORD(message.WParam));
      break;
    case WM_MOUSEWHEEL:
      if (FHorzBar) FHorzBar->Invalidate();
      if (FVertBar) FVertBar->Invalidate();
      break;
    case kVisibleChanged:
      if (message.WParam) {
        PlaceBars();
      } else {
        if (FHorzBar) FHorzBar->HideBar();
        if (FVertBar) FVertBar->HideBar();
      }
      break;
    case kEnabledChanged:
      for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
        if (bar && FControl) EnableWindow(bar->Handle(), FControl->Enabled());
      }
      break;
    case kRecreateWnd:
      if (FControl && FSkinForm && FHandle) {
        if (HWND frame = GetAncestor(FHandle, GA_ROOT)) {
          PostMessageW(frame, kMsgReskinControl, reinterpret_cast<WPARAM>(FHandle), 0);
        }
      }
      break;
    case kMsgPaintSkinnedFrame:
      if (message.LParam == kPaintRequest && message.WParam) {
        DrawBorder(reinterpret_cast<HDC>(message.WParam));
        message.Result = kPaintRequest;
      }
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinScrollbar::PaintSkin(HDC dc, const RECT&) {
  const LONG_PTR style = GetWindowLongEx(FHandle, GWL_STYLE);
  const struct {
    TWScrollbar* bar;
    LONG_PTR bit;
  } bars[] = {{FVertBar.get(), WS_VSCROLL}, {FHorzBar.get(), WS_HSCROLL}};
  for (const auto& b : bars) {
    if (!b.bar) continue;
    if (b.bar->Visible()) {
      // Gone since the last paint: hidden; still there: drawn again.
      if (!(style & b.bit)) {
        b.bar->Place(FHandle);
      } else {
        b.bar->Invalidate();
      }
    } else if (style & b.bit) {
      b.bar->Place(FHandle);
    }
  }
  if (FHorzBar && FVertBar && FHorzBar->Visible() && FVertBar->Visible()) {
    const RECT& v = FVertBar->BarRect();
    const RECT& h = FHorzBar->BarRect();
    FillColour(dc, {v.left + 2, h.top + 2, v.right + 2, h.bottom + 2}, SkinColour(kColourButtonFace));
  }
}

void TSkinScrollbar::Detach() {
  if (FRecolour && FControl) {
    SetOrdProp(FControl, "FixedColor", FSavedColor);
    FRecolour = false;
  }
  TSkinControl::Detach();
  // A control whose window is re-created keeps living: the frame gives the new window a skinner.
  if (FState == scsWindowDestroyed && FSkinForm && FSkinForm->Handle()) {
    PostMessageW(FSkinForm->Handle(), kMsgReskinControl, 0, 0);
  }
  // The overlays are windows of the form, not of the control: they go with the control's skin.
  FHorzBar.reset();
  FVertBar.reset();
}

void TSkinScrollbar::SkinChanged() {
  const std::int64_t fixed = GetOrdProperty(FControl, "FixedColor");
  if (fixed != -1 && Skin()) {
    if (!FRecolour) FSavedColor = static_cast<TColor>(fixed);
    FRecolour = true;
    SetOrdProp(FControl, "FixedColor", Skin()->Colours[kColourButtonFace]);
  }
  if (FHorzBar) FHorzBar->SkinChanged();
  if (FVertBar) FVertBar->SkinChanged();
  PlaceBars();
  Repaint();
}

// --- TSkinEdit ---

const TClassInfo& TSkinEdit::StaticClass() {
  static const TClassInfo info{"TSkinEdit", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

void TSkinEdit::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT: PaintWindow(nullptr); break;
    case WM_MOUSEMOVE:
      if (!(FMouseState & 1) && !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED)) {
        FMouseState |= 1;
        PaintWindow(nullptr);
      }
      TrackMouseLeave(FHandle);
      break;
    case WM_MOUSELEAVE:
    case kMouseLeave:
      if (FMouseState & 1) {
        FMouseState &= static_cast<std::uint8_t>(~1);
        PaintWindow(nullptr);
      }
      break;
    case WM_ENABLE:
      // A disabled edit is never hot: the mouse may have been over it when it was switched off.
      if (!message.WParam) FMouseState &= static_cast<std::uint8_t>(~1);
      TSkinControl::AfterMessage(message);
      break;
    case WM_PRINT: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      HDC own = dc ? nullptr : GetWindowDC(FHandle);
      if (GetWindowRect(FHandle, &FWindowRect)) {
        PrintBorder(dc ? dc : own, {0, 0, FWindowRect.right - FWindowRect.left, FWindowRect.bottom - FWindowRect.top});
      }
      if (own) ReleaseDC(FHandle, own);
      break;
    }
    case kMsgPaintEditContent:
      if (message.LParam == kPaintRequest && message.WParam) {
        TMessage paint{WM_PAINT, message.WParam, 0, 0};
        CallDefault(paint);
        message.Result = kPaintRequest;
      }
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

bool TSkinEdit::Hot() const {
  return (FMouseState & 1) && !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED);
}

COLORREF TSkinEdit::OuterColour() const {
  return SkinColour(Hot() ? kColourHilight : kColourButtonShadow);
}

void TSkinEdit::PaintSkin(HDC dc, const RECT& rect) {
  if (!FUpDown) FUpDown = MakeEditUpDown(FHandle, FSkinData, FSkinForm, FCanvas);
  if (Borderless(FHandle, 0)) return;
  // Under the mouse the two outer rings take the skin's highlight colour.
  RECT r = rect;
  FrameColour(dc, r, OuterColour());
  InflateRect(&r, -1, -1);
  FrameColour(dc, r, Hot() ? OuterColour() : RGB(255, 255, 255));
  InflateRect(&r, -1, -1);
  FrameColour(dc, r, RGB(255, 255, 255));
}

void TSkinEdit::PrintBorder(HDC dc, const RECT& rect) {
  if (!dc || Borderless(FHandle, 2)) return;
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  FrameColour(dc, rect, OuterColour());
}

}  // namespace varnelta
