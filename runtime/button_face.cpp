#include "runtime/button_face.h"

#include "runtime/dib_section.h"

namespace varnelta {

void DrawGlyphBitmap(HDC dc, int x, int y, const TBitmap& cell) {
  if (cell.Empty()) return;
  TDibSection section(cell);
  if (section.Empty()) return;
  HDC source = CreateCompatibleDC(dc);
  if (!source) return;
  HGDIOBJ old = SelectObject(source, section.Handle());
  GdiTransparentBlt(dc, x, y, cell.Width(), cell.Height(), source, 0, 0, cell.Width(), cell.Height(),
                    RGB(255, 0, 255));
  SelectObject(source, old);
  DeleteDC(source);
}

void DrawGlyphAndCaption(HDC dc, const RECT& rect, const TGlyph& glyph, int numGlyphs, int wanted,
                         const std::wstring& caption, bool enabled) {
  const TBitmap cell = GlyphCell(glyph.Bitmap(), numGlyphs, wanted);
  RECT text{0, 0, 0, 0};
  if (!caption.empty()) DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
  const int gap = !cell.Empty() && !caption.empty() ? 4 : 0;
  const int total = cell.Width() + gap + (text.right - text.left);
  int x = rect.left + (rect.right - rect.left - total) / 2;
  if (!cell.Empty()) {
    DrawGlyphBitmap(dc, x, rect.top + (rect.bottom - rect.top - cell.Height() + 1) / 2, cell);
    x += cell.Width() + gap;
  }
  if (caption.empty()) return;
  RECT area{x, rect.top, rect.right, rect.bottom};
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawTextW(dc, caption.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

bool PaintOwnFace(HWND window, TMessage& m, const std::function<void(HDC)>& paint) {
  switch (m.Msg) {
    case WM_PAINT:
      if (m.WParam) {
        paint(reinterpret_cast<HDC>(m.WParam));
      } else {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (dc) paint(dc);
        EndPaint(window, &ps);
      }
      m.Result = 0;
      return true;
    case WM_ERASEBKGND: m.Result = 1; return true;
    default: return false;
  }
}

void RepaintOverSystemLook(HWND window, UINT msg) {
  switch (msg) {
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
      if (window) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      break;
    default: break;
  }
}

}  // namespace varnelta
