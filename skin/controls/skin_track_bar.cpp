#include "skin/controls/skin_track_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/types.h"

namespace varnelta {

namespace {
constexpr UINT kNotify = CN_BASE + WM_NOTIFY;  // 0xBC4E
constexpr int kThumbFrames = 5;
constexpr int kThumbFrame = 2;
// No object lives in the first 64 KiB of an address space: a value there is no notification.
constexpr LPARAM kLowestAddress = 0x10000;
}  // namespace

const TClassInfo& TSkinTrackBar::StaticClass() {
  static const TClassInfo info{"TSkinTrackBar", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

bool TSkinTrackBar::BeforeMessage(TMessage& message) {
  if ((message.Msg == WM_NOTIFY || message.Msg == kNotify) && CustomDraw(message)) return false;
  return TSkinControl::BeforeMessage(message);
}

bool TSkinTrackBar::CustomDraw(TMessage& message) {
  // The frame posts 0xBC4E with LParam 0x41A2 to its windows; such values are no NMHDR.
  if (message.LParam < kLowestAddress && message.LParam > -kLowestAddress) return false;
  auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(message.LParam);
  if (draw->hdr.hwndFrom != FHandle || draw->hdr.code != static_cast<UINT>(NM_CUSTOMDRAW)) return false;
  const bool vertical = (GetWindowLongEx(FHandle, GWL_STYLE) & TBS_VERT) != 0;
  switch (draw->dwDrawStage) {
    case CDDS_PREPAINT: message.Result = CDRF_NOTIFYITEMDRAW; return true;
    case CDDS_ITEMPREPAINT:
      switch (draw->dwItemSpec) {
        case TBCD_TICS: message.Result = CDRF_DODEFAULT; return true;
        case TBCD_THUMB:
          DrawThumb(draw->hdc, vertical);
          message.Result = CDRF_SKIPDEFAULT;
          return true;
        case TBCD_CHANNEL:
          DrawChannel(draw->hdc, vertical);
          message.Result = CDRF_SKIPDEFAULT;
          return true;
        default: return false;
      }
    default: return false;
  }
}

void TSkinTrackBar::DrawThumb(HDC dc, bool vertical) {
  RECT r{};
  SendMessageW(FHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
  if (r.right <= r.left || r.bottom <= r.top) return;
  ++drawnThumbs_;
  const TSkinElements* skin = Skin();
  const TDataSkinObject* thumb = skin ? (vertical ? skin->TrackThumbVert.get() : skin->TrackThumbHorz.get()) : nullptr;
  if (thumb && !thumb->Image.Empty()) {
    pictures_.DrawCell(dc, r, thumb->Image, true, kThumbFrames, kThumbFrame);
    return;
  }
  FillFace(dc, r);
  FrameColour(dc, r, SkinColour(kColourButtonShadow));
}

void TSkinTrackBar::DrawChannel(HDC dc, bool vertical) {
  RECT r{};
  SendMessageW(FHandle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
  // Vertical bars report the channel lying down.
  if (vertical && r.right - r.left > r.bottom - r.top) r = {r.top, r.left, r.bottom, r.right};
  if (r.right <= r.left || r.bottom <= r.top) return;
  ++drawnChannels_;
  const TSkinElements* skin = Skin();
  const TDataSkinObject* track = skin ? (vertical ? skin->TrackVert.get() : skin->Track.get()) : nullptr;
  if (!track || track->Image.Empty()) {
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
    return;
  }
  const TBitmap& image = track->Image;
  const bool transparent = track->Trans == 1;
  if (vertical) {
    const int w = image.Width(), cw = r.right - r.left;
    const int left = w < cw ? r.left + (cw - w) / 2 : r.left;
    pictures_.DrawSliced(dc, {left, r.top, left + w, r.bottom}, image, false, false, transparent, 1, 1,
                         {0, track->Margins.Top, 0, track->Margins.Bottom});
  } else {
    const int h = image.Height(), ch = r.bottom - r.top;
    const int top = h < ch ? r.top + (ch - h) / 2 : r.top;
    pictures_.DrawSliced(dc, {r.left, top, r.right, top + h}, image, false, false, transparent, 1, 1,
                         {track->Margins.Left, 0, track->Margins.Right, 0});
  }
}

void TSkinTrackBar::Detach() {
  pictures_.Clear();
  TSkinControl::Detach();
}

void TSkinTrackBar::SkinChanged() {
  pictures_.Clear();
  // Taking the focus and giving it straight back makes the control draw itself again.
  HWND had = GetFocus();
  if (FHandle && IsWindowVisible(FHandle) && IsWindowEnabled(FHandle)) {
    SetFocus(FHandle);
    if (had && had != FHandle) SetFocus(had);
  }
  TSkinControl::SkinChanged();
}

}  // namespace varnelta
