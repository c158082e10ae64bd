#include "skin/frame/frame_painter.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <span>

#include "runtime/dib_section.h"
#include "runtime/win_handles.h"
#include "skin/data/pixel_draw.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/caption_layout.h"
#include "skin/frame/frame_codes.h"
#include "skin/frame/frame_menus.h"
#include "skin/frame/mdi_bar.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/frame_pieces.h"
#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

namespace {

const TDataSkinBorder& Edge(const TSkinElements& skin, int index) {
  switch (index) {
    case 0: return *skin.BorderLeft;
    case 1: return *skin.BorderRight;
    case 2: return *skin.BorderTop;
    default: return *skin.BorderBottom;
  }
}

// Top and bottom pieces hold their frames stacked and keep fixed left and right ends; the side
// pieces hold them side by side and keep fixed top and bottom ends.
bool Stacked(int index) { return index >= 2; }

TRect PieceMargins(const TDataSkinBorder& edge, int index, int dpi) {
  const TRect m = ScalePixels(edge.Margins, dpi);
  return Stacked(index) ? TRect{m.Left, 0, m.Right, 0} : TRect{0, m.Top, 0, m.Bottom};
}

}  // namespace

void TFramePainter::ScalePictures() {
  if (frame_.scaledDpi_ == frame_.FDpi) return;
  const TSkinElements& skin = frame_.FSkinData->Skin();
  for (int i = 0; i < 4; ++i) {
    const TDataSkinBorder& edge = Edge(skin, i);
    frame_.scaledEdges_[static_cast<std::size_t>(i)] =
        frame_.FDpi == 96 ? TBitmap() : ScaleFrameStrip(edge.Image, edge.FrameCount, Stacked(i), frame_.FDpi);
  }
  frame_.scaledTextBack_ = frame_.FDpi == 96 ? TBitmap()
                                              : ScaleFrameStrip(skin.Title->Image, 2, true, frame_.FDpi);
  frame_.scaledDpi_ = frame_.FDpi;
}

const TBitmap& TFramePainter::EdgePicture(int index) {
  ScalePictures();
  return frame_.FDpi == 96 ? Edge(frame_.FSkinData->Skin(), index).Image
                           : frame_.scaledEdges_[static_cast<std::size_t>(index)];
}

const TBitmap& TFramePainter::TextBackPicture() {
  ScalePictures();
  return frame_.FDpi == 96 ? frame_.FSkinData->Skin().Title->Image : frame_.scaledTextBack_;
}

TBitmap TFramePainter::PiecePicture(int index, const TRect& rect) {
  if (rect.IsEmpty() || !frame_.FSkinData) return {};
  const TDataSkinBorder& edge = Edge(frame_.FSkinData->Skin(), index);
  const int count = frame::UsableFrameCount(edge.FrameCount);
  const int cell = frame_.FActive || count == 1 ? 1 : 2;
  return BuildSlicedBitmap(rect.Width(), rect.Height(), EdgePicture(index), PieceMargins(edge, index, frame_.FDpi),
                           Stacked(index), edge.Tile != 1, count, cell);
}

HBRUSH TFramePainter::FaceBrush() {
  if (!frame_.faceBrush_.Get() && frame_.FSkinData) {
    const TColor face = ColourToRgb(frame_.FSkinData->Skin().Colours[kColourButtonFace]);
    frame_.faceBrush_.Reset(CreateSolidBrush(face & 0xFFFFFF));
  }
  return frame_.faceBrush_.Get();
}

void TFramePainter::PaintFrame(HDC dc) {
  const bool paints = (frame_.FState == fsRunning || frame_.FState == fsReskinning) &&
                      frame_.FBorderKind != frame::bkNone && !(frame_.MdiChild() && frame_.Maximised()) &&
                      frame_.FSkinFrame && frame_.FSkinData && frame_.FSkinData->SkinLoaded();
  if (!paints) return;
  try {
    if (dc) {
      PaintWindow(dc);
    } else {
      TWindowDC window(frame_.FHandle, true);
      PaintWindow(window.Get());
    }
  } catch (const std::exception&) {
    // A painter's failure leaves the frame as it is; the window goes on working.
  }
  frame_.FObjects.ClearHot();
}

