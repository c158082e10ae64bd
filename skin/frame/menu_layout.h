// The skinned menu's geometry and rules, without windows: where the bar's cells go, where a
// drop-down item's glyph, text and shortcut go, which bar item an arrow key switches to, which
// bar item an accelerator opens, and how wide and tall owner-drawn items are measured.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/types.h"

namespace varnelta::frame {

// ---- the bar ----

struct TBarItemFacts {
  bool Visible = true;
  int TextWidth = 0;  // the caption's measured width in the menu font
};

struct TBarFacts {
  TRect Strip;             // window coordinates
  bool HasElement = false; // the skin has a MenuBar element
  int MarginLeft = 0;      // its ends
  int MarginRight = 0;
  bool RightToLeft = false;
  // A maximised MDI child's control buttons: the left edge of the leftmost, window coordinates.
  std::optional<int> ChildButtonsLeft;
  std::vector<TBarItemFacts> Items;
  int Dpi = 96;            // the offsets below are for 96 DPI and scale with it
};

struct TBarLayout {
  int Start = 0;              // the first cell's offset from the strip's left (right-to-left: right)
  std::vector<TRect> Cells;   // window coordinates; (0, 0, 0, 0) for an invisible item
};

// Cells text width + 10 wide (0 for no text), the strip's height − 1 high, one after another
// from the start position: `Margins.Left` + 4 with the element (right-to-left: `Margins.Right`
// + 8 from the right end), 12 when the strip is narrower than that, 6 without the element.
// The margins come scaled; the other offsets scale with `Dpi`.
TBarLayout LayoutMenuBar(const TBarFacts& facts);
// The measured text box moved into the middle of the cell (halves truncated toward zero).
TRect CentreInCell(const TRect& cell, int textWidth, int textHeight);
// The first item whose cell holds the point and whose caption is not empty.
std::optional<std::size_t> BarItemAt(const std::vector<TRect>& cells, const std::vector<bool>& hasCaption, TPoint p);

// ---- drop-down items ----

struct TItemFacts {
  TRect R;                  // the item's rectangle
  int ImageWidth = 0;       // the image list's glyph width; 0 without one
  bool Checked = false;
  bool Separator = false;
  bool HasElement = false;  // the skin has a MenuItem element
  int MarginLeft = 0;       // its left margin
  bool RightToLeft = false;
  int Dpi = 96;
};

struct TItemGeometry {
  TRect Glyph;     // empty for a separator
  TRect Text;      // the text box
  int ShortcutEdge = 0;  // left-to-right: the right end of the shortcut; right-to-left: its left start
  int SeparatorY = 0;    // the etched line's top
};

TItemGeometry MenuItemGeometry(const TItemFacts& facts);
// The text box's measured text centred vertically in it (left/right as the text box).
TRect CentreTextVertically(const TRect& textBox, int textHeight);
// Where the system check bitmap goes: centred in the glyph box horizontally plus 1 and
// vertically in the item plus 1.
TPoint CheckMarkOrigin(const TRect& glyph, const TRect& item, int markWidth, int markHeight);

// ---- switching between the bar's drop-downs ----

enum class TArrow { Left, Right };
// Right-to-left menus exchange the arrows.
TArrow MirrorArrow(TArrow key, bool rightToLeft);

struct TSwitchFacts {
  std::vector<bool> Eligible;  // per bar item: visible with a caption
  int Open = -1;               // the open item
  TArrow Key = TArrow::Left;   // after mirroring
  bool NothingSelected = true;          // no drop-down item selected yet
  bool SelectedInOpenDropDown = false;  // the selected item lies directly in the open drop-down
  bool SelectedHasSubmenu = false;      // the selected item opens a submenu
};
// The bar item the arrow switches to (wrapping at both ends), or none when the arrow stays
// inside the drop-down (Left in a submenu, Right on an item with a submenu).
std::optional<std::size_t> ArrowSwitch(const TSwitchFacts& facts);

// The first enabled, visible bar item whose caption has the key as accelerator.
struct TAccelItem {
  std::wstring Caption;
  bool Enabled = true;
  bool Visible = true;
};
std::optional<std::size_t> FindAccelItem(const std::vector<TAccelItem>& items, wchar_t key);

// ---- measuring owner-drawn items ----

// The offsets below are for 96 DPI and scale with `dpi`; the margin comes scaled.
// A runtime main menu item after its own measure: + `MenuItem` `Margins.Left` + 10, + 25
// without an image list.
int MainMenuItemWidth(int width, int marginLeft, bool hasImages, int dpi = 96);
// A popup or system menu item: + `Margins.Left` + 12, + 23 without an image list.
int PopupMenuItemWidth(int width, int marginLeft, bool hasImages, int dpi = 96);
// Any other item (known only by its text): width and height.
struct TPlainMeasure {
  int Width = 0;
  int Height = 0;
};
TPlainMeasure PlainMenuItemMeasure(int textWidth, bool hasText, int height, int marginLeft, bool win9x, int dpi = 96);

}  // namespace varnelta::frame
