#include "skin/frame/caption_layout.h"

#include <algorithm>

#include "skin/frame/dpi_scale.h"
#include "skin/frame/frame_codes.h"

namespace varnelta::frame {

std::wstring CaptionText(std::wstring_view windowText) {
  std::wstring text = L" ";
  text += windowText;
  text += L"  ";
  return text;
}

TCaptionStyle CaptionStyleOf(const TDataSkinTitle& title, int dpi) {
  return {ScalePixel(title.Margins.Left, dpi),  ScalePixel(title.Margins.Top, dpi),
          ScalePixel(title.Margins.Right, dpi), title.TextAlignment,
          ScalePixel(title.TextBackLeft, dpi),  ScalePixel(title.TextBackRight, dpi)};
}

namespace {

// The horizontal offset of the measured rectangle (width w) in a title TW wide. Divisions
// truncate toward zero, so a text wider than the title leans left by the same half either way.
int HorizontalOffset(const TCaptionFacts& f, const TCaptionStyle& s, int titleWidth, int w) {
  if (f.RightToLeft) {
    switch (s.TextAlignment) {
      case 0:
        return titleWidth - f.RightButtonsExtent - w;
      case 1:
        return (titleWidth - w - f.RightButtonsExtent) / 2;
      case 2:
        return s.TextShift;
      default:
        return 0;
    }
  }
  switch (s.TextAlignment) {
    case 0:
      return s.TextShift;
    case 1:
      return (titleWidth - w) / 2;
    case 2:
      return titleWidth - s.TextRightClip - w;
    default:
      return 0;
  }
}

}  // namespace

TCaptionLayout LayoutCaption(const TCaptionFacts& f, const TCaptionStyle& s) {
  const TRect& title = f.TitleRect;
  TRect r{title.Left, title.Top, title.Left + f.TextWidth, title.Top + f.TextHeight};
  r.Right += s.TextBackLeft + s.TextBackRight;
  const int x = HorizontalOffset(f, s, title.Width(), r.Width());
  const int y = (title.Height() - f.TextHeight) / 2 + s.TextShiftVert / 2;
  r = {r.Left + x, r.Top + y, r.Right + x, r.Bottom + y};
  if (f.RightToLeft && x < 1) r.Left = s.TextShift;

  if (f.RightToLeft) {
    const int nudge = ScalePixel(10, f.Dpi);
    r.Left += nudge;
    r.Right += nudge;
  } else if (f.Popup) {
    const int clip = title.Right - f.RightButtonsExtent - ScalePixel(5, f.Dpi);
    if (f.RightButtonsExtent > ScalePixel(5, f.Dpi) && clip < r.Right) r.Right = clip;
  } else {
    r.Right = std::min(r.Right, title.Right - s.TextRightClip);
  }
  if (f.BorderKind == bkDialog && s.TextAlignment == 0) r.Left -= ScalePixel(16, f.Dpi);

  TCaptionLayout layout;
  layout.CaptionRect = r;
  layout.BackRect = {r.Left, title.Top, r.Right, title.Bottom};
  layout.TextRect = {r.Left + s.TextBackLeft, r.Top, r.Right - s.TextBackRight, r.Bottom};
  layout.TextRect.Right = std::max(layout.TextRect.Right, layout.TextRect.Left);
  layout.DrawFlags = f.RightToLeft ? kCaptionDrawFlagsRtl : kCaptionDrawFlags;
  return layout;
}

}  // namespace varnelta::frame
