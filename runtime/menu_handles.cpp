#include "runtime/menu_handles.h"

#include <vector>

#include "runtime/form.h"
#include "runtime/layout.h"
#include "runtime/win_handles.h"

namespace varnelta {

namespace {

void DestroyItemHandles(TMenuItem& item) {
  for (int i = 0; i < item.Count(); ++i) DestroyItemHandles(*item.Items(i));
  item.SetHandle(nullptr);
}

void FillMenu(HMENU handle, TMenuItem& parent, bool ownerDraw, bool rightToLeft) {
  UINT position = 0;
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& item = *parent.Items(i);
    if (!item.Visible()) continue;
    HMENU sub = nullptr;
    if (item.Count() > 0) {
      sub = CreatePopupMenu();
      item.SetHandle(sub);
      FillMenu(sub, item, ownerDraw, rightToLeft);
    } else {
      item.SetHandle(nullptr);
    }
    const std::wstring text = MenuItemText(item);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
    info.fType = item.IsLine() ? MFT_SEPARATOR : MFT_STRING;
    if (ownerDraw) info.fType |= MFT_OWNERDRAW;
    // Right-to-left menus are placed and drawn mirrored by their painters; the right-order
    // type bit is left out (some systems take it for the old system-menu bit).
    (void)rightToLeft;
    info.fState = (item.Enabled() ? 0u : static_cast<UINT>(MFS_GRAYED)) | (item.Checked() ? static_cast<UINT>(MFS_CHECKED) : 0u) |
                  (item.Default() ? static_cast<UINT>(MFS_DEFAULT) : 0u);
    info.wID = item.Command();
    info.hSubMenu = sub;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
    info.cch = static_cast<UINT>(text.size());
    InsertMenuItemW(handle, position++, TRUE, &info);
  }
}

std::vector<TMenu*> MenusOf(const TComponent& owner) {
  std::vector<TMenu*> menus;
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    if (auto* menu = dynamic_cast<TMenu*>(owner.Components(i))) menus.push_back(menu);
  }
  return menus;
}

TMenuItem* ItemOf(const TComponent& owner, UINT command, ULONG_PTR data) {
  TMenuItem* item = FindMenuItem(owner, command);
  // The item data confirms the match (another program's menu may reuse the number).
  if (item && data && reinterpret_cast<TMenuItem*>(data) != item) return nullptr;
  return item;
}

}  // namespace

std::wstring MenuItemText(const TMenuItem& item) {
  std::wstring text = item.Caption();
  const std::wstring shortcut = ShortCutToText(static_cast<TShortCut>(item.ShortCut()));
  if (!shortcut.empty()) text += L"\t" + shortcut;
  return text;
}

HMENU MenuHandle(TMenu& menu) {
  if (menu.Handle()) return static_cast<HMENU>(menu.Handle());
  HMENU handle = menu.InheritsFrom(TMainMenu::StaticClass()) ? CreateMenu() : CreatePopupMenu();
  menu.Items()->SetHandle(handle);
  FillMenu(handle, *menu.Items(), menu.OwnerDraw(), menu.IsRightToLeft());
  return handle;
}

void DestroyMenuHandle(TMenu& menu) {
  if (HMENU handle = static_cast<HMENU>(menu.Handle())) DestroyMenu(handle);  // submenus go with it
  DestroyItemHandles(*menu.Items());
}

HMENU RebuildMenuHandle(TMenu& menu) {
  DestroyMenuHandle(menu);
  return MenuHandle(menu);
}

TMenuItem* FindMenuItem(const TComponent& owner, unsigned command) {
  for (TMenu* menu : MenusOf(owner)) {
    if (TMenuItem* item = menu->FindItem(command); item && item != menu->Items()) return item;
  }
  return nullptr;
}

bool DispatchMenuCommand(TComponent& owner, unsigned command) {
  TMenuItem* item = FindMenuItem(owner, command);
  if (!item) return false;
  item->Click();
  return true;
}

void SetMenuItemType(HMENU menu, UINT position, UINT type) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  info.fType = type;
  SetMenuItemInfoW(menu, position, TRUE, &info);
}

bool MeasureMenuItem(TComponent& owner, MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  TMenuItem* item = ItemOf(owner, measure.itemID, measure.itemData);
  if (!item) return false;
  int width = 0;
  // A separator is 8 pixels at 96 DPI; an item with text the system's menu height.
  int height = item->IsLine() ? ScaleForDpi(8, Screen().PixelsPerInch()) : GetSystemMetrics(SM_CYMENU);
  if (!item->IsLine()) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    // The default item is drawn bold, so it is measured bold.
    if (item->Default()) metrics.lfMenuFont.lfWeight = FW_BOLD;
    TFontHandle font(CreateFontIndirectW(&metrics.lfMenuFont));
    TWindowDC screen(nullptr);
    TSelectObject keep(screen.Get(), font.Get());
    const std::wstring text = MenuItemText(*item);
    RECT r{};
    DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    width = r.right - r.left;
    // A menu with images leaves its items room for them: the image's width and 7 pixels beside
    // it, as much as a menu without images is given for its check marks.
    if (const TMenu* menu = item->GetParentMenu(); menu && menu->Images()) {
      const auto imageWidth = GetOrdProp(menu->Images(), "Width");
      width += static_cast<int>(imageWidth.value_or(16)) + ScaleForDpi(7, Screen().PixelsPerInch());
    }
  }
  if (item->OnMeasureItem) {
    TWindowDC screen(nullptr);
    item->OnMeasureItem(*item, screen.Get(), width, height);
  }
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  measure.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool DrawRuntimeMenuItem(TComponent& owner, const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU) return false;
  TMenuItem* item = ItemOf(owner, draw.itemID, draw.itemData);
  if (!item) return false;
  const TRect r{draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom};
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  if (item->OnDrawItem) {
    item->OnDrawItem(*item, draw.hDC, r, selected);
    return true;
  }
  // The plain look: the system's menu colours and the caption.
  FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  RECT text = draw.rcItem;
  text.left += 20;
  SetBkMode(draw.hDC, TRANSPARENT);
  SetTextColor(draw.hDC, GetSysColor(!item->Enabled() ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  const std::wstring caption = item->Caption();
  DrawTextW(draw.hDC, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
  return true;
}

void InstallPopupMenus() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  TMenu::HandleFreer() = [](TMenu& menu) { DestroyMenuHandle(menu); };
  TPopupMenu::PopupHandler() = [](TPopupMenu& menu, int x, int y) {
    HWND owner = nullptr;
    if (auto* form = dynamic_cast<TWinControl*>(menu.Owner())) owner = form->Handle();
    if (!owner) owner = GetActiveWindow();
    HMENU handle = RebuildMenuHandle(menu);
    UINT flags = TPM_RIGHTBUTTON | TPM_RETURNCMD | (menu.IsRightToLeft() ? static_cast<UINT>(TPM_RIGHTALIGN) : 0u);
    // Windows wants the owner in the foreground for the menu to close on a click elsewhere.
    SetForegroundWindow(owner);
    const UINT command = static_cast<UINT>(TrackPopupMenu(handle, flags, x, y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (command) menu.DispatchCommand(command);
  };
}

}  // namespace varnelta
