#include "skin/frame/sys_buttons.h"

#include <algorithm>

#include "skin/frame/dpi_scale.h"

namespace varnelta::frame {

TButtonRole RoleOf(int action) {
  switch (action) {
    case 0:
      return TButtonRole::Close;
    case 1:
    case 22:
      return TButtonRole::Maximize;
    case 2:
    case 23:
      return TButtonRole::Minimize;
    case 3:
    case 11:
    case 12:
      return TButtonRole::SystemMenu;
    case 4:
      return TButtonRole::Help;
    case 7:
    case 60:
      return TButtonRole::ChildMinimize;
    case 8:
    case 61:
      return TButtonRole::ChildRestore;
    case 9:
    case 62:
      return TButtonRole::ChildClose;
    default:
      return TButtonRole::Custom;
  }
}

bool ShowsWindowIcon(int action) { return action == 3 || action == 11; }
bool IsClickable(int action) { return action >= 0; }

TSysButtonFacts SysButtonFactsOf(const TDataSkinSysButton& e, int dpi) {
  TSysButtonFacts b;
  b.Action = e.Action;
  b.Align = e.Align;
  b.XCoord = ScalePixel(e.XCoord, dpi);
  b.YCoord = ScalePixel(e.YCoord, dpi);
  b.Visibility = e.Visibility;
  b.Visibility1 = e.Visibility1;
  b.FrameCount = UsableFrameCount(e.FrameCount);
  b.ImageEmpty = e.Image.Empty();
  if (!b.ImageEmpty) {
    b.CellWidth = ScalePixel(e.Image.Width() / b.FrameCount, dpi);
    b.CellHeight = ScalePixel(e.Image.Height(), dpi);
  }
  return b;
}

bool AsksHost(int visibility) { return visibility >= 1000 && visibility <= 2000; }

namespace {

struct TIconBits {
  bool Max, Min, Help, Sys;
};

// One code against the window; `second` selects the Visibility1 column, `first` is the
// Visibility column's result (which code 100 repeats there).
bool CodeGives(int code, bool second, const TButtonWindow& w, const TIconBits& i,
               std::intptr_t hostAnswer, bool first) {
  const bool maximised = w.ShowState == ssMaximized;
  if (code < 0) return false;  // -1 included: such a button is hidden
  switch (code) {
    case 0:
      return true;
    case 1:
      return maximised;
    case 2:
      return !maximised;
    case 3:
      return w.Active;
    case 4:
      return !w.Active;
    case 5:
      return false;
    case 6:
    case 8:
      return second ? (i.Min || i.Max) : ((i.Min || i.Max) && i.Sys);
    case 7:
      return !i.Max;
    case 9:
      return !i.Min;
    case 10:
      return second ? i.Help : (i.Help && !i.Min && !i.Max);
    case 100:
      return second ? first : w.MdiFrameWithMaximisedChild;
    case 200:
      return !w.IsDialog && w.BorderKind == bkDialog;
    default:
      break;
  }
  if (code < 200) return false;  // 11 to 99, 101 to 199
  if (code < 1000) return true;  // 201 to 999
  if (code <= 2000) return second ? true : hostAnswer > 0;
  return false;
}

}  // namespace

TButtonVisibility IsButtonVisible(const TSysButtonFacts& b, const TButtonWindow& w,
                                  std::intptr_t hostAnswer) {
  const TIconBits icons{(w.BorderIcons & kIconMaximize) != 0, (w.BorderIcons & kIconMinimize) != 0,
                        (w.BorderIcons & kIconHelp) != 0, (w.BorderIcons & kIconSysMenu) != 0};
  const bool v = CodeGives(b.Visibility, false, w, icons, hostAnswer, false);
  const bool v1 = CodeGives(b.Visibility1, true, w, icons, hostAnswer, v);
  TButtonVisibility result{v && v1, std::nullopt};
  switch (b.Action) {
    case 0:
      if (!icons.Sys) result.Visible = false;
      break;
    case 1:
      result.Enabled = icons.Max && icons.Sys;
      break;
    case 2:
      result.Enabled = icons.Min && icons.Sys;
      break;
    case 3:
    case 11:
    case 12:
      if (w.BorderKind == bkDialog) result.Visible = false;
      break;
    default:
      break;
  }
  return result;
}

std::optional<TRect> LayoutSysButton(const TSysButtonFacts& b, bool visible,
                                     const TButtonPlace& p) {
  if (!visible || b.ImageEmpty) return std::nullopt;
  const int cw = b.CellWidth, ch = b.CellHeight;
  int left = 0, top = 0;
  switch (b.Align) {
    case 0:
      left = b.XCoord;
      top = b.YCoord;
      break;
    case 1:
      left = p.WindowWidth - b.XCoord;
      top = b.YCoord;
      break;
    case 2:
    case 8:
      left = p.CaptionRect.Left - cw - b.XCoord;
      top = b.YCoord;
      break;
    case 3:
    case 9:
      left = p.CaptionRect.Right + b.XCoord;
      top = b.YCoord;
      break;
    case 100:
      left = p.WindowWidth - b.XCoord - p.Metrics.Right - p.MenuBarLeftMargin;
      top = p.Metrics.Title + (p.Metrics.MenuBar - ch) / 2;
      break;
    default:
      break;
  }
  return Bounds(left, top, cw, ch);
}

int RightButtonsExtent(std::span<const TSysButtonFacts> buttons, std::span<const bool> visible) {
  std::optional<int> extent;
  for (std::size_t k = 0; k < buttons.size() && k < visible.size(); ++k) {
    const TSysButtonFacts& b = buttons[k];
    if (b.Align == 1 && !b.ImageEmpty && visible[k])
      extent = extent ? std::max(*extent, b.XCoord) : b.XCoord;
  }
  return extent.value_or(0);
}

bool PaintsInTitleBar(const TSysButtonFacts& b, bool visible) {
  return visible && !b.ImageEmpty && b.Visibility != 100;
}

int TitleBarFrame(const TSysButtonFacts& b, bool active, bool enabled) {
  if (b.FrameCount < 4) return 1;
  return active && enabled ? 1 : 4;
}

int ButtonStateFrame(const TSysButtonFacts& b, int buttonState, bool enabled) {
  int frame = buttonState;
  if (!enabled) frame = b.FrameCount > 3 ? 4 : 1;
  else if (b.Visibility == 100 && frame == 3) frame = 4;
  return std::clamp(frame, 1, b.FrameCount);
}

}  // namespace varnelta::frame
