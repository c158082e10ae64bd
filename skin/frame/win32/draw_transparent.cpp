#include "skin/frame/win32/draw_transparent.h"

#include <algorithm>
#include <cstdlib>

#include "runtime/win_handles.h"

namespace varnelta::gdi {

namespace {
// Destination where the mask is 1 (the key-coloured pixels), the source where it is 0.
constexpr DWORD kKeepDestWhereMaskIsSet = 0xCCAA0029;
}  // namespace

bool IsNtPlatform() { return (GetVersion() & 0x80000000u) == 0; }

void DrawTransparent(HDC dc, const TRect& rect, HBITMAP bitmap, COLORREF key,
                     TTransparentBlit how) {
  if (rect.IsEmpty() || dc == nullptr || bitmap == nullptr) return;
  BITMAP info{};
  if (GetObjectW(bitmap, sizeof info, &info) == 0) return;
  const int w = std::min(rect.Width(), static_cast<int>(info.bmWidth));
  const int h = std::min(rect.Height(), std::abs(static_cast<int>(info.bmHeight)));
  if (w <= 0 || h <= 0) return;
  const TBitmapHandle mask = MakeKeyMask(dc, bitmap, w, h, key);
  if (mask) DrawMasked(dc, rect, bitmap, mask.Get(), how);
}

TBitmapHandle MakeKeyMask(HDC dc, HBITMAP bitmap, int width, int height, COLORREF key) {
  if (dc == nullptr || bitmap == nullptr || width <= 0 || height <= 0) return TBitmapHandle();
  TMemoryDC source(dc);
  if (!source) return TBitmapHandle();
  TSelectObject sourceSelection(source.Get(), bitmap);
  // A colour-to-monochrome copy turns the source context's background colour into 1 and
  // everything else into 0.
  TBitmapHandle mask(CreateBitmap(width, height, 1, 1, nullptr));
  if (!mask) return mask;
  TMemoryDC maskDC(dc);
  if (!maskDC) return TBitmapHandle();
  TSelectObject maskSelection(maskDC.Get(), mask.Get());
  SetBkColor(source.Get(), key);
  BitBlt(maskDC.Get(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
  return mask;
}

void DrawMasked(HDC dc, const TRect& rect, HBITMAP bitmap, HBITMAP mask, TTransparentBlit how) {
  if (rect.IsEmpty() || dc == nullptr || bitmap == nullptr || mask == nullptr) return;
  BITMAP info{}, maskInfo{};
  if (GetObjectW(bitmap, sizeof info, &info) == 0 || GetObjectW(mask, sizeof maskInfo, &maskInfo) == 0) return;
  const int w = std::min({rect.Width(), static_cast<int>(info.bmWidth), static_cast<int>(maskInfo.bmWidth)});
  const int h = std::min({rect.Height(), std::abs(static_cast<int>(info.bmHeight)),
                          std::abs(static_cast<int>(maskInfo.bmHeight))});
  if (w <= 0 || h <= 0) return;
  TMemoryDC source(dc);
  if (!source) return;
  TSelectObject sourceSelection(source.Get(), bitmap);
  const bool maskBlt = how == TTransparentBlit::MaskBlt ||
                       (how == TTransparentBlit::ForPlatform && IsNtPlatform());
  if (maskBlt) {
    // MaskBlt selects the mask into a context of its own: it must not be selected elsewhere.
    MaskBlt(dc, rect.Left, rect.Top, w, h, source.Get(), 0, 0, mask, 0, 0, kKeepDestWhereMaskIsSet);
    return;
  }
  TMemoryDC maskDC(dc);
  if (!maskDC) return;
  TSelectObject maskSelection(maskDC.Get(), mask);
  // A monochrome source lands as the text colour for 0 and the background colour for 1: the
  // AND clears every pixel but the key-coloured ones, which the second XOR then restores.
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, rect.Left, rect.Top, w, h, source.Get(), 0, 0, SRCINVERT);
  BitBlt(dc, rect.Left, rect.Top, w, h, maskDC.Get(), 0, 0, SRCAND);
  BitBlt(dc, rect.Left, rect.Top, w, h, source.Get(), 0, 0, SRCINVERT);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

}  // namespace varnelta::gdi
