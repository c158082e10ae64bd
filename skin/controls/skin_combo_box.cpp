#include "skin/controls/skin_combo_box.h"

#include <oleacc.h>

#include "skin/controls/scroll_maths.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

namespace {
constexpr UINT kMouseLeave = 0xB014;            // CM_MOUSELEAVE
constexpr UINT kCommandNotify = 0xBC00 + 0x111;  // CN_COMMAND
}  // namespace

const TClassInfo& TSkinComBox::StaticClass() {
  static const TClassInfo info{"TSkinComBox", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

TSkinComBox::~TSkinComBox() = default;

void TSkinComBox::Configure(const TSkinnerSettings& settings) {
  TSkinControl::Configure(settings);
  FExtended = settings.ExtendedCombo;
}

void TSkinComBox::MakeDropSkinner() {
  if ((FStyle & 3) == CBS_SIMPLE) {
    FInfo.cbSize = sizeof(FInfo);
    if (SkinPlatform().HasComboBoxInfo() && SkinPlatform().GetComboBoxInfo(FHandle, &FInfo)) {
      FList = FInfo.hwndList;
    }
    return;
  }
  FEdit = GetTopWindow(FHandle);
  FInfo.cbSize = sizeof(FInfo);
  if (!SkinPlatform().HasComboBoxInfo() || !SkinPlatform().GetComboBoxInfo(FHandle, &FInfo) || !FInfo.hwndList) return;
  FDropSkinner = std::make_unique<TComboxScrollBar>();
  FDropSkinner->AttachHandle(FInfo.hwndList, FSkinData, FSkinForm, nullptr);
}

void TSkinComBox::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  if (FAttached) return;
  TSkinControl::AttachControl(control, data, canvas, recolour);
  if (FState != scsAttached) return;
  FStyle = GetWindowLongEx(FHandle, GWL_STYLE);
  MakeDropSkinner();
}

void TSkinComBox::AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached) return;
  TSkinControl::AttachHandle(window, data, frame, canvas);
  if (FState != scsAttached) return;
  FStyle = GetWindowLongEx(FHandle, GWL_STYLE);
  if ((FStyle & 3) != CBS_SIMPLE) FEdit = GetTopWindow(FHandle);
}

void TSkinComBox::AfterMessage(TMessage& message) {
  const bool enabled = !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED);
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: PaintWindow(nullptr); break;
    case WM_MOUSEMOVE: {
      const POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      const bool over = PtInRect(&FButtonRect, p) != FALSE;
      if ((FMouseState & 1) && !over && enabled) {
        FMouseState &= static_cast<std::uint8_t>(~1);
        Repaint();
      } else if (!(FMouseState & 1) && over && enabled) {
        FMouseState |= 1;
        Repaint();
      }
      TrackMouseLeave(FHandle);
      break;
    }
    // Drawn over at once: invalidating the whole box here would paint it all a second time. A box
    // without a non-client area has nothing drawn by WM_NCPAINT that its WM_PAINT would not cover.
    case WM_DRAWITEM: PaintWindow(nullptr); break;
    case WM_NCPAINT: {
      RECT client{}, window{};
      GetClientRect(FHandle, &client);
      GetWindowRect(FHandle, &window);
      if (client.right != window.right - window.left || client.bottom != window.bottom - window.top) PaintWindow(nullptr);
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!enabled) break;  // a press on a disabled box leaves it as it is
      FMouseState |= 2;
      Repaint();
      break;
    case WM_LBUTTONUP:
      FMouseState &= static_cast<std::uint8_t>(~2);
      Repaint();
      break;
    case WM_MOUSELEAVE:
    case kMouseLeave:
      if (FMouseState & 1) {
        FMouseState &= static_cast<std::uint8_t>(~1);
        Repaint();
      }
      break;
    case kCommandNotify:
    case WM_COMMAND:
      if (HIWORD(message.WParam) == CBN_DROPDOWN) FDroppedDown = true;
      if (HIWORD(message.WParam) == CBN_CLOSEUP) {
        FDroppedDown = false;
        FMouseState &= static_cast<std::uint8_t>(~2);
        Repaint();
      }
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinComBox::PaintSkin(HDC dc, const RECT& rect) {
  const TSkinElements* skin = Skin();
  if (!skin || !skin->ComboButton || skin->ComboButton->Image.Empty()) return;
  const TDataSkinBorder& button = *skin->ComboButton;
  FStyle = GetWindowLongEx(FHandle, GWL_STYLE);
  FExStyle = GetWindowLongEx(FHandle, GWL_EXSTYLE);
  const RECT r{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  // The button is drawn on the side where the box really has it: a box that keeps its button
  // at the right whatever WS_EX_LEFTSCROLLBAR says is drawn right-handed, so the picture and
  // the place that takes the clicks stay together.
  leftHanded_ = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
  if (SkinPlatform().HasComboBoxInfo()) {
    FInfo.cbSize = sizeof(FInfo);
    if (SkinPlatform().GetComboBoxInfo(FHandle, &FInfo)) {
      FButtonRect = FInfo.rcButton;
      if (FInfo.stateButton & STATE_SYSTEM_INVISIBLE) return;
      leftHanded_ = leftHanded_ && FInfo.rcButton.left < r.right / 2;
    }
  }
  FFocused = GetFocus() == FHandle || (FEdit && GetFocus() == FEdit);
  FEnabled = !(FStyle & WS_DISABLED);
  // A disabled box shows its disabled frame whatever was pressed or hovered, in either look.
  const int frame = ComboButtonFrame(FEnabled, (FMouseState & 2) != 0, (FMouseState & 1) != 0, FFocused);
  if (button.Style == 1) {
    lastFrame_ = frame;
    FlatLook(dc, r, frame, button);
    return;
  }
  lastFrame_ = frame;
  const int e = GetSystemMetrics(SM_CXHSCROLL);
  if (FExtended) {
    ExtendedBorder(dc, r);
    if (skin->ComboArrow && !skin->ComboArrow->Image.Empty() && FEdit) {
      RECT edit{};
      GetWindowRect(FEdit, &edit);
      MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&edit), 2);
      FillFace(dc, edit);
      gdi::DrawFrameCell(dc, {edit.left, edit.top, edit.right, edit.bottom}, skin->ComboArrow->Image, true,
                         skin->ComboArrow->FrameCount > 0 ? skin->ComboArrow->FrameCount : 4, frame);
    }
    return;
  }
  const bool leftHanded = leftHanded_;
  const int frames = button.FrameCount > 0 ? button.FrameCount : 4;
  if (button.Style == 2) {
    const TDataSkinObject* whole = leftHanded && skin->SunkEdge ? skin->SunkEdge.get() : &button;
    DrawSlicedFrame(dc, r, whole->Image, false, false, true, whole->FrameCount > 0 ? whole->FrameCount : 4, frame,
                    whole->Margins);
    return;
  }
  const TComboRects rects = ComboButtonRects({r.left, r.top, r.right, r.bottom}, e, leftHanded);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, rects.TextClip.Left, rects.TextClip.Top, rects.TextClip.Right, rects.TextClip.Bottom);
  if (skin->SunkEdge && !skin->SunkEdge->Image.Empty()) {
    DrawElementFrame(dc, r, skin->SunkEdge->FrameCount > 0 ? skin->SunkEdge->FrameCount : 4, frame, *skin->SunkEdge);
  }
  const TBitmap& picture = leftHanded && !button.SecondImage.Empty() ? button.SecondImage : button.Image;
  gdi::DrawFrameCell(dc, rects.Button, picture, true, frames, frame);
  FButtonRect = {rects.Button.Left, rects.Button.Top, rects.Button.Right, rects.Button.Bottom};
  if (skin->ExtraImages && !skin->ExtraImages->Image.Empty()) {
    const TDataSkinObject& glyph = *skin->ExtraImages;
    const int count = glyph.FrameCount > 0 ? glyph.FrameCount : 5;
    const TRect cell = CentredCell(rects.GlyphArea, glyph.Image.Width() / count, glyph.Image.Height());
    gdi::DrawFrameCell(dc, cell, glyph.Image, true, count, frame);
  }
  RestoreDC(dc, saved);
}

