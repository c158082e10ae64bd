#include "statusbar/status_pane.h"

#include <algorithm>

namespace varnelta::statusbar {

int PaneFrameWidth(TFrameStyle style) {
  switch (style) {
    case fsFlat:
    case fsStatus:
    case fsPopup: return 1;
    case fsGroove:
    case fsBump:
    case fsLowered:
    case fsButtonDown:
    case fsRaised:
    case fsButtonUp:
    case fsFlatBold:
    // The rounded frame the pane draws takes two pixels; its interior keeps clear of it.
    case fsFlatRounded: return 2;
    case fsNone:
    default: return 0;
  }
}

TRect PaneInterior(TRect pane, TFrameStyle style, int borderWidth, bool giveWayToGrip) {
  const int inset = std::clamp(borderWidth, 0, 0x7FFF) + PaneFrameWidth(style);
  TRect r = Inflated(pane, -inset, -inset);
  if (giveWayToGrip) r.Right -= kClockGripAllowance;
  return r;
}

bool PaneParentThemed(const TPaneParent& parent, bool stylesActive) {
  return parent.IsStatusBar && parent.VisualStyle == vsWinXP && stylesActive;
}

TPaneFramePlan PlanPaneFrame(const TPaneFrameInput& input, const ISystemColors& colors) {
  TPaneFramePlan plan;
  if (PaneParentThemed(input.Parent, input.StylesActive)) {
    plan.Themed = true;
    return plan;
  }
  if (!input.Transparent) {
    plan.Fill = true;
    plan.FillColor = ColorToRGB(input.Color, colors);
  }
  const int border = std::clamp(input.BorderWidth, 0, 0x7FFF);
  const TRect r = Inflated(input.Rect, -border, -border);
  if (input.Parent.IsStatusBar && input.Parent.VisualStyle == vsGradient) {
    if (input.LeftInParent > input.Parent.BorderWidth) {
      const TRect line{r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1};
      if (!line.IsEmpty()) plan.Lines.push_back({line, input.Parent.SeparatorColor});
    }
    return plan;
  }
  if (input.FrameStyle == fsFlat) {
    CornerlessRectGeometry(r, AdjustColor(input.FlatColor, input.FlatColorAdjustment, colors),
                           plan.Lines);
  } else {
    BorderGeometry(r, input.FrameStyle, sdAllSides, plan.Lines);
  }
  return plan;
}

int CaptionX(TAlignment alignment, TRect interior, int captionOffset, int textWidth,
             bool rightToLeft) {
  if (rightToLeft) {
    if (alignment == taLeftJustify) {
      alignment = taRightJustify;
    } else if (alignment == taRightJustify) {
      alignment = taLeftJustify;
    }
  }
  switch (alignment) {
    case taRightJustify: return interior.Right - captionOffset - 1 - textWidth;
    case taCenter: return (interior.Left + interior.Right) / 2 - textWidth / 2;
    case taLeftJustify:
    default: return interior.Left + captionOffset + 1;
  }
}

int CaptionY(TRect interior, int textHeight) {
  return interior.Top + (interior.Height() - textHeight) / 2;
}

TCaptionBackground CaptionBackground(bool parentThemed, bool transparent) {
  if (parentThemed) return TCaptionBackground::ThemedBar;
  return transparent ? TCaptionBackground::None : TCaptionBackground::Fill;
}

int PaneAutoWidth(bool captionEmpty, int textWidth, int borderWidth, int captionOffset,
                  int defaultWidth) {
  if (captionEmpty) return defaultWidth;
  return 2 * borderWidth + textWidth + captionOffset + 6;
}

TColor PaneTextColor(bool enabled, bool blinkHighlighted, TColor fontColor, TColor blinkColor) {
  if (!enabled) return clGrayText;
  return blinkHighlighted ? blinkColor : fontColor;
}

bool TPaneBlink::SetBlinking(bool on) {
  if (on == blinking_) return false;
  blinking_ = on;
  if (on) return false;
  highlighted_ = false;
  return true;
}

bool TPaneBlink::EnterPhase(bool highlighted) {
  if (!blinking_ || highlighted == highlighted_) return false;
  highlighted_ = highlighted;
  return true;
}

TColor TPaneBlink::TextColor(bool enabled, TColor fontColor, TColor blinkColor) const {
  return PaneTextColor(enabled, highlighted_, fontColor, blinkColor);
}

bool TPaneColors::SetColor(TColor color) {
  const bool changed = color != color_ || (parentFillColor_ && fillColor_ != color);
  color_ = color;
  if (parentFillColor_) fillColor_ = color;
  return changed;
}

bool TPaneColors::ParentColorChanged(TColor parentColor) {
  if (!parentColor_) return false;
  return SetColor(parentColor);
}

bool TPaneColors::SetFillColor(TColor color) {
  const bool changed = color != fillColor_;
  fillColor_ = color;
  parentFillColor_ = false;
  return changed;
}

void TPaneColors::SetParentFillColor(bool on) {
  parentFillColor_ = on;
  if (on) fillColor_ = color_;
}

void TPaneColors::AfterLoad() {
  if (!parentColor_) transparent_ = false;
}

bool PaneAtBarRightEnd(int paneRight, int barClientRight) { return paneRight >= barClientRight; }

bool PanePassesHitToBar(int paneRight, int barClientRight, bool showSizeGrip, int x) {
  return showSizeGrip && PaneAtBarRightEnd(paneRight, barClientRight) &&
         x >= barClientRight - kClockGripAllowance && x < barClientRight;
}

}  // namespace varnelta::statusbar
