// The marquee pane's scrolling: steps of one pass, the timer's state and where the caption
// goes in the off-screen image of the interior.
#pragma once

#include <optional>

#include "statusbar/geometry.h"

namespace varnelta::statusbar {

enum TRzScrollType : int { stNone, stRightToLeft, stLeftToRight };

constexpr int kDefaultScrollDelay = 100;

class TMarqueeState {
 public:
  int Step() const { return step_; }
  int Steps() const { return steps_; }
  int ScrollSize() const { return scrollSize_; }
  TRzScrollType ScrollType() const { return scrollType_; }
  bool Scrolling() const { return scrolling_; }
  bool TimerEnabled() const { return timerEnabled_; }
  int ScrollDelay() const { return scrollDelay_; }

  // Pixels per step; 0 (and anything below) is stored as 1.
  void SetScrollSize(int size);
  // The number of steps in one pass: caption width + pane width. Recomputed when the pane
  // moves or is resized and when its caption or font changes; the current step is kept.
  void SetPassLength(int captionWidth, int paneWidth);
  // Scrolling off stops the timer and rewinds (the caller repaints); on starts the timer.
  void SetScrolling(bool on);
  // stNone disables the timer, the two scrolling types enable it, whatever Scrolling holds.
  void SetScrollType(TRzScrollType type);
  // The timer's interval in milliseconds; a value below 1 is taken as 1.
  void SetScrollDelay(int delay);

  // One timer tick. A hidden pane or a stopped timer does nothing: the step is frozen.
  // Otherwise the step advances by ScrollSize and is returned for drawing at once; after
  // that, a step that has reached or passed the number of steps is set back to 0.
  std::optional<int> Tick(bool visible);

 private:
  int step_ = 0;
  int steps_ = 100;
  int scrollSize_ = 1;
  int scrollDelay_ = kDefaultScrollDelay;
  TRzScrollType scrollType_ = stRightToLeft;
  bool scrolling_ = true;
  bool timerEnabled_ = true;
};

// Where the caption is drawn inside the off-screen image of the interior for `step`.
TPoint MarqueeTextOrigin(TRzScrollType type, int step, int paneWidth, int captionWidth,
                         TRect interior, int textHeight, int borderWidth);
// Where the image goes on the pane.
TPoint MarqueeImageOrigin(int borderWidth);

}  // namespace varnelta::statusbar
