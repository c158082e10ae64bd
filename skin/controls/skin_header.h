// TSkinHeader: header controls (and the headers of list views) painted whole from the skin's
// Headerbar picture: each item frame 1, the item under the mouse frame 2, the area after the
// last item frame 1; texts and images placed after each item's format. Registered under its
// class name, so a list view's skinner makes one for its header with CreateSkinner.
#pragma once

#include <vector>

#include "skin/controls/paint_buffer.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinHeader : public TSkinControl {
  VARNELTA_CLASS()
 public:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  int FHotItem = -1;
  std::vector<RECT> FItemRects;

 private:
  bool HasPicture() const;
  int ItemAt(POINT p) const;
  TPaintBuffer buffer_;
};

}  // namespace varnelta
