#include "statusbar/win32/draw_border.h"

#include <utility>
#include <vector>

#include "statusbar/win32/gdi_objects.h"
#include "statusbar/win32/pane_drawing.h"
#include "statusbar/win32/system_sources.h"

namespace varnelta::statusbar {
namespace {

// Brushes of one drawing call; a frame uses at most a handful of colours.
class BrushSet {
 public:
  HBRUSH For(COLORREF color) {
    for (auto& [c, brush] : brushes_) {
      if (c == color) return brush.Get();
    }
    brushes_.emplace_back(color, TBrushObject(CreateSolidBrush(color)));
    return brushes_.back().second.Get();
  }

 private:
  std::vector<std::pair<COLORREF, TBrushObject>> brushes_;
};

}  // namespace

void DrawFills(HDC dc, const FillList& fills, const ISystemColors& colors) {
  if (!dc || fills.empty()) return;
  BrushSet brushes;
  for (const TColorRect& fill : fills) {
    if (fill.Color == clNone || fill.Rect.IsEmpty()) continue;
    HBRUSH brush = brushes.For(ColorToRGB(fill.Color, colors));
    if (!brush) continue;
    const RECT r = ToRECT(fill.Rect);
    FillRect(dc, &r, brush);
  }
}

RECT DrawBorder(HDC dc, const RECT& rect, TFrameStyle style, TSides sides,
                const ISystemColors& colors) {
  FillList fills;
  const TRect inner = BorderGeometry(FromRECT(rect), style, sides, fills);
  DrawFills(dc, fills, colors);
  return ToRECT(inner);
}

RECT DrawBorder(HDC dc, const RECT& rect, TFrameStyle style, TSides sides) {
  return DrawBorder(dc, rect, style, sides, WindowsSystemColors());
}

void DrawGradient(HDC dc, const RECT& rect, TColorRef start, TColorRef stop,
                  TGradientDirection direction) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (!dc || width <= 0 || height <= 0) return;
  const std::vector<TColorRef> pixels = GradientPixels(width, height, start, stop, direction);
  if (pixels.empty()) return;
  TDibImage image(width, height);
  if (!image.Valid()) return;
  std::uint32_t* bits = image.Bits();
  GdiFlush();
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const TColorRef c = pixels[i];
    bits[i] = (static_cast<std::uint32_t>(RedOf(c)) << 16) |
              (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
  }
  BitBlt(dc, rect.left, rect.top, width, height, image.DC(), 0, 0, SRCCOPY);
}

void DrawStatusBarPlan(HDC dc, const TStatusBarPaintPlan& plan, const TSimpleCaption& caption,
                       IVisualStyles& styles, const ISystemColors& colors) {
  if (!dc) return;
  if (plan.Themed) {
    const RECT bounds = ToRECT(plan.Bounds);
    styles.DrawStatusBackground(dc, bounds);
    if (plan.DrawSimpleCaption && !caption.Text.empty()) {
      const RECT text = ToRECT(plan.SimpleCaptionRect);
      TSelection font(dc, caption.Font);
      styles.DrawStatusText(dc, caption.Text, text);
    }
  } else {
    DrawFills(dc, plan.Frames, colors);
    const RECT fill = ToRECT(plan.FillRect);
    if (plan.Gradient) {
      DrawGradient(dc, fill, plan.GradientColors.Start, plan.GradientColors.Stop, plan.Direction);
    } else if (!plan.FillRect.IsEmpty()) {
      FillList plain{{plan.FillRect, plan.FillColor & 0xFFFFFF}};
      DrawFills(dc, plain, colors);
    }
    DrawFills(dc, plan.SimpleFrame, colors);
    if (plan.DrawSimpleCaption) {
      DrawTextLine(dc, caption.Text, caption.Font, caption.TextColor,
                   POINT{plan.SimpleCaptionOrigin.X, plan.SimpleCaptionOrigin.Y},
                   ToRECT(plan.SimpleCaptionRect));
    }
  }
  if (plan.DrawGrip) {
    if (plan.ThemedGrip) {
      const RECT grip = ToRECT(plan.ThemedGripRect);
      styles.DrawGripper(dc, grip);
    } else {
      DrawFills(dc, plan.GripSquares, colors);
    }
  }
}

void DrawPaneFramePlan(HDC dc, const RECT& paneRect, const TPaneFramePlan& plan,
                       IVisualStyles& styles, const ISystemColors& colors) {
  if (!dc) return;
  if (plan.Themed) {
    styles.DrawStatusPane(dc, paneRect);
    return;
  }
  if (plan.Fill) {
    FillList fill{{FromRECT(paneRect), plan.FillColor & 0xFFFFFF}};
    DrawFills(dc, fill, colors);
  }
  DrawFills(dc, plan.Lines, colors);
}

}  // namespace varnelta::statusbar
