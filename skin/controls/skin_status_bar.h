// TSkinStatusBar: the common-controls status bar painted whole: panel edges from the skin's
// StatusBarEdges picture (one-pixel 3-D frames without it), the panel texts, and the size grip
// from ExtraImages. Panels, texts and modes are read from the bar itself, so a bar with or
// without a control object is served the same.
#pragma once

#include "skin/controls/paint_buffer.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinStatusBar : public TSkinControl {
  VARNELTA_CLASS()
 public:
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

 private:
  // Frame 1 lowered, 2 raised, 3 no bevel.
  void DrawEdges(HDC dc, const RECT& rect, int frame) const;
  void DrawPanelText(HDC dc, const RECT& rect, UINT alignment, const std::wstring& text) const;

  TPaintBuffer buffer_;
};

}  // namespace varnelta
