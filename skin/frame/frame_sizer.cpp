#include "skin/frame/frame_sizer.h"

#include <vector>

#include "runtime/graphics.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/caption_layout.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/frame_painter.h"
#include "skin/frame/frame_pieces.h"
#include "skin/frame/region_rects.h"
#include "skin/frame/win32/region_build.h"

namespace varnelta {

void TFrameSizer::FitWindowToClient(bool useWindowClient) {
  if (f_.Maximised()) {
    SetWindowPos(f_.FHandle, nullptr, 0, 0, 0, 0, 0x37);
    return;
  }
  RECT window{};
  GetWindowRect(f_.FHandle, &window);
  if (f_.FIsDialog || f_.FState == fsReskinning || useWindowClient) GetClientRect(f_.FHandle, &f_.FClientRect);
  frame::TFitClientFacts facts;
  facts.UseWindowClient = useWindowClient;
  facts.HasForm = f_.FForm != nullptr;
  if (f_.FForm) facts.FormClient = {f_.FForm->ClientWidth(), f_.FForm->ClientHeight()};
  facts.MdiChild = f_.MdiChild();
  facts.WindowClient = {f_.FClientRect.left, f_.FClientRect.top, f_.FClientRect.right, f_.FClientRect.bottom};
  const frame::TSize client = frame::FitClientSize(facts, f_.FMetrics);
  frame::TSize size = frame::FitWindowSize(client, f_.FMetrics);
  if (f_.FIsDialog && !useWindowClient) {
    const std::wstring caption = frame::CaptionText(GetWindowTextAsWide(f_.FHandle));
    TWindowDC screen(nullptr);
    TSelectObject font(screen.Get(), f_.FCaptionFont.Get());
    RECT measured{0, 0, 0, 0};
    DrawTextWide(screen.Get(), caption, measured, 0xD00 | DT_CALCRECT);
    const TDataSkinTitle& title = *f_.FSkinData->Skin().Title;
    const frame::TDialogWidth fitted = frame::FitDialogToCaption(
        size.Width, measured.right, ScalePixel(title.Margins.Left, f_.FDpi), ScalePixel(title.Margins.Right, f_.FDpi));
    if (fitted.ChildShift > 0) {
      for (HWND child = GetWindow(f_.FHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, f_.FHandle, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + fitted.ChildShift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
    }
    size.Width = fitted.Width;
  }
  // The first fit of a centred form or of a system dialog keeps the window's centre, so it ends
  // centred with its final size; later fits keep the top left corner.
  const bool centred = f_.IsCentred();
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
  TPoint topLeft{window.left, window.top};
  if (f_.firstFit_ && centred && !f_.FIsChild) {
    topLeft = frame::CentredTopLeft({window.left, window.top, window.right, window.bottom}, size);
  } else {
    flags |= SWP_NOMOVE;
  }
  f_.firstFit_ = false;
  SetWindowPos(f_.FHandle, nullptr, topLeft.X, topLeft.Y, size.Width, size.Height, flags);
}

SIZE TFrameSizer::SystemFrameSize() const {
  if (IsIconic(f_.FHandle)) {
    // A minimised window's rectangles are its icon's: ask the system what its frame would be.
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(f_.FHandle, GWL_STYLE)), GetMenu(f_.FHandle) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(f_.FHandle, GWL_EXSTYLE)));
    return {frame.right - frame.left, frame.bottom - frame.top};
  }
  RECT window{};
  GetWindowRect(f_.FHandle, &window);
  RECT client{};
  GetClientRect(f_.FHandle, &client);
  return {(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
}

void TFrameSizer::ResizeRestored(int dw, int dh, bool keepCentre) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(f_.FHandle, &placement)) return;
  RECT& normal = placement.rcNormalPosition;
  const frame::TSize size{normal.right - normal.left + dw, normal.bottom - normal.top + dh};
  TPoint topLeft{normal.left, normal.top};
  if (keepCentre) topLeft = frame::CentredTopLeft({normal.left, normal.top, normal.right, normal.bottom}, size);
  normal = {topLeft.X, topLeft.Y, topLeft.X + size.Width, topLeft.Y + size.Height};
  // Stays minimised and inactive; only the rectangle it restores to changes.
  if (placement.showCmd == SW_SHOWMINIMIZED || placement.showCmd == SW_MINIMIZE) placement.showCmd = SW_SHOWMINNOACTIVE;
  SetWindowPlacement(f_.FHandle, &placement);
}

void TFrameSizer::BuildRegion() {
  if (!f_.FSkinData) return;
  RECT window{};
  GetWindowRect(f_.FHandle, &window);
  frame::TRegionFacts facts;
  facts.Window = {window.right - window.left, window.bottom - window.top};
  facts.RegionSize = {f_.FRegionSize.cx, f_.FRegionSize.cy};
  facts.HasRegion = f_.FHasRegion;
  facts.MdiChild = f_.MdiChild();
  facts.MinimisedMdiChild = f_.MdiChild() && f_.Minimised();
  facts.Reskinning = f_.FState == fsReskinning;
  facts.SkinFrame = f_.FSkinFrame;
  facts.WindowDestroyed = f_.FState == fsWindowDestroyed;
  const TSkinElements& skin = f_.FSkinData->Skin();
  facts.Trans = {skin.BorderLeft->Trans != 0, skin.BorderRight->Trans != 0, skin.BorderTop->Trans != 0,
                 skin.BorderBottom->Trans != 0};
  facts.TopPieceEmpty = skin.BorderTop->Image.Empty();
  facts.BorderKind = f_.FBorderKind;
  const frame::TRegionPlan plan = frame::PlanRegion(facts, f_.FMetrics);
  if (!plan.Build) return;
  std::vector<TRect> rects;
  if (plan.WholeWindow) {
    rects.push_back({0, 0, facts.Window.Width, facts.Window.Height});
  } else {
    f_.FRegionSize = {facts.Window.Width, facts.Window.Height};
    TFramePainter painter(f_);
    std::vector<TBitmap> pictures(static_cast<std::size_t>(plan.PieceCount));
    std::vector<TRegionPart> parts;
    for (int i = 0; i < plan.PieceCount; ++i) {
      const frame::TRegionPiece& piece = plan.Pieces[static_cast<std::size_t>(i)];
      TRegionPart part{piece.Rect, nullptr};
      if (piece.FromPixels) {
        pictures[static_cast<std::size_t>(i)] = painter.PiecePicture(i, piece.Rect);
        part.Picture = &pictures[static_cast<std::size_t>(i)];
      }
      parts.push_back(part);
    }
    rects = CollectRegionRects(plan.Client, parts);
  }
  TRegionHandle region = gdi::CreateRegionFromRects(rects);
  // The window owns a region once it has taken it.
  if (region.HandOver(f_.FHandle, true)) f_.FHasRegion = true;
}

void TFrameSizer::RemoveRegion(bool redraw) {
  if (!f_.FHasRegion) return;
  SetWindowRgn(f_.FHandle, nullptr, redraw ? TRUE : FALSE);
  f_.FHasRegion = false;
  f_.FRegionSize = {};
}

}  // namespace varnelta
