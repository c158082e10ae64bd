// Hit testing of the skinned non-client area and the conversion of cursor points into the
// frame's coordinates.
#pragma once

#include <optional>

#include "runtime/types.h"
#include <span>
#include <vector>

#include "skin/frame/frame_metrics.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/sys_buttons.h"

namespace varnelta::frame {

// A point in client coordinates (as ScreenToClient gives it) in the skinned layout's window
// coordinates; a minimised MDI child keeps its client coordinates.
TPoint ClientToFrame(TPoint client, const TFrameMetrics& metrics, bool minimisedMdiChild);

struct THitFacts {
  int DefaultAnswer = 0;  // what the default procedure answered
  TPoint Point;           // in frame coordinates
  TFrameMetrics Metrics;
  int Dpi = 96;
  // The bounds of a visible maximise button (Action 1 or 22) of a window with a maximise box;
  // such a window answers HTMAXBUTTON over it so the system offers its snap layouts.
  std::optional<TRect> MaximizeButton;
};

// The bounds of the first visible maximise button (Action 1 or 22), when the window has a
// maximise box (bit 0 of `borderIcons`); `objects` holds the buttons in the same order.
std::optional<TRect> SnapButtonBounds(std::span<const TSysButtonFacts> buttons,
                                      std::span<const TNcObject> objects,
                                      std::uint8_t borderIcons);

// The default answer stands unless it is HTNOWHERE or HTCAPTION; below the top rows (3 at
// 96 DPI, scaled) the answer is HTCAPTION, and below the title with a menu bar HTMENU.
int FrameHitTest(const THitFacts& facts);

}  // namespace varnelta::frame
