// TSkinProgress: progress bars painted whole from the skin's Progress picture (style 0: the
// empty bar and the filled part from two frames; style 1: the bar and chunks from
// ProgressChunk). Vertical bars are composed lying down and turned a quarter anticlockwise, so
// they fill from the bottom. The fill follows the whole range (minimum to maximum). The bar's
// picture is kept and made again only when its size, its fill or the skin changes.
#pragma once

#include "skin/controls/picture_cache.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinProgress : public TSkinControl {
  VARNELTA_CLASS()
 public:
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void Detach() override;
  void SkinChanged() override;
  const TPictureCache& Pictures() const { return pictures_; }
  // Paints that composed the bar again (the others only copied it).
  int Compositions() const { return compositions_; }
  // The filled length of the last paint, along the bar.
  int LastFill() const { return lastFill_; }

 private:
  bool HasPicture() const;
  void Compose(HDC dc, const TSkinElements& skin, int length, int thickness, int fill);
  void DrawElement(HDC dc, const RECT& rect, int frame, const TDataSkinObject& element);
  // What the kept picture shows: made again when any of it changes.
  struct TComposed {
    int Length = 0, Thickness = 0, Fill = 0;
    bool Vertical = false;
    bool operator==(const TComposed&) const = default;
  };
  TPictureCache pictures_;
  TBitmap picture_;
  TComposed composed_;
  int compositions_ = 0;
  int lastFill_ = 0;
};

}  // namespace varnelta
