// TRzFrameController: frame settings shared by several status panes.
#pragma once

#include "statusbar/win32/rz_types.h"

namespace varnelta {

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

}  // namespace varnelta
