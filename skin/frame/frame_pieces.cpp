#include "skin/frame/frame_pieces.h"

namespace varnelta::frame {

TFramePieces FramePieceRects(TSize window, const TFrameMetrics& m, bool minimised) {
  const int w = window.Width, h = window.Height;
  TFramePieces p;
  if (minimised) {
    p.Title = {0, 0, w, m.Title};
    return p;
  }
  p.Left = {0, 0, m.Left, h};
  p.Right = {w - m.Right, 0, w, h};
  p.Bottom = {m.Left, h - m.Bottom, w - m.Right, h};
  p.Title = {m.Left, 0, w - m.Right, m.Title};
  if (m.MenuBar > 0) p.MenuBar = {m.Left, m.Title, w - m.Right, m.Title + m.MenuBar};
  return p;
}

TRegionPlan PlanRegion(const TRegionFacts& f, const TFrameMetrics& m) {
  TRegionPlan plan;
  const int w = f.Window.Width, h = f.Window.Height;
  if (f.WindowDestroyed || !f.SkinFrame || w <= 0 || h <= 0 || f.MinimisedMdiChild) return plan;
  if (f.HasRegion && f.Window == f.RegionSize && !f.MdiChild && !f.Reskinning) return plan;
  plan.Build = true;
  if (!f.Trans[piLeft] && !f.Trans[piRight] && !f.Trans[piTop] && !f.Trans[piBottom]) {
    plan.WholeWindow = true;
    plan.Client = {0, 0, w, h};
    return plan;
  }
  plan.Client = {m.Left, m.Title, w - m.Right, h - m.Bottom};
  if (f.BorderKind == bkNone) return plan;
  plan.PieceCount = 4;
  plan.Pieces[0] = {{0, 0, m.Left, h}, f.Trans[piLeft] && h > 1};
  plan.Pieces[1] = {{w - m.Right, 0, w, h}, f.Trans[piRight] && h > 1};
  plan.Pieces[2] = {{m.Left, h - m.Bottom, w - m.Right, h}, f.Trans[piBottom] && m.Bottom >= 2};
  plan.Pieces[3] = {{m.Left, 0, w - m.Right, m.Title},
                    f.Trans[piTop] && m.Title > 1 && !f.TopPieceEmpty};
  return plan;
}

}  // namespace varnelta::frame
