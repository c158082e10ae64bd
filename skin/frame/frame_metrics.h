// The skinned frame's widths (from the frame edge pictures, at the screen's DPI) and the
// sizes that follow from them: the client rectangle of a proposed window rectangle, the window
// size that keeps a client size, a dialog widened for its caption, and a centred position.
#pragma once

#include "runtime/types.h"
#include "skin/data/skin_objects.h"
#include "skin/frame/frame_kinds.h"

namespace varnelta::frame {

struct TFrameMetrics {
  int Left = 0;     // FLeftWidth
  int Title = 0;    // FTitleHeight
  int Right = 0;    // FRightWidth
  int Bottom = 0;   // FBottomHeight
  int MenuBar = 0;  // FMenuBarHeight
  friend bool operator==(const TFrameMetrics&, const TFrameMetrics&) = default;
};

// A frame count as the painters use it: below 1 counts as 1.
int UsableFrameCount(int frameCount);

// The frame widths of a skin at `dpi`: the top and bottom heights are the picture's height per
// frame, the side widths the picture's width per frame, each then scaled. A window without a
// caption (border kind 2) has no frame and no menu bar; otherwise `menuBarHeight` (already at
// the screen's DPI) is kept.
TFrameMetrics ComputeMetrics(const TSkinElements& skin, TBorderKind borderKind, int menuBarHeight,
                             int dpi);

// The client rectangle for a proposed window rectangle (screen or parent coordinates). Frames
// wider than the window give an empty rectangle inside the window, never an inverted one.
TRect NcCalcClientRect(const TRect& window, const TFrameMetrics& metrics);

struct TSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// The client size a fit keeps: a runtime form's client size when the window's own is not asked
// for (its height less the menu bar, except for an MDI child), else the window's client rectangle.
struct TFitClientFacts {
  bool UseWindowClient = false;
  bool HasForm = false;
  TSize FormClient;
  bool MdiChild = false;
  TRect WindowClient;
};
TSize FitClientSize(const TFitClientFacts& facts, const TFrameMetrics& metrics);

// The window size that gives `client` under the skinned frame and the menu bar.
TSize FitWindowSize(TSize client, const TFrameMetrics& metrics);

// A dialog narrower than its caption needs (shift + text + right clip) is widened to that, and
// every child moves right by half the difference so the contents stay centred.
struct TDialogWidth {
  int Width = 0;
  int ChildShift = 0;
  friend bool operator==(const TDialogWidth&, const TDialogWidth&) = default;
};
TDialogWidth FitDialogToCaption(int windowWidth, int textWidth, int textShift, int rightClip);

// The top left corner that keeps the centre of `current` for a window of `size`.
TPoint CentredTopLeft(const TRect& current, TSize size);

}  // namespace varnelta::frame
