// Containers a designer places: the panel (a raised or lowered bevel with a caption) and the
// group box (an etched frame with its caption cut into it). Both are windows of the runtime's
// own class that paint themselves; their children sit inside them.
#pragma once

#include "runtime/bidi_mode.h"
#include "runtime/custom_panel.h"
#include "runtime/std_controls.h"
#include "runtime/win_control.h"

namespace varnelta {


enum TBevelCut : int { bvNone, bvLowered, bvRaised, bvSpace };
extern const TEnumType BevelCutType;

// Extended window styles of a reading order (WS_EX_RIGHT and WS_EX_RTLREADING for right-to-left).
DWORD BiDiExStyle(TBiDiMode mode);

class TPanel : public TCustomPanel {
  VARNELTA_CLASS()
 public:
  explicit TPanel(TComponent* owner);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut v);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut v);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode v);
  void AdjustClientRect(TRect& rect) const override;

 protected:
  void Paint() override;
  void TextChanged() override { Invalidate(); }

 private:
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  TAlignment alignment_ = taCenter;
  TBiDiMode biDiMode_ = bdLeftToRight;
};

class TCustomGroupBox : public TCustomControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomGroupBox(TComponent* owner);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode v);
  void AdjustClientRect(TRect& rect) const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void TextChanged() override { Invalidate(); }

 private:
  TBiDiMode biDiMode_ = bdLeftToRight;
};

class TGroupBox : public TCustomGroupBox {
  VARNELTA_CLASS()
 public:
  using TCustomGroupBox::TCustomGroupBox;
};

}  // namespace varnelta
