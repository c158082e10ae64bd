#include "statusbar/status_bar.h"

namespace varnelta::statusbar {

void TAutoStyle::SetBorderOuter(TPanelBorder& border, TFrameStyle style) {
  if (border.BorderOuter != style) enabled_ = false;
  border.BorderOuter = style;
}

void TAutoStyle::SetBorderInner(TPanelBorder& border, TFrameStyle style) {
  if (border.BorderInner != style) enabled_ = false;
  border.BorderInner = style;
}

void TAutoStyle::SetBorderSides(TPanelBorder& border, TSides sides) {
  if (border.BorderSides != sides) enabled_ = false;
  border.BorderSides = sides;
}

bool TAutoStyle::ApplyAfterLoad(TPanelBorder& border) const {
  if (!enabled_) return false;
  border.BorderInner = fsNone;
  border.BorderOuter = fsNone;
  border.BorderSides = sdAllSides;
  border.BorderWidth = 0;
  return true;
}

TRect StatusBarClientRect(TRect panelClient, bool libraryAvailable, bool simpleStatus) {
  TRect r = panelClient;
  if (!libraryAvailable) {
    r.Bottom += 1;
    if (simpleStatus) {
      r.Top = 2;
    } else {
      r.Left -= 1;
      r.Right += 1;
      r.Top = 1;
    }
  } else if (simpleStatus) {
    r.Left += 1;
    r.Top += 1;
    r.Right -= 1;
  }
  return r;
}

bool SizeGripValid(bool formSizeable, bool formMaximised) { return formSizeable && !formMaximised; }

TRect SizeGripActiveArea(int barWidth, int barHeight) {
  return {barWidth - kSizeGripActiveWidth, 0, barWidth, barHeight};
}

bool SizeGripHit(bool showSizeGrip, bool gripValid, int barWidth, int barHeight, TPoint point) {
  return showSizeGrip && gripValid && SizeGripActiveArea(barWidth, barHeight).Contains(point);
}

TRect ThemedGripperRect(TRect client) {
  return {client.Right - 20, client.Top, client.Right, client.Bottom};
}

FillList SizeGripSquares(int right, int bottom, TColor highlight, TColor shadow) {
  static constexpr TPoint kOffsets[] = {{5, 12}, {5, 8}, {5, 4}, {9, 8}, {9, 4}, {13, 4}};
  FillList out;
  out.reserve(12);
  for (int shift = 0; shift < 2; ++shift) {
    const TColor color = shift == 0 ? highlight : shadow;
    if (color == clNone) continue;
    for (const TPoint& o : kOffsets) {
      const int x = right - o.X - shift;
      const int y = bottom - o.Y - shift;
      out.push_back({TRect{x, y, x + 2, y + 2}, color});
    }
  }
  return out;
}

int ScaledPaneWidth(int width, int delta, int lastWidth) {
  if (lastWidth == 0) return width;
  const float ratio = static_cast<float>(width) / static_cast<float>(lastWidth);
  const double product = static_cast<double>(delta) * static_cast<double>(ratio);
  return static_cast<int>(static_cast<long long>(width) + RoundHalfEven(product));
}

bool TPaneScaler::Resize(int newWidth, bool scalingOn, std::span<int> widths) {
  if (lastWidth_ == 0) {
    delta_ = 0;
    lastWidth_ = newWidth;
    return false;
  }
  delta_ = newWidth - lastWidth_;
  bool scaled = false;
  if (scalingOn && !widths.empty() && delta_ != 0) {
    for (int& w : widths) w = ScaledPaneWidth(w, delta_, lastWidth_);
    scaled = true;
  }
  lastWidth_ = newWidth;
  return scaled;
}

TStatusBarPaintPlan PlanStatusBarPaint(const TStatusBarPaintInput& input,
                                       const ISystemColors& colors) {
  const TStatusBarLook& look = input.Look;
  TStatusBarPaintPlan plan;
  plan.Bounds = input.Bounds;
  plan.ClientRect = StatusBarClientRect(PanelClientRect(input.Bounds, look.Border),
                                        input.Styles.LibraryAvailable, look.SimpleStatus);
  const TRect& client = plan.ClientRect;
  plan.Themed = look.VisualStyle == vsWinXP && input.Styles.Active;
  if (plan.Themed) {
    if (look.SimpleStatus) {
      plan.DrawSimpleCaption = true;
      plan.SimpleCaptionRect = client;
    }
  } else {
    plan.FillRect = PanelBorderGeometry(input.Bounds, look.Border, colors, plan.Frames);
    if (look.VisualStyle == vsGradient) {
      plan.Gradient = true;
      plan.Direction = look.GradientDirection;
      plan.GradientColors =
          GradientFillColors(look.GradientColorStyle, input.Styles.Active, input.Scheme,
                             look.GradientColorStart, look.GradientColorStop, colors);
    } else {
      plan.FillColor = ColorToRGB(look.Color, colors);
    }
    if (look.SimpleStatus) {
      if (look.VisualStyle == vsClassic) {
        if (look.SimpleFrameStyle == fsFlat) {
          CornerlessRectGeometry(client,
                                 AdjustColor(look.Border.FlatColor,
                                             look.Border.FlatColorAdjustment, colors),
                                 plan.SimpleFrame);
        } else {
          BorderGeometry(client, look.SimpleFrameStyle, sdAllSides, plan.SimpleFrame);
        }
      }
      plan.DrawSimpleCaption = true;
      plan.SimpleCaptionRect = Inflated(client, -1, -1);
      const TRect& text = plan.SimpleCaptionRect;
      plan.SimpleCaptionOrigin = {text.Left + 2,
                                  text.Top + (text.Height() - input.TextHeight) / 2};
    }
  }
  if (look.ShowSizeGrip && input.GripValid) {
    plan.DrawGrip = true;
    if (plan.Themed) {
      plan.ThemedGrip = true;
      plan.ThemedGripRect = ThemedGripperRect(client);
    } else {
      TColor highlight = clBtnHighlight;
      TColor shadow = clBtnShadow;
      if (look.VisualStyle == vsGradient) {
        const TGradientPair pair = GradientLineColors(look.GradientColorStyle,
                                                      input.Styles.Active, input.Scheme, colors);
        highlight = pair.Start;
        shadow = pair.Stop;
      }
      plan.GripSquares = SizeGripSquares(client.Right, input.Bounds.Bottom - 1, highlight, shadow);
    }
  }
  return plan;
}

}  // namespace varnelta::statusbar
