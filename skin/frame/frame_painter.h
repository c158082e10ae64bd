// TFramePainter: draws a frame skinner's non-client area from the skin: the side and bottom
// pieces straight into the window DC, the title bar (its piece, the caption and the title
// buttons) composed off-screen and copied with one blit. It also renders single pieces for the
// window region and keeps the face colour's brush.
#pragma once

#include <windows.h>

#include "runtime/bitmap.h"
#include "skin/frame/win_skin_form.h"

namespace varnelta {

class TFramePainter {
 public:
  explicit TFramePainter(TWinSkinForm& frame) : frame_(frame) {}

  // The whole non-client area into `dc` (the window DC when none). Painter failures are dropped.
  void PaintFrame(HDC dc);
  // Only the title bar (after a title button changed its look).
  void PaintTitleBar(HDC dc);
  // Frame piece `index` (0 left, 1 right, 2 top, 3 bottom) rendered at the size of `rect`.
  TBitmap PiecePicture(int index, const TRect& rect);
  // The brush of Colours[ButtonFace], made once per frame skinner.
  HBRUSH FaceBrush();
  // Lays the title buttons out and decides their visibility (the title bar paint does this).
  void LayoutButtons();

 private:
  void PaintWindow(HDC dc);
  // The title bar, composed off-screen; `withSides` also draws the full side pieces to `dc`.
  void PaintTitle(HDC dc, bool withSides = true);
  void PaintCaption(HDC buffer, const RECT& title);
  void PaintButtons(HDC buffer);
  const TBitmap& EdgePicture(int index);
  const TBitmap& TextBackPicture();
  void ScalePictures();

  TWinSkinForm& frame_;
};

}  // namespace varnelta
