// The status bar components as controls of the runtime: the panel with its border model, the
// status bar docked at the bottom of its form, and the windowless panes painted on it. Each
// control gathers its properties, asks the portable core what to do and hands the result to
// the GDI layer.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/custom_panel.h"
#include "runtime/timer.h"
#include "runtime/win_control.h"
#include "statusbar/clock_format.h"
#include "statusbar/marquee.h"
#include "statusbar/shared_lists.h"
#include "statusbar/status_bar.h"
#include "statusbar/status_pane.h"
#include "statusbar/win32/pane_drawing.h"

namespace varnelta {

extern const TEnumType FrameStyleType;
extern const TEnumType SidesType;
extern const TEnumType VisualStyleType;
extern const TEnumType GradientColorStyleType;
extern const TEnumType GradientDirectionType;
extern const TEnumType PaneAlignmentType;
extern const TEnumType ScrollTypeType;
extern const TEnumType FrameControllerNotificationType;

class TRzCustomStatusPane;

// Which of a frame controller's settings its panes take (bits of FrameControllerNotifications).
enum TFrameControllerNotification : int { fcpColor, fcpFrameColor, fcpFrameStyle, fcpParentColor };
inline constexpr int kAllFrameControllerNotifications = 0xF;

// Registers the component classes with the form reader and, once per process, puts the
// runtime's timer behind the panes' shared lists and reads the visual style's colour scheme.
void RegisterStatusBarControls();

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

// Frame settings shared by several panes: while its frame is visible, each attached pane takes
// its frame style, frame colour, colour (as the pane's fill colour) and parent-colour setting,
// as far as the pane's FrameControllerNotifications allow. A change reaches every pane at once.
class TRzFrameController : public TComponent {
  VARNELTA_CLASS()
 public:
  explicit TRzFrameController(TComponent* owner);
  ~TRzFrameController() override;

  statusbar::TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(statusbar::TFrameStyle v);
  TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(TColor v);
  bool FrameVisible() const { return frameVisible_; }
  void SetFrameVisible(bool v);
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);

  void AddPane(TRzCustomStatusPane* pane);
  void RemovePane(TRzCustomStatusPane* pane);

 private:
  void Changed();
  statusbar::TFrameStyle frameStyle_ = statusbar::fsFlat;
  TColor frameColor_ = clBtnShadow;
  bool frameVisible_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::vector<TRzCustomStatusPane*> panes_;
};

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

class TRzStatusPane : public TRzCustomStatusPane {
  VARNELTA_CLASS()
 public:
  explicit TRzStatusPane(TComponent* owner);
};

class TRzPollingStatus : public TRzCustomStatusPane {
  VARNELTA_CLASS()
 public:
  explicit TRzPollingStatus(TComponent* owner);
  ~TRzPollingStatus() override;

  // The shared polling timer's settings, the same for every polling pane.
  bool Active() const;
  void SetActive(bool v);
  int Interval() const;
  void SetInterval(int v);
  TNotifyEvent OnTimerExpired;

  // The timer-expired step the polling list calls for a visible pane.
  virtual void TimerExpired();

 private:
  struct PollingMember final : statusbar::IPollingMember {
    TRzPollingStatus* pane;
    explicit PollingMember(TRzPollingStatus* p) : pane(p) {}
    bool PollingVisible() const override { return pane->Showing(); }
    void TimerExpired() override { pane->TimerExpired(); }
  };
  PollingMember pollingMember_{this};
};

using TGetDateTimeEvent = std::function<void(TComponent* sender, statusbar::TDateTime& value)>;

class TRzClockStatus : public TRzPollingStatus {
  VARNELTA_CLASS()
 public:
  explicit TRzClockStatus(TComponent* owner);

  std::wstring Format() const { return format_; }
  void SetFormat(const std::wstring& v);
  // May change the date and time before it is formatted.
  TGetDateTimeEvent OnGetDateTime;

  // Formats the current date and time; the caption changes (and the pane repaints) only
  // when the text differs from the last one.
  void RefreshText();
  void TimerExpired() override;
  void Loaded() override;

 protected:
  bool GiveWayToGrip() const override;

 private:
  std::wstring format_;
  statusbar::TClockText text_;
};

class TRzMarqueeStatus : public TRzStatusPane {
  VARNELTA_CLASS()
 public:
  explicit TRzMarqueeStatus(TComponent* owner);
  ~TRzMarqueeStatus() override;

  statusbar::TRzScrollType ScrollType() const { return state_.ScrollType(); }
  void SetScrollType(statusbar::TRzScrollType v);
  bool Scrolling() const { return state_.Scrolling(); }
  void SetScrolling(bool v);
  int ScrollSize() const { return state_.ScrollSize(); }
  void SetScrollSize(int v) { state_.SetScrollSize(v); }
  int ScrollDelay() const { return state_.ScrollDelay(); }
  void SetScrollDelay(int v);

  int Step() const { return state_.Step(); }
  int Steps() const { return state_.Steps(); }
  // The pane's own timer (interval ScrollDelay, enabled while the text moves).
  TTimer& ScrollTimer() { return *timer_; }
  // One step: what the timer does. Draws only the interior, straight onto the bar.
  void ScrollTick();

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void DrawCaption(HDC dc) override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  void UpdatePassLength();
  void UpdateTimer();
  void DrawFrame(HDC dc, int step);
  statusbar::TMarqueeState state_;
  statusbar::TMarqueeSurface surface_;
  std::unique_ptr<TTimer> timer_;
};

}  // namespace varnelta
