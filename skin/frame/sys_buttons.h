// The skin's title bar buttons as pure rules: what each Action does, whether a button shows
// for a window, where it goes, and which frame of its picture is drawn.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "runtime/types.h"
#include "skin/data/skin_objects.h"
#include "skin/frame/frame_kinds.h"
#include "skin/frame/frame_metrics.h"

namespace varnelta::frame {

// What a button does when released, by its Action.
enum class TButtonRole {
  Close,          // 0
  Maximize,       // 1, 22
  Minimize,       // 2, 23
  SystemMenu,     // 3, 11, 12 (3 and 11 show the window icon)
  Help,           // 4
  ChildMinimize,  // 7, 60: to the active MDI child
  ChildRestore,   // 8, 61
  ChildClose,     // 9, 62
  Custom,         // any other: the host program is told
};
TButtonRole RoleOf(int action);
// Actions 3 and 11 draw the window icon instead of a picture.
bool ShowsWindowIcon(int action);
// A negative Action is drawn but never clicked.
bool IsClickable(int action);

// One SysButtons element with its lengths at the screen's DPI.
struct TSysButtonFacts {
  int Action = 0;
  int Align = 0;
  int XCoord = 0;
  int YCoord = 0;
  int Visibility = 0;
  int Visibility1 = 0;
  int CellWidth = 0;  // picture width per frame
  int CellHeight = 0;
  int FrameCount = 1;  // at least 1
  bool ImageEmpty = true;
};
TSysButtonFacts SysButtonFactsOf(const TDataSkinSysButton& element, int dpi);

// The window facts the Visibility codes read.
struct TButtonWindow {
  std::uint8_t BorderIcons = 0;
  TShowState ShowState = ssNormal;
  bool Active = true;
  bool IsDialog = false;
  TBorderKind BorderKind = bkSingle;
  // An MDI frame with a skinned menu bar whose active child is maximised.
  bool MdiFrameWithMaximisedChild = false;
};

// A Visibility code of 1000 to 2000 asks the host program (message 0x3515).
bool AsksHost(int visibility);

struct TButtonVisibility {
  bool Visible = false;
  std::optional<bool> Enabled;  // set for Actions 1 and 2 only
};
// `hostAnswer` is the host's reply to the question for a code of 1000 to 2000 (0 when unanswered).
TButtonVisibility IsButtonVisible(const TSysButtonFacts& button, const TButtonWindow& window,
                                  std::intptr_t hostAnswer = 0);

// Where a visible button with a picture goes; nothing for others (they keep their old bounds).
struct TButtonPlace {
  int WindowWidth = 0;
  TRect CaptionRect;
  TFrameMetrics Metrics;
  int MenuBarLeftMargin = 0;  // the MenuBar element's left margin, 0 without one
};
std::optional<TRect> LayoutSysButton(const TSysButtonFacts& button, bool visible,
                                     const TButtonPlace& place);

// The largest XCoord of the visible right-aligned buttons with a picture, 0 without any.
int RightButtonsExtent(std::span<const TSysButtonFacts> buttons, std::span<const bool> visible);

// Painting into the title bar: visible, with a picture, and not one of the menu bar's buttons.
bool PaintsInTitleBar(const TSysButtonFacts& button, bool visible);
// The frame a title bar paint uses.
int TitleBarFrame(const TSysButtonFacts& button, bool active, bool enabled);
// The frame a button's own repaint uses for its state; always within 1..FrameCount.
int ButtonStateFrame(const TSysButtonFacts& button, int buttonState, bool enabled);

}  // namespace varnelta::frame
