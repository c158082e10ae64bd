// TRzCustomPanel: the panel of the status bar components with its border model (outer and inner
// frames, sides, widths, flat and gradient looks), painted through the portable border maths.
#pragma once

#include "runtime/custom_panel.h"
#include "statusbar/win32/rz_types.h"

namespace varnelta {

class TRzCustomPanel : public TCustomPanel {
  VARNELTA_CLASS()
 public:
  explicit TRzCustomPanel(TComponent* owner);

  const statusbar::TPanelBorder& Border() const { return border_; }
  statusbar::TFrameStyle BorderOuter() const { return border_.BorderOuter; }
  virtual void SetBorderOuter(statusbar::TFrameStyle v);
  statusbar::TFrameStyle BorderInner() const { return border_.BorderInner; }
  virtual void SetBorderInner(statusbar::TFrameStyle v);
  int BorderSides() const { return border_.BorderSides; }
  virtual void SetBorderSides(int v);
  int BorderWidth() const { return border_.BorderWidth; }
  void SetBorderWidth(int v);
  TColor BorderColor() const { return border_.BorderColor; }
  void SetBorderColor(TColor v);
  TColor BorderHighlight() const { return border_.BorderHighlight; }
  void SetBorderHighlight(TColor v);
  TColor BorderShadow() const { return border_.BorderShadow; }
  void SetBorderShadow(TColor v);
  int BevelWidth() const { return border_.BevelWidth; }
  void SetBevelWidth(int v);
  TColor FlatColor() const { return border_.FlatColor; }
  void SetFlatColor(TColor v);
  int FlatColorAdjustment() const { return border_.FlatColorAdjustment; }
  void SetFlatColorAdjustment(int v);
  statusbar::TRzVisualStyle VisualStyle() const { return visualStyle_; }
  void SetVisualStyle(statusbar::TRzVisualStyle v);
  statusbar::TRzGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
  void SetGradientColorStyle(statusbar::TRzGradientColorStyle v);
  TColor GradientColorStart() const { return gradientStart_; }
  void SetGradientColorStart(TColor v);
  TColor GradientColorStop() const { return gradientStop_; }
  void SetGradientColorStop(TColor v);
  statusbar::TGradientDirection GradientDirection() const { return gradientDirection_; }
  void SetGradientDirection(statusbar::TGradientDirection v);
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool v) { fullRepaint_ = v; }

  void AdjustClientRect(TRect& rect) const override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  // Repaints the panel and its panes and lays the children out again.
  void LookChanged();

  statusbar::TPanelBorder border_;
  statusbar::TRzVisualStyle visualStyle_ = statusbar::vsWinXP;
  statusbar::TRzGradientColorStyle gradientColorStyle_ = statusbar::gcsSystem;
  TColor gradientStart_ = 0xFFFFFF;
  TColor gradientStop_ = clBtnFace;
  statusbar::TGradientDirection gradientDirection_ = statusbar::gdHorizontalEnd;
  bool fullRepaint_ = true;
};

}  // namespace varnelta
