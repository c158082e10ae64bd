#include "statusbar/win32/rz_controls.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "runtime/application.h"
#include "runtime/class_registry.h"
#include "runtime/form.h"
#include "statusbar/win32/system_sources.h"

namespace varnelta {

namespace sb = statusbar;

const TEnumType FrameStyleType{"TFrameStyle",
                               {"fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered",
                                "fsButtonDown", "fsRaised", "fsButtonUp", "fsStatus", "fsPopup",
                                "fsFlatBold", "fsFlatRounded"}};
const TEnumType SidesType{"TSides", {"sdLeft", "sdTop", "sdRight", "sdBottom"}};
const TEnumType VisualStyleType{"TRzVisualStyle", {"vsClassic", "vsWinXP", "vsGradient"}};
const TEnumType GradientColorStyleType{"TRzGradientColorStyle",
                                       {"gcsSystem", "gcsMSOffice", "gcsCustom"}};
const TEnumType GradientDirectionType{
    "TGradientDirection",
    {"gdDiagonalUp", "gdDiagonalDown", "gdHorizontalEnd", "gdHorizontalCenter", "gdHorizontalBox",
     "gdVerticalEnd", "gdVerticalCenter", "gdVerticalBox", "gdSquareBox", "gdBigSquareBox"}};
const TEnumType PaneAlignmentType{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const TEnumType ScrollTypeType{"TRzScrollType", {"stNone", "stRightToLeft", "stLeftToRight"}};
const TEnumType FrameControllerNotificationType{
    "TFrameControllerNotification", {"fcpColor", "fcpFrameColor", "fcpFrameStyle", "fcpParentColor"}};

namespace {

// The shared lists' timers as runtime timers.
class TRuntimeStatusTimer final : public sb::IStatusTimer {
 public:
  explicit TRuntimeStatusTimer(std::function<void()> onTick) : timer_(nullptr) {
    timer_.SetOnTimer({"", [tick = std::move(onTick)](TComponent*) { tick(); }});
  }
  void SetInterval(unsigned milliseconds) override { timer_.SetInterval(static_cast<int>(milliseconds)); }
  void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }

 private:
  TTimer timer_;
};

}  // namespace

void RegisterStatusBarControls() {
  static const bool once = [] {
    sb::SetStatusTimerFactory([](std::function<void()> onTick) -> std::unique_ptr<sb::IStatusTimer> {
      return std::make_unique<TRuntimeStatusTimer>(std::move(onTick));
    });
    sb::HandleThemeChanged();
    return true;
  }();
  (void)once;
  RegisterComponentClass(TRzStatusBar::StaticClass());
  RegisterComponentClass(TRzStatusPane::StaticClass());
  RegisterComponentClass(TRzPollingStatus::StaticClass());
  RegisterComponentClass(TRzClockStatus::StaticClass());
  RegisterComponentClass(TRzMarqueeStatus::StaticClass());
  RegisterComponentClass(TRzFrameController::StaticClass());
}

}  // namespace varnelta
