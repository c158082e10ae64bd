// What the status bar controls share: the enumeration types of their published properties and
// the frame controller's notification bits.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/timer.h"
#include "runtime/win_control.h"
#include "statusbar/clock_format.h"
#include "statusbar/marquee.h"
#include "statusbar/shared_lists.h"
#include "statusbar/status_bar.h"
#include "statusbar/status_pane.h"
#include "statusbar/win32/pane_drawing.h"

namespace varnelta {

extern const TEnumType FrameStyleType;
extern const TEnumType SidesType;
extern const TEnumType VisualStyleType;
extern const TEnumType GradientColorStyleType;
extern const TEnumType GradientDirectionType;
extern const TEnumType PaneAlignmentType;
extern const TEnumType ScrollTypeType;
extern const TEnumType FrameControllerNotificationType;

class TRzCustomStatusPane;

// Which of a frame controller's settings its panes take (bits of FrameControllerNotifications).
enum TFrameControllerNotification : int { fcpColor, fcpFrameColor, fcpFrameStyle, fcpParentColor };
inline constexpr int kAllFrameControllerNotifications = 0xF;

}  // namespace varnelta
