// TRzStatusBar: the status bar docked at the bottom of its form, with its size grip, simple mode,
// automatic style and the panes laid out on it.
#pragma once

#include "statusbar/win32/rz_custom_panel.h"

namespace varnelta {

class TRzStatusBar : public TRzCustomPanel {
  VARNELTA_CLASS()
 public:
  explicit TRzStatusBar(TComponent* owner);

  bool AutoStyle() const { return autoStyle_.Enabled(); }
  void SetAutoStyle(bool v) { autoStyle_.SetEnabled(v); }
  void SetBorderOuter(statusbar::TFrameStyle v) override;
  void SetBorderInner(statusbar::TFrameStyle v) override;
  void SetBorderSides(int v) override;
  bool ShowSizeGrip() const { return showSizeGrip_; }
  void SetShowSizeGrip(bool v);
  bool SimpleStatus() const { return simpleStatus_; }
  void SetSimpleStatus(bool v);
  std::wstring SimpleCaption() const { return simpleCaption_; }
  void SetSimpleCaption(const std::wstring& v);
  statusbar::TFrameStyle SimpleFrameStyle() const { return simpleFrameStyle_; }
  void SetSimpleFrameStyle(statusbar::TFrameStyle v);
  bool AutoScalePanes() const { return autoScalePanes_; }
  void SetAutoScalePanes(bool v) { autoScalePanes_ = v; }

  // Whether the size grip is drawn and operated now (the form is sizeable, not maximised).
  bool SizeGripValid() const;
  // Whether a point of the bar operates the size grip, panes at the right end included.
  bool GripOperatesAt(TPoint point) const;

  // What the panes need to paint on the bar.
  statusbar::TPaneParent PaneParent() const;
  bool Themed() const;
  statusbar::TBarBackground Background(TColor paneColor) const;
  statusbar::TBarBackgroundImage& BackgroundImage() { return backgroundImage_; }
  // The client rectangle the panes align in, and its right edge.
  TRect ClientRectOfPanes() const;
  int PaneClientRight() const;

  void AdjustClientRect(TRect& rect) const override;
  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void Paint() override;

 private:
  statusbar::TStatusBarLook Look() const;
  statusbar::TAutoStyle autoStyle_;
  bool showSizeGrip_ = true;
  bool simpleStatus_ = false;
  std::wstring simpleCaption_;
  statusbar::TFrameStyle simpleFrameStyle_ = statusbar::fsFlat;
  bool autoScalePanes_ = false;
  statusbar::TPaneScaler scaler_;
  statusbar::TBarBackgroundImage backgroundImage_;
};

}  // namespace varnelta
