// Where the caption text of a skinned title bar goes: the measured text placed by the Title
// element's alignment and shifts, clipped before the right-hand buttons, with the caption
// background chip around it. The caller measures the text and draws; this only places.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/types.h"
#include "skin/data/skin_objects.h"
#include "skin/frame/frame_kinds.h"

namespace varnelta::frame {

// The caption drawn for a window text: one blank before, two after.
std::wstring CaptionText(std::wstring_view windowText);

// The Title element's placement fields, already at the screen's DPI.
struct TCaptionStyle {
  int TextShift = 0;      // Margins.Left
  int TextShiftVert = 0;  // Margins.Top
  int TextRightClip = 0;  // Margins.Right
  int TextAlignment = 0;  // 0 left, 1 centre, 2 right
  int TextBackLeft = 0;
  int TextBackRight = 0;
};

// The Title element's fields at `dpi`.
TCaptionStyle CaptionStyleOf(const TDataSkinTitle& title, int dpi);

struct TCaptionFacts {
  TRect TitleRect;
  int TextWidth = 0;   // the caption's extent in the caption font
  int TextHeight = 0;
  int RightButtonsExtent = 0;
  bool RightToLeft = false;
  bool Popup = false;  // WS_POPUP in the style
  TBorderKind BorderKind = bkSingle;
  int Dpi = 96;        // for the fixed nudges (5, 10 and 16 pixels at 96 DPI)
};

struct TCaptionLayout {
  TRect CaptionRect;  // FCaptionRect: the text with its background ends
  TRect BackRect;     // where the caption background is drawn
  TRect TextRect;     // where the text is drawn; never inverted
  std::uint32_t DrawFlags = 0;
};

TCaptionLayout LayoutCaption(const TCaptionFacts& facts, const TCaptionStyle& style);

}  // namespace varnelta::frame
