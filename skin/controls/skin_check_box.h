// TSkinCheckBox: check boxes drawn from the skin's check box picture. A check box with a control
// object is painted whole (face or, when transparent, the parent's background; the box cell;
// the caption); a plain-window check box paints natively and only its box is drawn over it.
#pragma once

#include "skin/controls/paint_buffer.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinCheckBox : public TSkinControl {
  VARNELTA_CLASS()
 public:
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  // The cell and box rectangle of the last paint (for tests and figures).
  int LastCell() const { return lastCell_; }
  RECT LastBox() const { return lastBox_; }
  RECT LastTextRect() const { return lastText_; }
  bool Transparent() const { return FTransparent; }

  int FCheckState = 0;  // last BM_SETCHECK value + 1
  bool FTransparent = false;

 protected:
  // The picture of the box cells and its cell count; null without one.
  virtual const TBitmap* Picture(int& cellCount) const;
  virtual int ChooseCell(int cellCount) const;
  // How far inside the right edge a box on the right ends.
  virtual int RightInset() const { return 0; }

 private:
  void ApplySkinState();
  TPaintBuffer buffer_;
  int lastCell_ = 0;
  RECT lastBox_{};
  RECT lastText_{};
};

}  // namespace varnelta
