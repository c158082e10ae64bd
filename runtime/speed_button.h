// TSpeedButton: a windowless button drawn on its parent (tool bars, button rows). Flat buttons
// show only their background until the mouse is over them. A button with a GroupIndex stays down
// when clicked and lets the others of its group up; AllowAllUp lets the last one up as well.
#pragma once

#include <memory>

#include "runtime/bit_btn.h"
#include "runtime/control.h"
#include "runtime/glyph.h"

namespace varnelta {

class TSpeedButton : public TGraphicControl {
  VARNELTA_CLASS()
 public:
  explicit TSpeedButton(TComponent* owner);
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  bool Down() const { return down_; }
  void SetDown(bool v);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v) { groupIndex_ = v < 0 ? 0 : v; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool v) { allowAllUp_ = v; }
  TGlyph* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int v);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout v);
  int Margin() const { return margin_; }
  void SetMargin(int v);
  int Spacing() const { return spacing_; }
  void SetSpacing(int v);
  // The mouse is over the button; the left button is held on it.
  bool MouseInControl() const { return mouseIn_; }
  bool Pressed() const { return pressed_; }
  void DefineProperties(TFiler& filer) override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void TextChanged() override { Invalidate(); }

 private:
  // A click: a grouped button goes down (or up, when all may be up), then OnClick.
  void Clicked();
  std::unique_ptr<TGlyph> glyph_;
  bool flat_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool mouseIn_ = false;
  bool pressed_ = false;
};

}  // namespace varnelta
