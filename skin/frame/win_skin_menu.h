// TWinSkinMenu: the skinned menu bar of one frame skinner. It takes the window's menu bar away,
// keeps one TMenuBtn per top-level item and paints them into the strip under the title bar from
// the skin's MenuBar element. It also remembers the type of every drop-down item it switched to
// owner-draw, and gives the window its menu bar back with those types when it is freed.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "runtime/dib_section.h"
#include "runtime/menus.h"
#include "runtime/win_handles.h"
#include "skin/data/skin_data.h"
#include "skin/frame/nc_objects.h"

namespace varnelta {

class TWinSkinMenu;

// One bar item: a non-client object that hovers, presses and opens its drop-down.
class TMenuBtn : public frame::TNcObject {
 public:
  TMenuItem* FMenuItem = nullptr;
  int FIndex = 0;
  std::wstring FCaption;
  bool FEnabled = true;
  HMENU FSubMenu = nullptr;
  UINT FCommand = 0;
  // A maximised MDI child's system menu item shows the child's icon instead of a caption.
  HICON FIcon = nullptr;

  // Repaints the item's cell over the kept bar background, framed when hot or pressed.
  void Paint(HDC dc, TWinSkinMenu& bar) const;
};

// A maximised MDI child's control button, drawn in the bar: frame `Frame` of `FrameCount` of
// `Image`, magenta left out, at `Bounds` (window coordinates).
struct TBarButton {
  TRect Bounds;
  const TBitmap* Image = nullptr;
  int FrameCount = 1;
  int Frame = 1;
};

class TWinSkinMenu {
 public:
  TWinSkinMenu(HWND window, TSkinData* data);
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // (Re)creates the items from the window's menu (`menu` may be none) and the runtime menu,
  // then takes the menu bar off the window.
  void BuildItems(HMENU handle, TMenu* menu, bool fromRuntimeItems);
  // The MDI variant: items without text take caption, state and command from the runtime menu.
  void UpdateItemsFromRuntime();
  // A maximised MDI child shown in the frame: its system menu becomes the first item (none
  // takes it away again), and its control buttons are drawn at the bar's right end.
  void SetMdiChild(HWND child);
  HWND MdiChild() const { return FMdiChild; }
  void SetChildButtons(std::vector<TBarButton> buttons) { FChildButtons = std::move(buttons); }
  // Draws child button `button` (over the kept bar background) into the window DC.
  void PaintChildButton(HDC dc, const TBarButton& button) const;
  // Paints the strip (window coordinates) into `dc`.
  void PaintBar(HDC dc, const TRect& strip, bool active, bool rightToLeft);
  // Places the items as PaintBar would, without painting.
  void LayoutBar(const TRect& strip, bool rightToLeft);
  // The first item with a caption whose bounds hold the point (window coordinates).
  std::optional<std::size_t> ItemAt(TPoint p) const;

  // Switches every item of the drop-down (and its submenus) to owner-draw, remembering types.
  void SwitchToOwnerDraw(HMENU dropDown);
  // Puts every remembered item type back.
  void RestoreTypes();
  // Gives the window its menu bar back (with the items' own types).
  void GiveBack();

  std::vector<TMenuBtn>& Items() { return FItems; }
  const std::vector<TMenuBtn>& Items() const { return FItems; }
  TMenu* Menu() const { return FMenu; }
  HMENU MenuHandle() const { return FMenuHandle; }
  const TRect& BarRect() const { return FBarRect; }
  HFONT Font() const { return FFont.Get(); }
  TSkinData* SkinData() const { return FSkinData; }
  const TDibSection& Background() const { return FBarBackground; }
  bool Painting() const { return FPainting; }
  // Draws a caption centred in `cell` (the 0x561 measure, the 0x61 draw).
  void DrawCentredCaption(HDC dc, const std::wstring& caption, const TRect& cell, bool enabled) const;
  // An item's caption, or its icon centred in its cell.
  void DrawItemFace(HDC dc, const TMenuBtn& button) const;

 private:
  std::vector<int> MeasureItems(HDC dc) const;
  // Takes out of the menu the items the system adds for a maximised MDI child (its system menu
  // and its control buttons as pictures), which the bar shows itself.
  void StripMdiAdditions();

  HWND FWindow;
  TSkinData* FSkinData;
  std::vector<TMenuBtn> FItems;
  TMenu* FMenu = nullptr;
  HMENU FMenuHandle = nullptr;
  TRect FBarRect;
  TDibSection FBarBackground;
  TFontHandle FFont;
  bool FPainting = false;
  HWND FMdiChild = nullptr;
  std::vector<TBarButton> FChildButtons;
  struct TSavedType {
    HMENU Menu;
    UINT Position;
    UINT Type;
  };
  std::vector<TSavedType> savedTypes_;
};

// The screen's menu font (as the system's non-client metrics give it).
TFontHandle CreateMenuFont();

}  // namespace varnelta
