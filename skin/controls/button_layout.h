// The pure layout rules of the button skinners: which frame of the Buttons picture a state
// shows, where a caption and a glyph go, and where a forwarded mouse press lies.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/types.h"

namespace varnelta {

// Mouse state bits of a skinner.
inline constexpr std::uint8_t kMouseHot = 1;
inline constexpr std::uint8_t kMousePressed = 2;

// Frames of the Buttons picture (1-based).
enum TButtonFrame : int {
  bfNormal = 1,
  bfPressed = 2,
  bfDisabled = 3,
  bfHot = 4,
  bfFocused = 5,
};

// The push button frame: disabled wins over all, pressed over hot, hot over focus or default.
int PushButtonFrame(std::uint8_t mouseState, bool enabled, bool focused, bool isDefault);
// The menu button frame: focus counts as hot; no default.
int MenuButtonFrame(std::uint8_t mouseState, bool enabled, bool focused);

// The speed button frame: held down shows pressed before anything else, then disabled, then
// pressed, hot and normal.
int SpeedButtonFrame(std::uint8_t mouseState, bool enabled, bool down);
// A flat speed button shows the Buttons picture only while hot or pressed (or held down).
bool SpeedButtonShowsPicture(int frame, bool flat);
// The glyph cell a button frame shows: down for pressed, disabled for disabled, else up; a held
// down speed button shows its fourth cell.
int GlyphCellForFrame(int frame, bool heldDown);

// The first "||" becomes a line break; any later one stays as it is.
std::wstring ReplaceFirstBar(const std::wstring& text);

// Places a measured block of `size` centred in `rect`: right by half the width difference, down by
// half the height difference less 1 (halves truncated toward zero). Not centred: only the
// vertical move, and the block takes the rectangle's left and right.
TRect CentreBlock(const TRect& rect, TPoint size, bool centred);

// Glyph-and-caption layout of a bit button.
enum TGlyphLayout : int { glLeft = 0, glRight = 1, glTop = 2, glBottom = 3 };
struct TGlyphPlacement {
  TPoint GlyphPos;
  TPoint TextPos;
  bool AlignRight = false;   // the caption is drawn with DT_RIGHT
  bool AlignCentre = false;  // the caption is drawn with DT_CENTER
};
// `margin` and `spacing` -1 mean automatic; `centred` is the Alignment "taCenter".
TGlyphPlacement PlaceGlyph(TPoint client, TPoint glyph, TPoint text, int layout, int margin, int spacing,
                           bool centred);
// The layout named by a Layout identifier; an unknown name lays the glyph out on the left.
int GlyphLayoutFromName(const std::string& lowerName);

// The client point of a left-button press: the signed halves of lParam, or, for a control wider
// or taller than 0x8000 pixels where those halves cannot hold it, the cursor position moved to the
// control's client origin.
TPoint MouseDownPoint(std::int64_t lParam, TPoint controlSize, TPoint cursor, TPoint clientOrigin);

}  // namespace varnelta
