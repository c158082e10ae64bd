#include "statusbar/marquee.h"

#include <algorithm>
#include <limits>

namespace varnelta::statusbar {

void TMarqueeState::SetScrollSize(int size) { scrollSize_ = std::max(size, 1); }

void TMarqueeState::SetPassLength(int captionWidth, int paneWidth) {
  const long long steps = static_cast<long long>(std::max(captionWidth, 0)) + std::max(paneWidth, 0);
  steps_ = static_cast<int>(std::min<long long>(steps, std::numeric_limits<int>::max() / 2));
}

void TMarqueeState::SetScrolling(bool on) {
  scrolling_ = on;
  timerEnabled_ = on;
  if (!on) step_ = 0;
}

void TMarqueeState::SetScrollType(TRzScrollType type) {
  scrollType_ = type;
  timerEnabled_ = type == stRightToLeft || type == stLeftToRight;
}

void TMarqueeState::SetScrollDelay(int delay) { scrollDelay_ = std::max(delay, 1); }

std::optional<int> TMarqueeState::Tick(bool visible) {
  if (!timerEnabled_ || !visible) return std::nullopt;
  // The sum cannot overflow: steps_ is bounded and step_ is rewound at steps_.
  step_ = static_cast<int>(std::min<long long>(static_cast<long long>(step_) + scrollSize_,
                                               std::numeric_limits<int>::max()));
  const int drawn = step_;
  if (step_ >= steps_) step_ = 0;
  return drawn;
}

TPoint MarqueeTextOrigin(TRzScrollType type, int step, int paneWidth, int captionWidth,
                         TRect interior, int textHeight, int borderWidth) {
  const int y = interior.Top + (interior.Height() - textHeight) / 2 - (borderWidth + 1);
  const int x = type == stLeftToRight ? step - captionWidth : paneWidth - step;
  return {x, y};
}

TPoint MarqueeImageOrigin(int borderWidth) { return {borderWidth + 1, borderWidth + 1}; }

}  // namespace varnelta::statusbar
