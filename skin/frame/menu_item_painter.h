// The skinned look of one menu item (drop-downs of the bar, popup menus, the system menu): the
// skin's MenuItem element over the popup window's background, then the glyph, check mark,
// caption and shortcut. Also the owner-draw measures and the item text read by command.
#pragma once

#include <windows.h>

#include <string>

#include "runtime/bitmap.h"
#include "runtime/menus.h"
#include "skin/data/skin_data.h"

namespace varnelta {

class TSkinManage;

// What an item shows: a runtime item's properties or those read from a system menu.
struct TMenuItemLook {
  std::wstring Caption;   // "-" for a separator
  std::wstring ShortCut;  // text, drawn right-aligned
  bool Enabled = true;
  bool Checked = false;
  bool Default = false;
  bool SpecialSeparator = true;  // "-" drawn from the skin's separator frame
  int ImageIndex = -1;
  const TBitmap* Glyphs = nullptr;  // a strip of glyphs side by side, GlyphWidth wide each
  int GlyphWidth = 0;
  COLORREF GlyphMask = TSkinData::kMenuImagesMask;  // the strip's background, left out
  HMENU ParentMenu = nullptr;
  bool RightToLeft = false;
};

// The look of a runtime item (its caption split at a tab into caption and shortcut; its image
// from its menu's image list).
TMenuItemLook LookOf(const TMenuItem& item);
// The look of any item of a system menu, by command (owner-drawn items keep their text).
TMenuItemLook LookByCommand(HMENU menu, UINT command);
// The text of a menu item by command, at most `limit` characters; empty when none.
std::wstring MenuTextByCommand(HMENU menu, UINT command, std::size_t limit = 80);

struct TMenuPaintContext {
  TSkinData* Data = nullptr;
  TSkinManage* Manager = nullptr;
  int Dpi = 96;
};

// The skinned item with the MenuItem element (DrawPlainMenuItem without one).
void DrawMenuItem(const TMenuPaintContext& context, const TMenuItemLook& look, HDC canvas, bool selected, const RECT& r);
// The plain look: Colours Hilight or Menu, then the content.
void DrawPlainMenuItem(const TMenuPaintContext& context, const TMenuItemLook& look, HDC canvas, bool selected,
                       const RECT& r);
// Glyph, check mark, caption, shortcut and separator line, onto `dc` inside `r`.
void DrawItemContent(const TMenuPaintContext& context, const TMenuItemLook& look, HDC dc, bool selected, const RECT& r);

// The three measures of owner-drawn items.
void MeasureMainMenuItem(const TMenuPaintContext& context, TMenuItem& item, int& width, int& height);
void MeasurePopupMenuItem(const TMenuPaintContext& context, bool hasImages, int& width, int& height);
void MeasurePlainMenuItem(const TMenuPaintContext& context, const std::wstring& text, UINT& width, UINT& height);

// The MenuItem element's left margin at the context's DPI; 0 without the element.
int MenuItemMarginLeft(const TMenuPaintContext& context);

}  // namespace varnelta
