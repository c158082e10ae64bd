#include "skin/controls/skin_header.h"

#include <commctrl.h>
#include <windowsx.h>

namespace varnelta {

namespace {
constexpr int kFrames = 5;
constexpr int kTextChars = 200;
constexpr int kHotShrink = 3;
}  // namespace

const TClassInfo& TSkinHeader::StaticClass() {
  static const TClassInfo info{"TSkinHeader", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

bool TSkinHeader::HasPicture() const {
  const TSkinElements* skin = Skin();
  return skin && skin->Headerbar && !skin->Headerbar->Image.Empty();
}

bool TSkinHeader::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!HasPicture()) return true;
      PaintOnWMPaint(message);
      return false;
    case WM_ERASEBKGND:
      if (!HasPicture()) return true;
      message.Result = 1;
      return false;
    default: return TSkinControl::BeforeMessage(message);
  }
}

int TSkinHeader::ItemAt(POINT p) const {
  const int count = static_cast<int>(SendMessageW(FHandle, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageW(FHandle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    InflateRect(&r, -kHotShrink, 0);
    if (PtInRect(&r, p)) return i;
  }
  return -1;
}

void TSkinHeader::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      const int hot = ItemAt({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      if (hot != FHotItem) {
        FHotItem = hot;
        Repaint();
      }
      TrackMouseLeave(FHandle);
      break;
    }
    case WM_MOUSELEAVE:
      FHotItem = -1;
      Repaint();
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinHeader::PaintSkin(HDC dc, const RECT& rect) {
  if (!HasPicture()) return;
  const TDataSkinObject& bar = *Skin()->Headerbar;
  const int frames = bar.FrameCount > 0 ? bar.FrameCount : kFrames;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!buffer_.Resize(dc, width, height)) return;
  HDC b = buffer_.DC();
  FillFace(b, {0, 0, width, height});
  const bool enabled = !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(b, font) : nullptr;
  const int oldMode = SetBkMode(b, TRANSPARENT);
  HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, HDM_GETIMAGELIST, 0, 0));
  const int count = static_cast<int>(SendMessageW(FHandle, HDM_GETITEMCOUNT, 0, 0));
  FItemRects.clear();
  int right = 0;
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageW(FHandle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    FItemRects.push_back(r);
    right = r.right > right ? r.right : right;
    const int frame = i == FHotItem ? 2 : 1;
    DrawElementFrame(b, r, frames, frame, bar);
    // The text buffer is counted in characters of the wide call.
    wchar_t text[kTextChars + 1]{};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = text;
    item.cchTextMax = kTextChars;
    if (!SendMessageW(FHandle, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
    text[kTextChars] = L'\0';
    RECT inner{r.left + 4, r.top, r.right - 4, r.bottom};
    if (images && (item.fmt & HDF_IMAGE) && item.iImage >= 0) {
      int iw = 0, ih = 0;
      ImageList_GetIconSize(images, &iw, &ih);
      ImageList_Draw(images, item.iImage, b, inner.left, (r.top + r.bottom - ih) / 2, ILD_TRANSPARENT);
      inner.left += iw + 2;
    }
    const UINT align = (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER  ? DT_CENTER
                       : (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT ? DT_RIGHT
                                                                   : DT_LEFT;
    SetTextColor(b, enabled ? ColorToRGB(frame == 2 ? bar.MouseOverColour2 : bar.NormalColour2)
                            : SkinColour(kColourButtonShadow));
    DrawTextEx(b, text, inner, TextFlags(align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS));
  }
  if (right < width) DrawElementFrame(b, {right, 0, width, height}, frames, 1, bar);
  SetBkMode(b, oldMode);
  if (oldFont) SelectObject(b, oldFont);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

}  // namespace varnelta
