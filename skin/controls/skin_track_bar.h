// TSkinTrackBar: track bars drawn through the control's custom-draw notifications: the thumb
// from TrackThumbHorz / TrackThumbVert (frame 2), the channel from Track / TrackVert in three
// pieces; the ticks stay native. Only notifications that come from the track bar itself are
// read: anything else under the same message number (a frame's private post) is passed on. The
// stretched thumb and the sliced channel are kept between paints until the size or the skin changes.
#pragma once

#include "skin/controls/picture_cache.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinTrackBar : public TSkinControl {
  VARNELTA_CLASS()
 public:
  bool BeforeMessage(TMessage& message) override;
  void Detach() override;
  void SkinChanged() override;
  const TPictureCache& Pictures() const { return pictures_; }
  // Custom-draw notifications answered (for tests).
  int DrawnThumbs() const { return drawnThumbs_; }
  int DrawnChannels() const { return drawnChannels_; }

 private:
  // True when the notification was answered here.
  bool CustomDraw(TMessage& message);
  void DrawThumb(HDC dc, bool vertical);
  void DrawChannel(HDC dc, bool vertical);
  TPictureCache pictures_;
  int drawnThumbs_ = 0;
  int drawnChannels_ = 0;
};

}  // namespace varnelta