void TFramePainter::PaintWindow(HDC dc) {
  RECT window{};
  GetWindowRect(frame_.FHandle, &window);
  frame_.FWindowSize = {window.right - window.left, window.bottom - window.top};
  const frame::TSize size{frame_.FWindowSize.cx, frame_.FWindowSize.cy};
  const frame::TFramePieces pieces = frame::FramePieceRects(size, frame_.FMetrics, frame_.Minimised());
  if (!frame_.Minimised()) {
    const TBitmap bottom = PiecePicture(3, pieces.Bottom);
    if (!bottom.Empty()) gdi::DrawPicture(dc, pieces.Bottom.Left, pieces.Bottom.Top, bottom, false);
  }
  // The side pieces run the full height; the title bar's buffer takes their top rows, and the
  // rest goes straight to the window.
  PaintTitle(dc);
  if (!pieces.MenuBar.IsEmpty()) {
    if (frame_.FSkinMenu) {
      TFrameMenus(frame_).PaintBar(dc, pieces.MenuBar);
    } else {
      RECT strip{pieces.MenuBar.Left, pieces.MenuBar.Top, pieces.MenuBar.Right, pieces.MenuBar.Bottom};
      FillRect(dc, &strip, FaceBrush());
    }
  }
}

void TFramePainter::PaintTitleBar(HDC dc) {
  if (!frame_.FSkinFrame || !frame_.FSkinData || frame_.FState != fsRunning) return;
  try {
    if (dc) {
      PaintTitle(dc, false);
    } else {
      TWindowDC window(frame_.FHandle, true);
      PaintTitle(window.Get(), false);
    }
  } catch (const std::exception&) {
  }
}

