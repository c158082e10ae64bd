#include "skin/controls/combox_scroll_bar.h"

#include <oleacc.h>

#include "skin/data/win32/skin_platform.h"
#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

namespace {
constexpr UINT kListStartTracking = 0x1AE;
constexpr int kScrollFrames = 23;
constexpr int kTrackFrames = 4;

bool HasImage(const TSlot<TDataSkinObject>& element) { return element && !element->Image.Empty(); }
}  // namespace

const TClassInfo& TComboxScrollBar::StaticClass() {
  static const TClassInfo info{"TComboxScrollBar", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

TComboxScrollBar::TComboxScrollBar() { FArrowSize = GetSystemMetrics(SM_CXHSCROLL); }

bool TComboxScrollBar::BeforeMessage(TMessage& message) {
  if (dragging_) {
    switch (message.Msg) {
      case WM_MOUSEMOVE:
      case WM_NCMOUSEMOVE: {
        // The point the move reports, on the screen (a client point for WM_MOUSEMOVE).
        POINT cursor{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
        if (message.Msg == WM_MOUSEMOVE) ClientToScreen(FHandle, &cursor);
        DragTo(cursor.y);
        message.Result = 0;
        return false;
      }
      case WM_LBUTTONUP:
      case WM_NCLBUTTONUP:
        EndDrag();
        message.Result = 0;
        return false;
      case WM_LBUTTONDOWN:
      case WM_NCLBUTTONDOWN:
        message.Result = 0;
        return false;
      case WM_KEYDOWN:
        if (message.WParam == VK_ESCAPE) EndDrag();
        break;
      case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(message.LParam) != FHandle) EndDrag();
        break;
      case WM_SHOWWINDOW:
        if (!message.WParam) EndDrag();
        break;
      case WM_WINDOWPOSCHANGED:
        if (reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags & SWP_HIDEWINDOW) EndDrag();
        break;
      default: break;
    }
  }
  switch (message.Msg) {
    case WM_NCMOUSEMOVE:
      if (message.WParam == HTHSCROLL || message.WParam == HTVSCROLL) {
        message.Result = 0;
        return false;
      }
      return true;
    case WM_NCLBUTTONDOWN:
      if (TrackThumb(message)) {
        message.Result = 0;
        return false;
      }
      return true;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TComboxScrollBar::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kListStartTracking: PaintWindow(nullptr); break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

bool TComboxScrollBar::TrackThumb(const TMessage& message) {
  if (message.WParam != HTVSCROLL) return false;
  SCROLLBARINFO info{};
  if (!QueryScrollBarInfo(FHandle, OBJID_VSCROLL, info)) return false;
  const int y = static_cast<short>(HIWORD(message.LParam));
  const int along = y - info.rcScrollBar.top;
  if (along < info.xyThumbTop || along > info.xyThumbBottom) return false;
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  if (!GetScrollInfo(FHandle, SB_VERT, &si)) return false;
  range_ = {si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos};
  startOffset_ = info.xyThumbTop - FArrowSize;
  track_ = (info.rcScrollBar.bottom - info.rcScrollBar.top) - 2 * FArrowSize;
  thumbLength_ = info.xyThumbBottom - info.xyThumbTop;
  lastPosition_ = si.nPos;
  pressCursorY_ = y;
  hadCapture_ = GetCapture() == FHandle;
  dragging_ = true;
  if (!hadCapture_) SetCapture(FHandle);
  return true;
}

void TComboxScrollBar::DragTo(int cursorY) {
  const int position = ListDragPosition(startOffset_, cursorY - pressCursorY_, track_, thumbLength_, range_);
  if (position == lastPosition_) return;
  lastPosition_ = position;
  SendMessageW(FHandle, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
}

void TComboxScrollBar::EndDrag() {
  if (!dragging_ || ending_) return;
  ending_ = true;
  dragging_ = false;
  SendMessageW(FHandle, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, lastPosition_), 0);
  PostMessageW(FHandle, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
  // The list keeps the capture it had before the drag (a dropped list holds it).
  if (!hadCapture_ && GetCapture() == FHandle) ReleaseCapture();
  ending_ = false;
}

void TComboxScrollBar::PaintSkin(HDC dc, const RECT&) {
  const TSkinElements* skin = Skin();
  if (!skin || !HasImage(skin->Scrollbar)) return;
  SCROLLBARINFO info{};
  if (!QueryScrollBarInfo(FHandle, OBJID_VSCROLL, info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  RECT window{};
  GetWindowRect(FHandle, &window);
  const RECT bar = info.rcScrollBar;
  const int width = bar.right - bar.left, height = bar.bottom - bar.top;
  if (width <= 0 || height <= 0 || width > window.right - window.left || height > window.bottom - window.top) return;
  if (!buffer_.Resize(dc, width, height)) return;
  HDC b = buffer_.DC();
  const RECT all{0, 0, width, height};
  FillColour(b, all, SkinColour(kColourButtonFace));
  int arrow = FArrowSize;
  if (window.bottom - window.top < 2 * arrow) arrow /= 2;
  const bool disabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
  if (HasImage(skin->VertScroll)) {
    const TDataSkinObject& t = *skin->VertScroll;
    DrawSlicedFrame(b, {0, arrow, width, height - arrow}, t.Image, false, t.Tile != 0, t.Trans == 1, kTrackFrames,
                    disabled ? 3 : 1, t.Margins);
  }
  const TBitmap& parts = skin->Scrollbar->Image;
  gdi::DrawFrameCell(b, {0, 0, width, arrow}, parts, true, kScrollFrames, 9);
  gdi::DrawFrameCell(b, {0, height - arrow, width, height}, parts, true, kScrollFrames, 13);
  FThumb = {info.xyThumbTop, info.xyThumbBottom};
  if (!disabled && FThumb.End > FThumb.Start) {
    if (HasImage(skin->VertScrollThumb)) {
      const TDataSkinObject& t = *skin->VertScrollThumb;
      DrawSlicedFrame(b, {0, FThumb.Start, width, FThumb.End}, t.Image, false, false, t.Trans == 1,
                      t.FrameCount > 0 ? t.FrameCount : 3, 1, t.Margins);
    }
    const int g = parts.Height(), length = FThumb.End - FThumb.Start;
    if (g < length + 2) {
      const int top = FThumb.Start + (length - g) / 2;
      gdi::DrawFrameCell(b, {0, top, g, top + g}, parts, true, kScrollFrames, 20);
    }
  }
  buffer_.CopyTo(dc, bar.left - window.left, bar.top - window.top);
}

}  // namespace varnelta