void TSkinComBox::FlatLook(HDC dc, const RECT& r, int state, const TDataSkinBorder& button) {
  const int frames = button.FrameCount > 0 ? button.FrameCount : 4;
  // The picture's cell grows with the screen's DPI like every other skin length.
  const int dpi = ScreenDpi();
  const int cellWidth = ScalePixel(button.Image.Width() / frames, dpi);
  const int cellHeight = ScalePixel(button.Image.Height(), dpi);
  const int t = GetSystemMetrics(SM_CYVTHUMB);
  const bool leftHanded = leftHanded_;
  HBRUSH background = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT ring = r;
  InflateRect(&ring, -1, -1);
  FrameRect(dc, &ring, background);
  RECT inner = ring;
  InflateRect(&inner, -1, -1);
  RECT strip = inner;
  if (leftHanded) {
    strip.right = strip.left + t;
  } else {
    strip.left = strip.right - t;
  }
  FillRect(dc, &strip, background);
  RECT b = inner;
  if (leftHanded) {
    b.right = inner.left + cellWidth;
  } else {
    b.left = inner.right - cellWidth;
  }
  if (cellHeight < t) b.bottom = inner.top + cellHeight;
  FrameColour(dc, r, SkinColour(kColourButtonShadow));
  FButtonRect = b;
  gdi::DrawFrameCell(dc, {b.left, b.top, b.right, b.bottom}, button.Image, true, frames, state);
}

void TSkinComBox::ExtendedBorder(HDC dc, const RECT& r) {
  RECT client{};
  GetClientRect(FHandle, &client);
  if (client.right >= r.right || client.bottom >= r.bottom) return;
  RECT ring = r;
  FrameColour(dc, ring, SkinColour(kColourButtonShadow));
  InflateRect(&ring, -1, -1);
  FrameColour(dc, ring, RGB(255, 255, 255));
}

void TSkinComBox::Detach() {
  TSkinControl::Detach();
  if (FDropSkinner) {
    if (FDropSkinner->State() == scsAttached) {
      FDropSkinner->Unhook();
      FDropSkinner->Detach();
    }
    // Freed once its procedure is no longer running (a list destroyed under it frees later).
    if (!FDropSkinner->Busy()) FDropSkinner.reset();
  }
}

}  // namespace varnelta
