// The system look of the buttons that show a glyph beside their caption (bit buttons, speed
// buttons): the glyph cell and the caption drawn as one centred block. Skinners draw their own.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "runtime/glyph.h"
#include "runtime/types.h"

namespace varnelta {

// Draws a picture cell (magenta left out) with its top left corner at (x, y).
void DrawGlyphBitmap(HDC dc, int x, int y, const TBitmap& cell);
// Glyph cell `wanted` and the caption centred in `rect`, the glyph on the left, 4 pixels apart;
// the caption greyed when `enabled` is false.
void DrawGlyphAndCaption(HDC dc, const RECT& rect, const TGlyph& glyph, int numGlyphs, int wanted,
                         const std::wstring& caption, bool enabled);

// Buttons that paint their own face: WM_PAINT goes to `paint` (into the message's DC or the
// window's), WM_ERASEBKGND is swallowed. True when the message was handled here.
bool PaintOwnFace(HWND window, TMessage& m, const std::function<void(HDC)>& paint);
// The system button draws its pushed and focused looks straight away: after such a message the
// own face goes back over it.
void RepaintOverSystemLook(HWND window, UINT msg);

}  // namespace varnelta
