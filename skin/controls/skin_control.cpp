#include "skin/controls/skin_control.h"

#include <commctrl.h>

#include <vector>

#include "runtime/graphics.h"
#include "runtime/win_control.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/property_access.h"
#include "skin/data/skin_types.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

namespace {
// The id under which skinners sit in a window's subclass chain.
constexpr UINT_PTR kSubclassId = 0x5343;  // "SC"
constexpr UINT kEnabledChanged = 0xB00C;  // CM_ENABLEDCHANGED
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
    FHandle = windowed->Handle();
    FUnicode = FHandle && IsWindowUnicode(FHandle);
  }
  FOldWindowProc = control->WindowProc;
  control->WindowProc = [this](TMessage& message) { WindowProcedure(message); };
  if (recolour) {
    FRecolour = true;
    FSavedColor = control->Color();
    if (const TSkinElements* skin = Skin()) control->SetColor(skin->Colours[kColourButtonFace]);
  }
  control->Invalidate();
  FState = scsAttached;
}

void TSkinControl::AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached || !window) return;
  FAttached = true;
  FHandle = window;
  FSkinData = data;
  FSkinForm = frame;
  FCanvas = canvas;
  FEnabled = true;
  FUnicode = IsWindowUnicode(window) != FALSE;
  FText = ReadWindowText(window);
  if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return;
  subclassed_ = true;
  InvalidateRect(window, nullptr, TRUE);
  FState = scsAttached;
}

void TSkinControl::Detach() {
  if (FRecolour && FControl) FControl->SetColor(FSavedColor);
  FRecolour = false;
}

bool TSkinControl::BeforeMessage(TMessage&) { return true; }

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case kEnabledChanged: Repaint(); break;
    case WM_PAINT: PaintWindow(reinterpret_cast<HDC>(message.WParam)); break;
    default: break;
  }
}

void TSkinControl::PaintWindow(HDC dc) {
  if (!FHandle || !GetWindowRect(FHandle, &FWindowRect)) return;
  const RECT rect{0, 0, FWindowRect.right - FWindowRect.left, FWindowRect.bottom - FWindowRect.top};
  // A broken picture never breaks the control's message handling.
  try {
    if (dc) {
      PaintSkin(dc, rect);
    } else if (HDC own = GetWindowDC(FHandle)) {
      try {
        PaintSkin(own, rect);
      } catch (...) {
        ReleaseDC(FHandle, own);
        throw;
      }
      ReleaseDC(FHandle, own);
    }
  } catch (...) {
  }
}

void TSkinControl::PaintSkin(HDC, const RECT&) {}

void TSkinControl::SkinChanged() {
  if (FRecolour && FControl) {
    if (const TSkinElements* skin = Skin()) FControl->SetColor(skin->Colours[kColourButtonFace]);
  }
  Repaint();
}

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

void TSkinControl::Repaint() {
  if (FPaintTarget) {
    FPaintTarget->Invalidate();
    return;
  }
  if (!FHandle || !IsWindow(FHandle)) return;
  InvalidateRect(FHandle, nullptr, TRUE);
  UpdateWindow(FHandle);
}

