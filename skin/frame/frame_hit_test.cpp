#include "skin/frame/frame_hit_test.h"

#include "skin/frame/dpi_scale.h"
#include "skin/frame/frame_codes.h"

namespace varnelta::frame {

TPoint ClientToFrame(TPoint client, const TFrameMetrics& m, bool minimisedMdiChild) {
  if (minimisedMdiChild) return client;
  return {client.X + m.Left, client.Y + m.Title + m.MenuBar};
}

std::optional<TRect> SnapButtonBounds(std::span<const TSysButtonFacts> buttons,
                                      std::span<const TNcObject> objects,
                                      std::uint8_t borderIcons) {
  if (!(borderIcons & kIconMaximize)) return std::nullopt;
  for (std::size_t k = 0; k < buttons.size() && k < objects.size(); ++k)
    if (RoleOf(buttons[k].Action) == TButtonRole::Maximize && objects[k].Visible &&
        !objects[k].Bounds.IsEmpty())
      return objects[k].Bounds;
  return std::nullopt;
}

int FrameHitTest(const THitFacts& f) {
  if (f.DefaultAnswer != kHtNowhere && f.DefaultAnswer != kHtCaption) return f.DefaultAnswer;
  int answer = f.DefaultAnswer;
  if (f.Point.Y > ScalePixel(3, f.Dpi)) answer = kHtCaption;
  if (f.Point.Y > f.Metrics.Title && f.Metrics.MenuBar > 0) answer = kHtMenu;
  if (f.MaximizeButton && f.MaximizeButton->Contains(f.Point)) answer = kHtMaxButton;
  return answer;
}

}  // namespace varnelta::frame
