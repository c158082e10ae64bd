// The pieces the skin's picture list is made of, drawn in frame_pictures.cpp (window frame),
// control_pictures.cpp (buttons, choices, combo box, scroll bars) and bar_pictures.cpp (status
// bar, menus, progress, tabs, header, track bar, up-down). Cell orders are described where each
// picture is drawn.
#pragma once

#include <vector>

#include "runtime/bitmap.h"
#include "tools/skingen/canvas.h"

namespace varnelta::skingen {

// The colour of a picture's pixel.
Rgb PixelRgb(const TBitmap& b, int x, int y);
// Lays `frames` same-sized pictures side by side, or stacked when `vertical`.
TBitmap Strip(const std::vector<TBitmap>& frames, bool vertical = false);

// The four window frame pieces cut from a drawn frame.
struct FramePieces {
  TBitmap left, right, top, bottom;
};
FramePieces CutFrame();
TBitmap DrawCaptionBack();
enum class Glyph { kClose, kMaximise, kRestore, kMinimise };
TBitmap DrawCaptionButton(Glyph glyph);

TBitmap DrawPushButton();
TBitmap DrawCheckBox();
TBitmap DrawRadioButton();
TBitmap DrawComboButton();
TBitmap DrawExtraImages();
TBitmap DrawScrollbarParts();
TBitmap DrawScrollTrack(bool vertical);
TBitmap DrawScrollThumb(bool vertical);

TBitmap DrawStatusBarEdges();
TBitmap DrawMenuItem();
TBitmap DrawMenuBackground();
TBitmap DrawMenuBar();
TBitmap DrawProgress();
TBitmap DrawProgressChunk();
TBitmap DrawTabs();
TBitmap DrawTabPane();
TBitmap DrawHeaderbar();
TBitmap DrawTrackThumb(bool vertical);
TBitmap DrawUpDown(bool horizontal);
TBitmap DrawUpDownGlyphs(bool horizontal);

}  // namespace varnelta::skingen