void TSkinControl::WindowProcedure(TMessage& message) {
  ++busy_;
  if (message.Msg == kMsgSkinControlSwitch) {
    FActive = message.WParam > 0;
    if (FHandle) {
      if (FActive) {
        Repaint();
      } else {
        InvalidateRect(FHandle, nullptr, TRUE);
      }
    }
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
  // The window is gone: its procedure goes with it, and the handle may soon name another window,
  // so nothing is written to it after this.
  FActive = false;
  Unhook();
  FState = scsWindowDestroyed;
  Detach();
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

// --- helpers ---

COLORREF TSkinControl::SkinColour(int index) const {
  const TSkinElements* skin = Skin();
  return ColorToRGB(skin ? skin->Colours[static_cast<std::size_t>(index)] : (clSystemColor | COLOR_BTNFACE));
}

int TSkinControl::ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

void TSkinControl::PaintOnWMPaint(TMessage& message) {
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(FHandle, &ps);
  if (dc && GetWindowRect(FHandle, &FWindowRect)) {
    const RECT rect{0, 0, FWindowRect.right - FWindowRect.left, FWindowRect.bottom - FWindowRect.top};
    try {
      PaintSkin(dc, rect);
    } catch (...) {
    }
  }
  if (own) EndPaint(FHandle, &ps);
  message.Result = 0;
}

void TSkinControl::EraseOnWMEraseBkgnd(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (FControl) {
    PaintParentBackground(FControl, dc);
  } else {
    RECT client{};
    GetClientRect(FHandle, &client);
    FillFace(dc, client);
  }
  message.Result = 1;
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const { FillColour(dc, rect, SkinColour(kColourButtonFace)); }

void TSkinControl::FillColour(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  if (!brush) return;
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void TSkinControl::FrameColour(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  if (!brush) return;
  FrameRect(dc, &rect, brush);
  DeleteObject(brush);
}

TColor TSkinControl::ParentColour(TColor fallback) const {
  if (!FControl || !FControl->Parent()) return fallback;
  const std::int64_t colour = GetOrdProperty(FControl->Parent(), "Color");
  return colour == -1 ? fallback : static_cast<TColor>(colour);
}

UINT TSkinControl::TextFlags(UINT flags) const {
  if (GetEnumPropertyText(FControl, "BiDiMode") == "bdrighttoleft") flags |= DT_RTLREADING;
  return flags;
}

void TSkinControl::DrawFocusAroundText(HDC dc, UINT flags, const RECT& rect) {
  RECT t = rect;
  DrawTextEx(dc, FText, t, flags | DT_CALCRECT | DT_NOCLIP);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int tw = t.right - t.left, th = t.bottom - t.top;
  if (flags & DT_CENTER) {
    OffsetRect(&t, (width - tw) / 2, (height - th) / 2 - 1);
  } else if (flags & DT_RIGHT) {
    OffsetRect(&t, width - tw, 0);
  }
  InflateRect(&t, 2, 1);
  RECT clipped{};
  if (IntersectRect(&clipped, &t, &rect)) DrawFocusRect(dc, &clipped);
}

TPoint TSkinControl::ForwardMouseDown(const TMessage& message) {
  RECT window{};
  if (FHandle) GetWindowRect(FHandle, &window);
  POINT cursor{}, origin{};
  GetCursorPos(&cursor);
  if (FHandle) ClientToScreen(FHandle, &origin);
  FLastMouseDown = MouseDownPoint(static_cast<std::int64_t>(message.LParam),
                                  {window.right - window.left, window.bottom - window.top},
                                  {cursor.x, cursor.y}, {origin.x, origin.y});
  return FLastMouseDown;
}

void TSkinControl::TrackMouseLeave(HWND window) const { varnelta::TrackMouseLeave(window); }

LONG_PTR TSkinControl::GetWindowLongEx(HWND window, int index) {
  return IsWindowUnicode(window) ? GetWindowLongPtrW(window, index) : GetWindowLongPtrA(window, index);
}

int TSkinControl::DrawTextEx(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  return DrawTextWide(dc, text, rect, format);
}

std::wstring TSkinControl::ReadWindowText(HWND window) { return GetWindowTextAsWide(window); }

void TSkinControl::DrawSlicedFrame(HDC dc, const RECT& rect, const TBitmap& image, bool vertical, bool tile,
                                   bool transparent, int frameCount, int frame, const TRect& margins) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0 || image.Empty()) return;
  TDibSection picture = gdi::BuildSlicedBitmap(width, height, image, margins, vertical, tile, frameCount, frame);
  if (picture.Empty()) return;
  if (transparent) {
    gdi::DrawTransparent(dc, {rect.left, rect.top, rect.right, rect.bottom}, picture.Handle(), 0xFF00FF);
    return;
  }
  HDC source = CreateCompatibleDC(dc);
  if (!source) return;
  HGDIOBJ old = SelectObject(source, picture.Handle());
  BitBlt(dc, rect.left, rect.top, width, height, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void TSkinControl::DrawElementFrame(HDC dc, const RECT& rect, int frameCount, int frame,
                                    const TDataSkinObject& element) {
  DrawSlicedFrame(dc, rect, element.Image, false, element.Tile != 0, element.Trans == 1, frameCount, frame,
                  ScalePixels(element.Margins, ScreenDpi()));
}

void TSkinControl::PaintParentBackground(TControl* control, HDC dc) {
  if (!control || !dc) return;
  auto* parent = control->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  const int saved = SaveDC(dc);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
  const TRect client = control->ClientRect();
  IntersectClipRect(dc, control->Left(), control->Top(), control->Left() + client.Width(),
                    control->Top() + client.Height());
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  RestoreDC(dc, saved);
}

}  // namespace varnelta
