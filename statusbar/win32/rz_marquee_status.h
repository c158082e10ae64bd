// TRzMarqueeStatus: a pane whose caption scrolls across it in steps of the shared marquee timer.
#pragma once

#include "statusbar/win32/rz_status_pane.h"

namespace varnelta {

class TRzMarqueeStatus : public TRzStatusPane {
  VARNELTA_CLASS()
 public:
  explicit TRzMarqueeStatus(TComponent* owner);
  ~TRzMarqueeStatus() override;

  statusbar::TRzScrollType ScrollType() const { return state_.ScrollType(); }
  void SetScrollType(statusbar::TRzScrollType v);
  bool Scrolling() const { return state_.Scrolling(); }
  void SetScrolling(bool v);
  int ScrollSize() const { return state_.ScrollSize(); }
  void SetScrollSize(int v) { state_.SetScrollSize(v); }
  int ScrollDelay() const { return state_.ScrollDelay(); }
  void SetScrollDelay(int v);

  int Step() const { return state_.Step(); }
  int Steps() const { return state_.Steps(); }
  // The pane's own timer (interval ScrollDelay, enabled while the text moves).
  TTimer& ScrollTimer() { return *timer_; }
  // One step: what the timer does. Draws only the interior, straight onto the bar.
  void ScrollTick();

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void DrawCaption(HDC dc) override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  void UpdatePassLength();
  void UpdateTimer();
  void DrawFrame(HDC dc, int step);
  statusbar::TMarqueeState state_;
  statusbar::TMarqueeSurface surface_;
  std::unique_ptr<TTimer> timer_;
};

}  // namespace varnelta
