// Where the frame's pieces go for a window size, and what the window region is made of: the
// painter and the region builder take these rectangles and only draw or collect.
#pragma once

#include <array>

#include "runtime/types.h"
#include "skin/frame/frame_kinds.h"
#include "skin/frame/frame_metrics.h"

namespace varnelta::frame {

// The pieces of a frame in window coordinates. The side pieces span the whole height, the top
// and bottom pieces lie between them; the menu bar strip lies under the title. A minimised
// window paints only its title bar, which then spans the whole width.
struct TFramePieces {
  TRect Left, Right, Bottom;
  TRect Title;    // where BorderTop is drawn
  TRect MenuBar;  // empty without a menu bar
};
TFramePieces FramePieceRects(TSize window, const TFrameMetrics& metrics, bool minimised);

// Frame pieces in the order of the skin's edge elements.
enum TPieceIndex : int { piLeft = 0, piRight = 1, piTop = 2, piBottom = 3 };

struct TRegionPiece {
  TRect Rect;
  bool FromPixels = false;  // cut from the piece's picture; otherwise the plain rectangle
};

struct TRegionPlan {
  bool Build = false;      // false: leave the window's region alone
  bool WholeWindow = false;  // the plain window rectangle, nothing cut out
  TRect Client;
  int PieceCount = 0;  // 0 for a frameless window, else 4: left, right, bottom, top
  std::array<TRegionPiece, 4> Pieces{};
};

struct TRegionFacts {
  TSize Window;
  TSize RegionSize;  // the size the current region was built for
  bool HasRegion = false;
  bool MdiChild = false;
  bool MinimisedMdiChild = false;
  bool Reskinning = false;
  bool SkinFrame = true;
  bool WindowDestroyed = false;
  std::array<bool, 4> Trans{};  // Trans of BorderLeft, BorderRight, BorderTop, BorderBottom
  bool TopPieceEmpty = false;   // BorderTop has no picture
  TBorderKind BorderKind = bkSingle;
};
TRegionPlan PlanRegion(const TRegionFacts& facts, const TFrameMetrics& metrics);

}  // namespace varnelta::frame
