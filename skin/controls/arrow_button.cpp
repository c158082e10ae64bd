#include "skin/controls/arrow_button.h"

#include <windowsx.h>

#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

namespace {
constexpr int kArrowFrames = 4;
}

const TClassInfo& TArrowButton::StaticClass() {
  static const TClassInfo info{"TArrowButton", &TCustomControl::StaticClass(), {}, {}};
  return info;
}

TArrowButton::TArrowButton(TComponent* owner, TWinControl* picker, TSkinData* skin)
    : TCustomControl(owner), FOwnerSkin(skin), FPicker(picker) {
  tabStop_ = false;
  parentColor_ = false;
  color_ = clBtnFace;
  if (skin) SetTag(static_cast<std::intptr_t>(skin->DisableTag()));
  FPickerHandle = picker ? picker->HandleIfAllocated() : nullptr;
}

void TArrowButton::SetHot(bool hot) {
  if (hot && FPickerHandle && !IsWindowEnabled(FPickerHandle)) hot = false;
  if (hot == FHot) return;
  FHot = hot;
  Invalidate();
}

void TArrowButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER: SetHot(true); break;
    case CM_MOUSELEAVE: SetHot(false); break;
    case WM_MOUSEMOVE:
      if (!FHot && handle_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&track);
        SetHot(true);
      }
      break;
    case WM_MOUSELEAVE: SetHot(false); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FPickerHandle) {
        // The same point in the picker's client area.
        const LPARAM at = MAKELPARAM(GET_X_LPARAM(m.LParam) + left_, GET_Y_LPARAM(m.LParam) + top_);
        PostMessageW(FPickerHandle, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(FPickerHandle, WM_LBUTTONUP, 0, at);
      }
      Invalidate();
      m.Result = 0;
      return;
    case WM_LBUTTONUP:
      if (FPickerHandle) ::SetFocus(FPickerHandle);
      m.Result = 0;
      return;
    default: break;
  }
  TCustomControl::WndProc(m);
}

void TArrowButton::Paint() {
  TCanvas& canvas = Canvas();
  const TRect r = ClientRect();
  HDC dc = canvas.Handle();
  const TSkinElements* skin = FOwnerSkin ? &FOwnerSkin->Skin() : nullptr;
  const TColor face = skin ? skin->Colours[kColourButtonFace] : clBtnFace;
  HBRUSH brush = CreateSolidBrush(ColorToRGB(face));
  RECT all{r.Left, r.Top, r.Right, r.Bottom};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  lastCell_ = FHot ? 4 : 1;
  if (skin && skin->ComboArrow && !skin->ComboArrow->Image.Empty()) {
    const TDataSkinObject& arrow = *skin->ComboArrow;
    gdi::DrawFrameCell(dc, r, arrow.Image, true, arrow.FrameCount > 0 ? arrow.FrameCount : kArrowFrames, lastCell_);
  } else {
    DrawFrameControl(dc, &all, DFC_SCROLL, DFCS_SCROLLDOWN | (FHot ? DFCS_HOT : 0));
  }
}

}  // namespace varnelta
