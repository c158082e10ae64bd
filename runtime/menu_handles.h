// The window layer of the runtime menus: system menu handles built from the item tree, the
// form's menu bar, popup menus shown at a point, and the messages that come back (commands,
// owner-draw measuring and drawing).
#pragma once

#include <windows.h>

#include "runtime/menus.h"

namespace varnelta {

// The menu's system handle, built from its items when it has none yet. A main menu is a bar,
// a popup menu a drop-down; hidden items are left out; an item's data is the item itself.
HMENU MenuHandle(TMenu& menu);
// Builds the handles again after a change (the old ones are destroyed).
HMENU RebuildMenuHandle(TMenu& menu);
// Destroys the menu's handles.
void DestroyMenuHandle(TMenu& menu);
// The text a menu item shows: caption, then a tab and the shortcut when it has one.
std::wstring MenuItemText(const TMenuItem& item);

// Sets the type bits (MFT_...) of the item at `position` of a menu handle.
void SetMenuItemType(HMENU menu, UINT position, UINT type);

// The runtime item a menu command belongs to, searched in every menu `owner` owns.
TMenuItem* FindMenuItem(const TComponent& owner, unsigned command);
// A WM_COMMAND from a menu of `owner`: runs the item's click; false when not one of them.
bool DispatchMenuCommand(TComponent& owner, unsigned command);
// Owner-draw messages of runtime items: the item's OnMeasureItem / OnDrawItem run (a plain
// measure and look without them). False when the item is not one of `owner`'s menus'.
bool MeasureMenuItem(TComponent& owner, MEASUREITEMSTRUCT& measure);
bool DrawRuntimeMenuItem(TComponent& owner, const DRAWITEMSTRUCT& draw);

// Installs how popup menus are shown (tracked for the active form; a choice runs its click).
void InstallPopupMenus();

}  // namespace varnelta
