#include "skin/controls/skin_tab_btn.h"

#include <commctrl.h>

#include "skin/controls/skin_tab.h"

namespace varnelta {

const TClassInfo& TSkinTabBtn::StaticClass() {
  static const TClassInfo info{"TSkinTabBtn", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

bool TSkinTabBtn::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: PaintOnWMPaint(message); return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinTabBtn::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS: Repaint(); break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinTabBtn::PaintSkin(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!buffer_.Resize(dc, width, height)) return;
  HDC b = buffer_.DC();
  FillFace(b, {0, 0, width, height});
  const TSkinElements* skin = Skin();
  const TDataSkinButton* buttons = skin && skin->Buttons && !skin->Buttons->Image.Empty() ? skin->Buttons.get() : nullptr;
  const bool enabled = !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(b, font) : nullptr;
  const int oldMode = SetBkMode(b, TRANSPARENT);
  HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, TCM_GETIMAGELIST, 0, 0));
  const int focus = static_cast<int>(SendMessageW(FHandle, TCM_GETCURFOCUS, 0, 0));
  const int count = static_cast<int>(SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageW(FHandle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    OffsetRect(&r, 0, 1);
    const int frame = i == focus ? 2 : 1;
    COLORREF colour = SkinColour(kColourButtonText);
    if (buttons) {
      DrawElementFrame(b, r, buttons->FrameCount > 0 ? buttons->FrameCount : 5, frame, *buttons);
      if (frame == 1 && buttons->HasNormalColour2) colour = ColorToRGB(buttons->NormalColour2);
      if (frame == 2 && buttons->HasPressedColour2) colour = ColorToRGB(buttons->PressedColour2);
    } else {
      DrawEdge(b, &r, frame == 2 ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    if (!enabled) colour = SkinColour(kColourButtonShadow);
    const TTabItem item = ReadTabItem(FHandle, i);
    const std::wstring& caption = item.Text;
    int iw = 0, ih = 0;
    if (images && item.Image >= 0) ImageList_GetIconSize(images, &iw, &ih);
    RECT measured{0, 0, 0, 0};
    if (!caption.empty()) DrawTextEx(b, caption, measured, DT_SINGLELINE | DT_CALCRECT);
    const int gap = iw > 0 && !caption.empty() ? 2 : 0;
    int x = (r.left + r.right - (iw + gap + measured.right - measured.left)) / 2;
    if (iw > 0) {
      ImageList_Draw(images, item.Image, b, x, (r.top + r.bottom - ih) / 2, ILD_TRANSPARENT);
      x += iw + gap;
    }
    SetTextColor(b, colour);
    RECT t{x, r.top, r.right, r.bottom};
    DrawTextEx(b, caption, t, TextFlags(DT_SINGLELINE | DT_VCENTER | DT_LEFT));
  }
  SetBkMode(b, oldMode);
  if (oldFont) SelectObject(b, oldFont);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

}  // namespace varnelta
