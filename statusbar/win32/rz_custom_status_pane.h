// TRzCustomStatusPane: the windowless pane painted on a status bar: its frame, fill, caption,
// alignment, automatic width, blinking and hints.
#pragma once

#include "statusbar/win32/rz_types.h"

namespace varnelta {

class TRzFrameController;
class TRzStatusBar;

class TRzCustomStatusPane : public TGraphicControl {
  VARNELTA_CLASS()
 public:
  explicit TRzCustomStatusPane(TComponent* owner);
  ~TRzCustomStatusPane() override;

  statusbar::TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(statusbar::TFrameStyle v);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v);
  TColor FlatColor() const { return flatColor_; }
  void SetFlatColor(TColor v);
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  void SetFlatColorAdjustment(int v);
  TColor FillColor() const { return colors_.FillColor(); }
  void SetFillColor(TColor v);
  bool ParentFillColor() const { return colors_.ParentFillColor(); }
  void SetParentFillColor(bool v);
  bool Transparent() const { return colors_.Transparent(); }
  void SetTransparent(bool v);
  statusbar::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(statusbar::TAlignment v);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  int DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int v);
  int CaptionOffset() const { return captionOffset_; }
  void SetCaptionOffset(int v);
  bool Blinking() const { return blink_.Blinking(); }
  void SetBlinking(bool v);
  TColor BlinkColor() const { return blinkColor_; }
  void SetBlinkColor(TColor v);
  int BlinkIntervalOn() const;
  void SetBlinkIntervalOn(int v);
  int BlinkIntervalOff() const;
  void SetBlinkIntervalOff(int v);
  bool AutoHint() const { return autoHint_; }
  // With AutoHint the pane hears the application's hint action.
  void SetAutoHint(bool v);
  TRzFrameController* FrameController() const { return frameController_; }
  void SetFrameController(TRzFrameController* v);
  int FrameControllerNotifications() const { return frameControllerNotifications_; }
  void SetFrameControllerNotifications(int v);
  // Takes the attached controller's settings (what the controller calls on a change).
  void ApplyFrameController();
  // The attached controller is being freed.
  void FrameControllerGone() { frameController_ = nullptr; }

  // The hint action of the application: with AutoHint the caption shows the hint text.
  void HintAction(const std::wstring& hint);

  // The colour the caption is drawn in now.
  TColor CurrentTextColor() const;
  // The status bar the pane sits on, or none.
  TRzStatusBar* StatusBar() const;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void Paint() override;
  // The caption step of painting; the marquee draws its scrolling frame instead.
  virtual void DrawCaption(HDC dc);
  virtual bool GiveWayToGrip() const { return false; }
  statusbar::TRect Interior() const;
  void UpdateAutoWidth();
  void ColorChanged() override;
  void TextChanged() override;
  void FontChanged() override;

  statusbar::TPaneColors colors_;
  statusbar::TBarBackgroundImage ownBackground_;

 private:
  struct BlinkMember final : statusbar::IBlinkMember {
    TRzCustomStatusPane* pane;
    explicit BlinkMember(TRzCustomStatusPane* p) : pane(p) {}
    std::intptr_t Perform(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override {
      return pane->Perform(msg, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
    }
  };
  BlinkMember blinkMember_{this};
  statusbar::TFrameStyle frameStyle_ = statusbar::fsFlat;
  int borderWidth_ = 1;
  TColor flatColor_ = clBtnShadow;
  int flatColorAdjustment_ = 30;
  statusbar::TAlignment alignment_ = statusbar::taLeftJustify;
  bool autoSize_ = false;
  int defaultWidth_ = 40;
  int captionOffset_ = 2;
  TColor blinkColor_ = clHighlight;
  bool autoHint_ = false;
  statusbar::TPaneBlink blink_;
  TRzFrameController* frameController_ = nullptr;
  int frameControllerNotifications_ = kAllFrameControllerNotifications;
};

}  // namespace varnelta
