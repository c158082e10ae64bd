// TSkinScrollbar: memos and other scrolling controls with a control object. Draws a two-ring
// border over the native one and covers each native scroll bar with a skinned overlay
// (TWScrollbar); the native bars keep doing the scrolling.
#pragma once

#include <memory>

#include "skin/controls/skin_control.h"
#include "skin/controls/w_scrollbar.h"

namespace varnelta {

class TSkinScrollbar : public TSkinControl {
  VARNELTA_CLASS()
 public:
  ~TSkinScrollbar() override;
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  virtual void AttachScrollControl(TControl* control, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas);
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void Detach() override;
  void SkinChanged() override;

  TWScrollbar* HorzBar() const { return FHorzBar.get(); }
  TWScrollbar* VertBar() const { return FVertBar.get(); }

 protected:
  void DrawBorder(HDC dc);
  bool BarsCovered() const;
  void FillFrameArea(HDC dc);
  void PlaceBars();

  std::unique_ptr<TWScrollbar> FHorzBar, FVertBar;
  bool FDrawBorder = true;
};

// TSkinEdit: single-line edits: a flat three-ring border (shadow, then two white rings) drawn
// over the native border after each paint. Under the mouse (hot, tracked with a leave
// notification) the two outer rings are drawn in the skin's highlight colour.
class TSkinEdit : public TSkinControl {
  VARNELTA_CLASS()
 public:
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  // The edit's own border repainted: its background ring and the shadow ring.
  void PrintBorder(HDC dc, const RECT& rect);
  // The mouse is over the enabled edit.
  bool Hot() const;

  // The skinner of the edit's spin child, made once (see MakeEditUpDown).
  std::unique_ptr<TSkinControl> FUpDown;

 private:
  COLORREF OuterColour() const;
};

}  // namespace varnelta
