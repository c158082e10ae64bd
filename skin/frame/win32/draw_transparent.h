// Drawing a bitmap with one colour left out (Windows only): where the bitmap has the key colour
// the device context keeps what it had.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include "runtime/types.h"
#include "runtime/win_handles.h"

namespace varnelta::gdi {

// How the masked copy is made: one MaskBlt (the NT family), or the three-step copy that every
// system has (XOR the bitmap, AND the mask, XOR the bitmap again). ForPlatform picks MaskBlt on
// the NT family and the three steps on the 95 family.
enum class TTransparentBlit { ForPlatform, MaskBlt, InvertAndMask };

// Whether the system is of the NT family (GetVersion's top bit clear).
bool IsNtPlatform();

// Draws `bitmap` (not selected into any device context) from its top left corner at `rect`
// (the part that both cover), leaving the destination as it was where the bitmap's pixel equals
// `key` (0x00BBGGRR) exactly. A monochrome mask of the bitmap for the key is made first. The
// three-step copy sets the context's background colour to white and text colour to black for
// the mask and puts both back afterwards. An empty or inverted rectangle draws nothing.
void DrawTransparent(HDC dc, const TRect& rect, HBITMAP bitmap, COLORREF key,
                     TTransparentBlit how = TTransparentBlit::ForPlatform);

// The two halves of DrawTransparent, for a caller that keeps the mask of a bitmap it draws
// often. MakeKeyMask: the monochrome mask of the top left width x height of `bitmap` (not
// selected into any context), 1 where the pixel equals `key`; empty when the system refuses.
// DrawMasked: `bitmap` drawn at `rect` leaving the destination where `mask` is 1.
TBitmapHandle MakeKeyMask(HDC dc, HBITMAP bitmap, int width, int height, COLORREF key);
void DrawMasked(HDC dc, const TRect& rect, HBITMAP bitmap, HBITMAP mask,
                TTransparentBlit how = TTransparentBlit::ForPlatform);

}  // namespace varnelta::gdi

#endif  // _WIN32
