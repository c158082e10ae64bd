#include "skin/controls/skin_status_bar.h"

#include <commctrl.h>

#include <vector>

#include "runtime/graphics.h"
#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

namespace {
constexpr int kEdgeFrames = 3;
constexpr int kGripFrame = 5;
}  // namespace

const TClassInfo& TSkinStatusBar::StaticClass() {
  static const TClassInfo info{"TSkinStatusBar", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

bool TSkinStatusBar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: PaintOnWMPaint(message); return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinStatusBar::DrawEdges(HDC dc, const RECT& rect, int frame) const {
  const TSkinElements* skin = Skin();
  if (skin && skin->StatusBarEdges && !skin->StatusBarEdges->Image.Empty()) {
    const TDataSkinObject& e = *skin->StatusBarEdges;
    DrawSlicedFrame(dc, rect, e.Image, false, e.Tile != 0, false, kEdgeFrames, frame, e.Margins);
    return;
  }
  if (frame == 3) return;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF topLeft = frame == 1 ? shadow : light, bottomRight = frame == 1 ? light : shadow;
  FillColour(dc, {rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
  FillColour(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
  FillColour(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
  FillColour(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
}

void TSkinStatusBar::DrawPanelText(HDC dc, const RECT& rect, UINT alignment, const std::wstring& text) const {
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  RECT t = rect;
  DrawTextEx(dc, text, t, alignment | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
  const int dw = (rect.right - rect.left) - (t.right - t.left), dh = (rect.bottom - rect.top) - (t.bottom - t.top);
  if (alignment == DT_CENTER) {
    OffsetRect(&t, rect.left - t.left + dw / 2, rect.top - t.top + dh / 2 - 1);
  } else {
    OffsetRect(&t, 0, rect.top - t.top + dh / 2 - 1);
    t.left = rect.left;
    t.right = rect.right;
  }
  if (!FEnabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawTextEx(dc, text, t, TextFlags(alignment | DT_EXPANDTABS));
  SetBkMode(dc, oldMode);
}

void TSkinStatusBar::PaintSkin(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!buffer_.Resize(dc, width, height)) return;
  HDC b = buffer_.DC();
  const RECT all{0, 0, width, height};
  FillFace(b, all);
  const LONG_PTR style = GetWindowLongEx(FHandle, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongEx(FHandle, GWL_EXSTYLE);
  FEnabled = !(style & WS_DISABLED);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(b, font) : nullptr;
  const TSkinElements* skin = Skin();
  COLORREF textColour = GetSysColor(COLOR_BTNTEXT);
  if (skin && skin->StatusBarEdges) textColour = ColorToRGB(skin->StatusBarEdges->NormalColour2);
  SetTextColor(b, textColour);
  const bool rightToLeft = (exStyle & WS_EX_LAYOUTRTL) || (exStyle & WS_EX_RTLREADING);
  const int parts = static_cast<int>(SendMessageW(FHandle, SB_GETPARTS, 0, 0));
  const bool simple = SendMessageW(FHandle, SB_ISSIMPLE, 0, 0) != 0 || parts <= 0;
  const auto textOf = [&](int index) {
    const LRESULT info = SendMessageW(FHandle, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
    std::wstring text(LOWORD(info) + 1, L'\0');
    const LRESULT got = SendMessageW(FHandle, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(got) <= LOWORD(info) ? LOWORD(got) : LOWORD(info));
    return std::make_pair(text.empty() ? std::wstring(L" ") : text, HIWORD(got));
  };
  if (simple) {
    // The simple text: asked by its own id, or as the first part where the bar keeps it there.
    auto [text, type] = textOf(SB_SIMPLEID);
    if (text == L" ") text = textOf(0).first;
    (void)type;
    DrawEdges(b, all, 1);
    DrawPanelText(b, {2, 0, width - 2, height}, rightToLeft ? DT_RIGHT : DT_LEFT, text);
  } else {
    for (int i = 0; i < parts; ++i) {
      RECT r{};
      if (!SendMessageW(FHandle, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
      r.right += 2;
      if (i == parts - 1) r.right = width;
      const auto [text, type] = textOf(i);
      const int frame = (type & SBT_POPOUT) ? 2 : (type & SBT_NOBORDERS) ? 3 : 1;
      DrawEdges(b, r, frame);
      if (!(type & SBT_OWNERDRAW)) {
        // Leading tabs carry the panel's alignment, as the native bar reads them.
        std::size_t tabs = 0;
        while (tabs < 2 && tabs < text.size() && text[tabs] == L'\t') ++tabs;
        const UINT alignment = tabs == 2 ? DT_RIGHT : tabs == 1 ? DT_CENTER : DT_LEFT;
        std::wstring shown = text.substr(tabs);
        if (shown.empty()) shown = L" ";
        DrawPanelText(b, {r.left + 2, r.top, r.right - 2, r.bottom}, alignment, shown);
      }
    }
  }
  if ((style & SBARS_SIZEGRIP) && skin && skin->ExtraImages && !skin->ExtraImages->Image.Empty()) {
    const TDataSkinObject& e = *skin->ExtraImages;
    const int count = e.FrameCount > 0 ? e.FrameCount : 5;
    const int w = e.Image.Width() / count, h = e.Image.Height();
    gdi::DrawFrameCell(b, {width - 1 - w, height - 1 - h, width - 1, height - 1}, e.Image, true, count, kGripFrame);
  }
  if (oldFont) SelectObject(b, oldFont);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

}  // namespace varnelta
