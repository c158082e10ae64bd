// TFrameMenus: a frame skinner's menus. It gives a window with a menu bar its skinned bar (the
// bar items hover, press and open their drop-downs), tracks the drop-downs with a message filter
// hook that switches between them by arrow keys and by the mouse, opens them by accelerator and
// by the 0x3518 message, measures and draws owner-drawn items (drop-downs, popup menus, the
// skinned system menu) and makes the runtime form's menus owner-drawn while skinned.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/types.h"
#include "skin/frame/win_skin_form.h"

namespace varnelta {

class TFrameMenus {
 public:
  explicit TFrameMenus(TWinSkinForm& frame) : frame_(frame) {}

  // At attach: the window's menu bar becomes the skinned bar (a strip SM_CYMENU high).
  void Attach();
  // CM_MENUCHANGED after the default handling: the bar follows the window's new menu.
  void MenuChanged();
  // An MDI frame's menu changed (a new menu, `handle`, or the last child gone, none): the bar
  // is built again, items without text taking their runtime item's caption.
  void RebuildItems(HMENU handle);
  // At detach: the menus get their own look back; a living window gets its menu bar back.
  void Detach(bool windowLives);
  // Messages the menus answer (mouse over the bar, 0x3518, owner-draw); false for the others.
  bool Message(TMessage& message);
  // The strip under the title bar, into the window DC.
  void PaintBar(HDC dc, const TRect& strip);

  // Opens the drop-down of bar item `index` (posting its command first) and tracks it.
  void DropDown(std::size_t index);
  // From inside a tracking: ends it and opens `index` next; otherwise opens `index` at once.
  void SwitchDropDown(std::size_t index);
  // Alt plus a character: the item with that accelerator opens; false when none has it.
  bool OpenAccelItem(wchar_t character);
  // Alt or F10: the first item opens; false without a skinned bar.
  bool OpenFirstItem();
  // Runtime popup menus and main menu drop-down items drawn by the skin (on) or not (off).
  void SkinPopupMenus(bool on);
  void SkinMainMenus(bool on);

  // The skinned system menu: its items become owner-drawn, each with its glyph (-1 for none).
  static void SkinSystemPopup(HMENU popup, const std::vector<int>& glyphs);
  static void ReleaseSystemPopup();

  // The tracking in progress, for the tests: the open bar item, or none.
  static std::optional<std::size_t> OpenItem();

 private:
  TPoint ScreenToWindow(POINT screen) const;
  // The window or its runtime menu reads right to left.
  bool RightToLeft() const;
  void RepaintItem(std::size_t index);
  void SetItemState(std::optional<std::size_t> index, int state);
  bool MeasureItem(MEASUREITEMSTRUCT& measure, TMessage& message);
  bool DrawItem(const DRAWITEMSTRUCT& draw, TMessage& message);
  static LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam);
  bool FilterMessage(MSG& msg);

  TWinSkinForm& frame_;
};

}  // namespace varnelta
