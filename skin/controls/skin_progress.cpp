#include "skin/controls/skin_progress.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/dib_section.h"
#include "skin/controls/range_maths.h"
#include "skin/data/img_util.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

const TClassInfo& TSkinProgress::StaticClass() {
  static const TClassInfo info{"TSkinProgress", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

bool TSkinProgress::HasPicture() const {
  const TSkinElements* skin = Skin();
  return skin && skin->Progress && !skin->Progress->Image.Empty();
}

bool TSkinProgress::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!HasPicture()) return true;
      PaintOnWMPaint(message);
      return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinProgress::DrawElement(HDC dc, const RECT& rect, int frame, const TDataSkinObject& element) {
  pictures_.DrawSliced(dc, rect, element.Image, false, element.Tile != 0, element.Trans == 1, 2, frame,
                       ScalePixels(element.Margins, ScreenDpi()));
}

void TSkinProgress::Compose(HDC b, const TSkinElements& skin, int length, int thickness, int fill) {
  const TDataSkinBorder& bar = *skin.Progress;
  const RECT all{0, 0, length, thickness};
  FillFace(b, all);
  if (bar.Style != 1) {
    DrawElement(b, all, 1, bar);
    if (fill > 0) DrawElement(b, {0, 0, fill, thickness}, 2, bar);
    return;
  }
  pictures_.DrawSliced(b, all, bar.Image, false, false, bar.Trans == 1, 1, 1, bar.Margins);
  const TDataSkinObject* chunk = skin.ProgressChunk.get();
  if (!chunk || chunk->Image.Empty() || fill <= 0) return;
  const int saved = SaveDC(b);
  if (chunk->Tile == 1) {
    const int w = chunk->Image.Width(), h = chunk->Image.Height();
    const TChunkRun run = ProgressChunks(fill, w, chunk->Margins.Left + 2);
    IntersectClipRect(b, 0, 0, std::min(run.Right, length - 2), thickness);
    const int top = (thickness - h) / 2;
    for (int i = 0; i < run.Count; ++i) {
      const int x = chunk->Margins.Left + 2 + i * w;
      pictures_.DrawCell(b, {x, top, x + w, top + h}, chunk->Image, chunk->Trans == 1, 1, 1);
    }
  } else {
    const int right = std::min(fill, length - 2);
    if (right > 2) {
      pictures_.DrawSliced(b, {2, 2, right, thickness - 2}, chunk->Image, false, false, chunk->Trans == 1, 1, 1,
                           {chunk->Margins.Left, 0, chunk->Margins.Right, 0});
    }
  }
  RestoreDC(b, saved);
}

void TSkinProgress::PaintSkin(HDC dc, const RECT& rect) {
  const TSkinElements* skin = Skin();
  if (!skin || !skin->Progress || skin->Progress->Image.Empty()) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const bool vertical = (GetWindowLongEx(FHandle, GWL_STYLE) & PBS_VERTICAL) != 0;
  const int length = vertical ? height : width, thickness = vertical ? width : height;
  const int position = static_cast<int>(SendMessageW(FHandle, PBM_GETPOS, 0, 0));
  const int maximum = static_cast<int>(SendMessageW(FHandle, PBM_GETRANGE, FALSE, 0));
  const int minimum = static_cast<int>(SendMessageW(FHandle, PBM_GETRANGE, TRUE, 0));
  lastFill_ = ProgressFill(length, position, minimum, maximum);
  const TComposed wanted{length, thickness, lastFill_, vertical};
  if (picture_.Empty() || !(composed_ == wanted)) {
    picture_ = TBitmap();
    TDibSection section(length, thickness);
    if (section.Empty()) return;
    HDC b = CreateCompatibleDC(dc);
    if (!b) return;
    HGDIOBJ old = SelectObject(b, section.Handle());
    ++compositions_;
    Compose(b, *skin, length, thickness, lastFill_);
    SelectObject(b, old);
    DeleteDC(b);
    picture_ = section.ToBitmap();
    if (vertical) RotateBitmapLeft(picture_);
    composed_ = wanted;
  }
  gdi::DrawPicture(dc, rect.left, rect.top, picture_, false);
}

void TSkinProgress::Detach() {
  pictures_.Clear();
  picture_ = TBitmap();
  TSkinControl::Detach();
}

void TSkinProgress::SkinChanged() {
  pictures_.Clear();
  picture_ = TBitmap();
  TSkinControl::SkinChanged();
}

}  // namespace varnelta