void TFramePainter::PaintTitle(HDC dc, bool withSides) {
  const int width = frame_.FWindowSize.cx;
  const bool minimised = frame_.Minimised();
  const int height = minimised ? frame_.FWindowSize.cy : frame_.FMetrics.Title;
  if (width <= 0 || height <= 0) return;
  // The title bar's buffer lives with the frame skinner and is made again only for a new size.
  TDibSection& buffer = frame_.FTitleBuffer;
  if (buffer.Width() != width || buffer.Height() != height) buffer = TDibSection(width, height);
  TMemoryDC memory(dc);
  if (buffer.Empty() || !memory) return;
  TSelectObject select(memory.Get(), buffer.Handle());
  RECT title{frame_.FMetrics.Left, 0, width - frame_.FMetrics.Right, frame_.FMetrics.Title};
  if (minimised) {
    RECT all{0, 0, width, height};
    FillRect(memory.Get(), &all, FaceBrush());
    title = {0, 0, width, frame_.FMetrics.Title};
  } else {
    // The side pieces' top rows (the title bar's ends) are composed here rather than read back
    // from the screen; the full side pieces go to the window when the whole frame is painted.
    const frame::TFramePieces pieces =
        frame::FramePieceRects({width, frame_.FWindowSize.cy}, frame_.FMetrics, false);
    const TRect sides[] = {pieces.Left, pieces.Right};
    for (int i = 0; i < 2; ++i) {
      const TBitmap side = PiecePicture(i, sides[i]);
      if (side.Empty()) continue;
      gdi::DrawPicture(memory.Get(), sides[i].Left, sides[i].Top, side, false);
      if (withSides) gdi::DrawPicture(dc, sides[i].Left, sides[i].Top, side, false);
    }
  }
  const TBitmap piece = PiecePicture(2, {title.left, title.top, title.right, title.bottom});
  if (!piece.Empty()) gdi::DrawPicture(memory.Get(), title.left, title.top, piece, false);
  PaintCaption(memory.Get(), title);
  PaintButtons(memory.Get());
  BitBlt(dc, 0, 0, width, minimised ? frame_.FMetrics.Title : height, memory.Get(), 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

void TFramePainter::LayoutButtons() {
  auto& objects = frame_.FObjects.Objects();
  frame::TButtonWindow window;
  window.BorderIcons = frame_.FBorderIcons;
  window.ShowState = frame_.FShowState;
  window.Active = frame_.FActive;
  window.IsDialog = frame_.FIsDialog;
  window.BorderKind = frame_.FBorderKind;
  window.MdiFrameWithMaximisedChild = frame_.FSkinMenu && TMdiBar(frame_).MaximisedChild();
  // A plain array: the extent reads a span of flags.
  const std::size_t count = std::min(frame_.FSysButtons.size(), objects.size());
  auto visible = std::make_unique<bool[]>(count + 1);
  for (std::size_t i = 0; i < count; ++i) {
    const frame::TSysButtonFacts& button = frame_.FSysButtons[i];
    std::intptr_t answer = 0;
    if (frame::AsksHost(button.Visibility)) {
      answer = SendMessageW(frame_.FHandle, frame::kMsgCustomVisible, static_cast<WPARAM>(button.Visibility),
                            button.Action);
    }
    const frame::TButtonVisibility v = frame::IsButtonVisible(button, window, answer);
    objects[i].Visible = v.Visible;
    if (v.Enabled) objects[i].Enabled = *v.Enabled;
    objects[i].Clickable = frame::IsClickable(button.Action);
    visible[i] = v.Visible;
  }
  frame_.FRightButtonsExtent = frame::RightButtonsExtent(std::span(frame_.FSysButtons.data(), count),
                                                         std::span<const bool>(visible.get(), count));
}

void TFramePainter::PaintCaption(HDC buffer, const RECT& title) {
  const TSkinElements& skin = frame_.FSkinData->Skin();
  LayoutButtons();
  const std::wstring text = frame::CaptionText(GetWindowTextAsWide(frame_.FHandle));
  TSelectObject font(buffer, frame_.FCaptionFont.Get());
  RECT measured{title.left, title.top, title.left, title.top};
  DrawTextWide(buffer, text, measured, frame::kCaptionMeasureFlags);
  frame::TCaptionFacts facts;
  facts.TitleRect = {title.left, title.top, title.right, title.bottom};
  facts.TextWidth = measured.right - measured.left;
  facts.TextHeight = measured.bottom - measured.top;
  facts.RightButtonsExtent = frame_.FRightButtonsExtent;
  facts.RightToLeft = frame_.FRightToLeft;
  facts.Popup = (GetWindowLongPtrW(frame_.FHandle, GWL_STYLE) & WS_POPUP) != 0;
  facts.BorderKind = frame_.FBorderKind;
  facts.Dpi = frame_.FDpi;
  const frame::TCaptionLayout layout = frame::LayoutCaption(facts, frame::CaptionStyleOf(*skin.Title, frame_.FDpi));
  frame_.FCaptionRect = {layout.CaptionRect.Left, layout.CaptionRect.Top, layout.CaptionRect.Right,
                         layout.CaptionRect.Bottom};
  const TBitmap& back = TextBackPicture();
  if (!back.Empty()) {
    const TRect ends{ScalePixel(skin.Title->TextBackLeft, frame_.FDpi), 0,
                     ScalePixel(skin.Title->TextBackRight, frame_.FDpi), 0};
    gdi::DrawCaptionBack(buffer, layout.BackRect, back, true, true, 2, frame_.FActive ? 1 : 2, ends);
  }
  SetBkMode(buffer, TRANSPARENT);
  const TColor colour = skin.Colours[frame_.FActive ? kColourTitleTextActive : kColourTitleTextNoActive];
  SetTextColor(buffer, ColourToRgb(colour) & 0xFFFFFF);
  RECT r{layout.TextRect.Left, layout.TextRect.Top, layout.TextRect.Right, layout.TextRect.Bottom};
  DrawTextWide(buffer, text, r, layout.DrawFlags);
}

void TFramePainter::PaintButtons(HDC buffer) {
  const auto& objects = frame_.FObjects.Objects();
  frame::TButtonPlace place;
  place.WindowWidth = frame_.FWindowSize.cx;
  place.CaptionRect = {frame_.FCaptionRect.left, frame_.FCaptionRect.top, frame_.FCaptionRect.right,
                       frame_.FCaptionRect.bottom};
  place.Metrics = frame_.FMetrics;
  const auto& skin = frame_.FSkinData->Skin();
  place.MenuBarLeftMargin = skin.MenuBar ? ScalePixel(skin.MenuBar->Margins.Left, frame_.FDpi) : 0;
  auto& mutableObjects = frame_.FObjects.Objects();
  for (std::size_t i = 0; i < frame_.FSysButtons.size() && i < objects.size(); ++i) {
    const frame::TSysButtonFacts& button = frame_.FSysButtons[i];
    if (auto bounds = frame::LayoutSysButton(button, objects[i].Visible, place)) mutableObjects[i].Bounds = *bounds;
    if (!frame::PaintsInTitleBar(button, objects[i].Visible)) continue;
    const int state = objects[i].ButtonState;
    const int cell = state == frame::bsHot || state == frame::bsPressed
                         ? frame::ButtonStateFrame(button, objects[i].ButtonState, objects[i].Enabled)
                         : frame::TitleBarFrame(button, frame_.FActive, objects[i].Enabled);
    const TRect& r = objects[i].Bounds;
    if (frame::ShowsWindowIcon(button.Action)) {
      if (frame_.FIcon) DrawIconEx(buffer, r.Left, r.Top, frame_.FIcon, frame_.FIconSize, frame_.FIconSize, 0, nullptr, DI_NORMAL);
      continue;
    }
    const TDataSkinSysButton& element = *skin.SysButtons[i];
    gdi::DrawFrameCell(buffer, r, element.Image, true, button.FrameCount, cell);
  }
}

}  // namespace varnelta
