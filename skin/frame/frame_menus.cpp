#include "skin/frame/frame_menus.h"

#include <windowsx.h>

#include <functional>
#include <map>

#include "runtime/menu_handles.h"
#include "skin/data/skin_types.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/frame_painter.h"
#include "skin/frame/mdi_bar.h"
#include "skin/frame/menu_item_painter.h"
#include "skin/frame/menu_layout.h"
#include "skin/frame/win_skin_menu.h"

namespace varnelta {

namespace {

constexpr UINT kTrackFlags = TPM_NONOTIFY | TPM_RIGHTBUTTON;  // 0x82

// The one drop-down tracking of the thread (the menu loop is modal).
struct TTracking {
  TWinSkinForm* Frame = nullptr;
  std::optional<std::size_t> Open;
  std::optional<std::size_t> Pending;  // the item to open once this tracking has ended
  POINT LastMouse{};
  bool FirstMessage = true;
  bool SwitchPending = false;
  THookHandle Hook;
};
TTracking& Tracking() {
  static TTracking tracking;
  return tracking;
}

// The skinned system menu's glyphs by command, while it is open.
struct TSystemPopup {
  HMENU Menu = nullptr;
  std::map<UINT, int> Glyphs;
};
TSystemPopup& SystemPopup() {
  static TSystemPopup popup;
  return popup;
}

bool OldSystem() {
  const TPlatformVersion& v = RecordedVersion();
  return (v.IsNT && v.Major < 5) || (!v.IsNT && v.Major == 4 && v.Minor == 0);
}

bool Nt4() {
  const TPlatformVersion& v = RecordedVersion();
  return v.IsNT && v.Major == 4;
}

int HilitedItem(HMENU menu) {
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
  }
  return -1;
}

TMenuPaintContext ContextOf(TWinSkinForm& frame) {
  return {frame.SkinData(), TSkinManage::Current(), frame.Dpi()};
}

// Every item under `parent` with its depth (the parent's children are at depth 1).
void ForEachItem(TMenuItem& parent, const std::function<void(TMenuItem&, int)>& action, int depth = 1) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& item = *parent.Items(i);
    action(item, depth);
    ForEachItem(item, action, depth + 1);
  }
}

// Every component of the form, and of the forms it owns.
void ForEachComponent(TComponent& owner, const std::function<void(TComponent&)>& action) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    TComponent* c = owner.Components(i);
    action(*c);
    if (dynamic_cast<TCustomForm*>(c)) ForEachComponent(*c, action);
  }
}

}  // namespace

std::optional<std::size_t> TFrameMenus::OpenItem() { return Tracking().Open; }

TPoint TFrameMenus::ScreenToWindow(POINT screen) const {
  RECT window{};
  GetWindowRect(frame_.FHandle, &window);
  return {screen.x - window.left, screen.y - window.top};
}

bool TFrameMenus::RightToLeft() const {
  const TWinSkinMenu* bar = frame_.FSkinMenu.get();
  return frame_.FRightToLeft || (bar && bar->Menu() && bar->Menu()->IsRightToLeft());
}

void TFrameMenus::Attach() {
  if (!frame_.FSkinFrame || frame_.MdiChild() || frame_.FSkinMenu) return;
  HMENU menu = GetMenu(frame_.FHandle);
  if (!menu) return;
  frame_.FSkinMenu = std::make_unique<TWinSkinMenu>(frame_.FHandle, frame_.FSkinData);
  frame_.FMenuBarHeight = GetSystemMetrics(SM_CYMENU);
  frame_.FSkinMenu->BuildItems(menu, frame_.FForm ? frame_.FForm->Menu() : nullptr, OldSystem());
  SkinPopupMenus(true);
  SkinMainMenus(true);
}

void TFrameMenus::MenuChanged() {
  HMENU menu = GetMenu(frame_.FHandle);
  if (!menu) return;
  if (!frame_.FSkinMenu) {
    Attach();
    frame_.ComputeMetrics();
    return;
  }
  if (!frame_.FSkinData || frame_.FSkinData->MenuUpdate()) {
    frame_.FSkinMenu->BuildItems(menu, frame_.FForm ? frame_.FForm->Menu() : nullptr, OldSystem());
  }
  if (GetMenu(frame_.FHandle)) SetMenu(frame_.FHandle, nullptr);
  TFramePainter(frame_).PaintFrame(nullptr);
}

void TFrameMenus::RebuildItems(HMENU handle) {
  if (!frame_.FSkinMenu) return;
  frame_.FSkinMenu->BuildItems(handle, frame_.FForm ? frame_.FForm->Menu() : nullptr, OldSystem());
  frame_.FSkinMenu->UpdateItemsFromRuntime();
  TFramePainter(frame_).PaintFrame(nullptr);
}

void TFrameMenus::Detach(bool windowLives) {
  if (Tracking().Frame == &frame_) {
    Tracking().Pending.reset();
    EndMenu();
  }
  SkinPopupMenus(false);
  SkinMainMenus(false);
  if (!frame_.FSkinMenu) return;
  if (windowLives) {
    frame_.FSkinMenu->GiveBack();
  } else {
    frame_.FSkinMenu->RestoreTypes();
    // A menu of a plain window (no runtime menu frees it) goes with its window.
    if (!frame_.FSkinMenu->Menu() && frame_.FSkinMenu->MenuHandle() && !GetMenu(frame_.FHandle)) {
      DestroyMenu(frame_.FSkinMenu->MenuHandle());
    }
  }
  frame_.FSkinMenu.reset();
  frame_.FMenuBarHeight = 0;
}

void TFrameMenus::PaintBar(HDC dc, const TRect& strip) {
  if (!frame_.FSkinMenu) return;
  TMdiBar(frame_).Follow(Tracking().Frame == &frame_);
  frame_.FSkinMenu->PaintBar(dc, strip, frame_.FActive, RightToLeft());
}

void TFrameMenus::RepaintItem(std::size_t index) {
  if (!frame_.FSkinMenu || index >= frame_.FSkinMenu->Items().size()) return;
  TWindowDC dc(frame_.FHandle, true);
  frame_.FSkinMenu->Items()[index].Paint(dc.Get(), *frame_.FSkinMenu);
}

void TFrameMenus::SetItemState(std::optional<std::size_t> index, int state) {
  if (!frame_.FSkinMenu) return;
  auto& items = frame_.FSkinMenu->Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int wanted = index && *index == i ? state : frame::bsNone;
    if (items[i].ButtonState == wanted) continue;
    items[i].ButtonState = wanted;
    RepaintItem(i);
  }
}

void TFrameMenus::DropDown(std::size_t first) {
  TTracking& t = Tracking();
  if (t.Frame) {  // already tracking: the new item follows once this tracking ends
    SwitchDropDown(first);
    return;
  }
  std::optional<std::size_t> next = first;
  while (next && frame_.FSkinMenu && *next < frame_.FSkinMenu->Items().size()) {
    const std::size_t index = *next;
    next.reset();
    const TMenuBtn button = frame_.FSkinMenu->Items()[index];
    // A maximised MDI child's system menu item has no command of its own.
    if (!button.FIcon) PostMessageW(frame_.FHandle, WM_COMMAND, button.FCommand, 0);
    if (!button.FSubMenu) break;
    t.Frame = &frame_;
    t.Open = index;
    t.Pending.reset();
    RECT window{};
    GetWindowRect(frame_.FHandle, &window);
    if (!Nt4() && !button.FIcon) frame_.FSkinMenu->SwitchToOwnerDraw(button.FSubMenu);
    frame_.FMenuTracking = true;
    SetItemState(index, frame::bsPressed);
    const bool rtl = RightToLeft();
    const int x = window.left + (rtl ? button.Bounds.Right : button.Bounds.Left);
    const int y = window.top + button.Bounds.Bottom;
    TSkinManage* manager = TSkinManage::Current();
    if (manager) {
      manager->SetMenuKind(kMenuKindBar);
      manager->SetMenusOpen(true);
    }
    t.FirstMessage = true;
    t.SwitchPending = false;
    GetCursorPos(&t.LastMouse);
    {
      // The hook lives exactly as long as this tracking, whichever way it ends.
      t.Hook = THookHandle(WH_MSGFILTER, MenuFilterHook, GetCurrentThreadId());
      const UINT flags = kTrackFlags | (rtl ? static_cast<UINT>(TPM_RIGHTALIGN) : 0u);
      if (button.FEnabled && button.FIcon) {
        // The child's system menu: what is chosen is the child's command, not the frame's.
        // It is tracked as a plain copy with the child's states: tracking a window's system menu
        // itself would take its states from the frame window.
        const HWND child = frame_.FSkinMenu->MdiChild();
        HMENU copy = TMdiBar::CopySystemMenu(button.FSubMenu, !Nt4());
        const auto chosen = static_cast<UINT>(TrackPopupMenu(copy, flags | TPM_RETURNCMD, x, y, 0, frame_.FHandle, nullptr));
        DestroyMenu(copy);
        if (chosen && IsWindow(child)) PostMessageW(child, WM_SYSCOMMAND, chosen, 0);
      } else if (button.FEnabled) {
        TrackPopupMenu(button.FSubMenu, flags, x, y, 0, frame_.FHandle, nullptr);
      }
      t.Hook.Reset();
    }
    next = t.Pending;
    t.Pending.reset();
    t.Open.reset();
    t.Frame = nullptr;
    frame_.FMenuTracking = false;
    if (!IsWindow(frame_.FHandle) || !frame_.FSkinMenu) return;  // the window went meanwhile
    SetItemState(std::nullopt, frame::bsNone);
  }
}

void TFrameMenus::SwitchDropDown(std::size_t index) {
  TTracking& t = Tracking();
  if (t.Frame == &frame_) {
    t.SwitchPending = true;
    t.Pending = index;
    EndMenu();
    return;
  }
  if (t.Frame) return;  // another window's menu is open
  DropDown(index);
}

bool TFrameMenus::OpenAccelItem(wchar_t character) {
  if (!frame_.FSkinMenu) return false;
  std::vector<frame::TAccelItem> items;
  for (const TMenuBtn& b : frame_.FSkinMenu->Items()) items.push_back({b.FCaption, b.FEnabled, b.Visible});
  const auto found = frame::FindAccelItem(items, character);
  if (!found) return false;
  SwitchDropDown(*found);
  return true;
}

bool TFrameMenus::OpenFirstItem() {
  if (!frame_.FSkinMenu) return false;
  const auto& items = frame_.FSkinMenu->Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].Visible && !items[i].FCaption.empty()) {
      SwitchDropDown(i);
      return true;
    }
  }
  return false;
}

LRESULT CALLBACK TFrameMenus::MenuFilterHook(int code, WPARAM wParam, LPARAM lParam) {
  TTracking& t = Tracking();
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (t.Frame && msg && code == MSGF_MENU) {
    if (TFrameMenus(*t.Frame).FilterMessage(*msg)) return 1;
  }
  return CallNextHookEx(t.Hook.Get(), code, wParam, lParam);
}

bool TFrameMenus::FilterMessage(MSG& msg) {
  TTracking& t = Tracking();
  TWinSkinMenu* bar = frame_.FSkinMenu.get();
  if (!bar || !t.Open) return false;
  const bool rtl = RightToLeft();
  if (t.FirstMessage) {
    t.FirstMessage = false;
    PostMessageW(msg.hwnd ? msg.hwnd : frame_.FHandle, WM_KEYDOWN, VK_DOWN, 0);
  }
  std::optional<std::size_t> target;
  switch (msg.message) {
    case WM_KEYDOWN: {
      if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) t.SwitchPending = false;
      if (msg.wParam != VK_LEFT && msg.wParam != VK_RIGHT) break;
      const frame::TArrow key = frame::MirrorArrow(msg.wParam == VK_LEFT ? frame::TArrow::Left : frame::TArrow::Right, rtl);
      // Where the selection is: in the open drop-down, or deeper in one of its submenus.
      HMENU drop = bar->Items()[*t.Open].FSubMenu;
      const int selected = HilitedItem(drop);
      HMENU level = drop;
      int levelItem = selected;
      bool deeper = false;
      while (levelItem >= 0) {
        HMENU sub = GetSubMenu(level, levelItem);
        const int inner = sub ? HilitedItem(sub) : -1;
        if (inner < 0) break;
        deeper = true;
        level = sub;
        levelItem = inner;
      }
      frame::TSwitchFacts facts;
      // A bar item that opens nothing (disabled) is passed over, so the keyboard stays in the menus.
      for (const TMenuBtn& b : bar->Items()) {
        facts.Eligible.push_back(b.Visible && b.FEnabled && (!b.FCaption.empty() || b.FIcon));
      }
      facts.Open = static_cast<int>(*t.Open);
      facts.Key = key;
      facts.NothingSelected = selected < 0;
      facts.SelectedInOpenDropDown = selected >= 0 && !deeper;
      facts.SelectedHasSubmenu = levelItem >= 0 && GetSubMenu(level, levelItem) != nullptr;
      target = frame::ArrowSwitch(facts);
      break;
    }
    case WM_SYSKEYDOWN:
      if (msg.wParam == VK_MENU) frame_.FMenuTracking = false;
      break;
    case WM_MOUSEMOVE:
      if (msg.pt.x == t.LastMouse.x && msg.pt.y == t.LastMouse.y) break;
      t.LastMouse = msg.pt;
      if (const auto under = bar->ItemAt(ScreenToWindow(msg.pt)); under && *under != *t.Open) target = under;
      break;
    default: break;
  }
  if (!target) return false;
  SwitchDropDown(*target);
  return true;
}

bool TFrameMenus::Message(TMessage& message) {
  switch (message.Msg) {
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      return measure && measure->CtlType == ODT_MENU && MeasureItem(*measure, message);
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      return draw && draw->CtlType == ODT_MENU && DrawItem(*draw, message);
    }
    default: break;
  }
  if (!frame_.FSkinMenu) return false;
  switch (message.Msg) {
    case kMsgMenuBarClick: {
      const POINT screen{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      if (const auto item = frame_.FSkinMenu->ItemAt(ScreenToWindow(screen))) DropDown(*item);
      message.Result = 0;
      return true;
    }
    case WM_NCMOUSEMOVE: {
      const POINT screen{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      const auto item = frame_.FSkinMenu->ItemAt(ScreenToWindow(screen));
      if (!frame_.FActive || Tracking().Frame) return false;
      SetItemState(item, frame::bsHot);
      // No further non-client move arrives once the mouse is in the client area or outside the
      // window: the leave message takes the hot frame away then.
      if (item) TrackMouseLeave(frame_.FHandle, true);
      return false;  // the title buttons see the move too
    }
    case WM_NCMOUSELEAVE:
      if (!Tracking().Frame) SetItemState(std::nullopt, frame::bsNone);
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      const POINT screen{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      const auto item = frame_.FSkinMenu->ItemAt(ScreenToWindow(screen));
      if (!item) return false;
      if (!frame_.FActive) SetForegroundWindow(frame_.FHandle);
      DropDown(*item);
      message.Result = 0;
      return true;
    }
    default: return false;
  }
}

bool TFrameMenus::MeasureItem(MEASUREITEMSTRUCT& measure, TMessage& message) {
  const TMenuPaintContext context = ContextOf(frame_);
  if (frame_.FForm) {
    if (TMenuItem* item = FindMenuItem(*frame_.FForm, measure.itemID)) {
      const TMenu* menu = item->GetParentMenu();
      if (menu && menu->InheritsFrom(TMainMenu::StaticClass())) {
        int width = 0;
        int height = 0;
        MeasureMainMenuItem(context, *item, width, height);
        measure.itemWidth = static_cast<UINT>(width);
        measure.itemHeight = static_cast<UINT>(height);
        message.Result = 1;
        return true;
      }
      return false;  // a popup menu's item measures itself
    }
    if (measure.itemID >= 1 && measure.itemID <= 4095) return false;
  }
  HMENU source = SystemPopup().Menu;
  if (Tracking().Open && frame_.FSkinMenu) source = frame_.FSkinMenu->Items()[*Tracking().Open].FSubMenu;
  std::wstring text = MenuTextByCommand(source, measure.itemID);
  if (text.empty() && SystemPopup().Menu) text = MenuTextByCommand(SystemPopup().Menu, measure.itemID);
  UINT height = measure.itemHeight ? measure.itemHeight : static_cast<UINT>(GetSystemMetrics(SM_CYMENU) - 4);
  MeasurePlainMenuItem(context, text, measure.itemWidth, height);
  measure.itemHeight = height;
  message.Result = 1;
  return true;
}

bool TFrameMenus::DrawItem(const DRAWITEMSTRUCT& draw, TMessage& message) {
  if (frame_.MdiChild() && Nt4()) return false;
  TSkinManage* manager = TSkinManage::Current();
  auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
  if (manager) {
    manager->AttachMenuHandle(menu);
    manager->MarkPopupsOpen();
  }
  const TMenuPaintContext context = ContextOf(frame_);
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  TMenuItemLook look;
  TMenuItem* item = frame_.FForm ? FindMenuItem(*frame_.FForm, draw.itemID) : nullptr;
  if (item) {
    look = LookOf(*item);
    look.ParentMenu = menu;
  } else {
    if (frame_.FForm && draw.itemID >= 1 && draw.itemID <= 4095) return false;
    look = LookByCommand(menu, draw.itemID);
    if (menu == SystemPopup().Menu) {
      if (auto glyph = SystemPopup().Glyphs.find(draw.itemID); glyph != SystemPopup().Glyphs.end()) {
        look.ImageIndex = glyph->second;
      }
      if (frame_.FSkinData && !frame_.FSkinData->MenuImages().Empty()) {
        look.Glyphs = &frame_.FSkinData->MenuImages();
        look.GlyphWidth = look.Glyphs->Height();
      }
    }
  }
  DrawMenuItem(context, look, draw.hDC, selected, draw.rcItem);
  message.Result = 1;
  return true;
}

void TFrameMenus::SkinSystemPopup(HMENU popup, const std::vector<int>& glyphs) {
  TSystemPopup& s = SystemPopup();
  s.Menu = popup;
  s.Glyphs.clear();
  const int count = GetMenuItemCount(popup);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID;
    if (!GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &info)) continue;
    if (static_cast<std::size_t>(i) < glyphs.size() && glyphs[static_cast<std::size_t>(i)] >= 0) {
      s.Glyphs[info.wID] = glyphs[static_cast<std::size_t>(i)];
    }
    SetMenuItemType(popup, static_cast<UINT>(i), info.fType | MFT_OWNERDRAW);
  }
}

void TFrameMenus::ReleaseSystemPopup() {
  SystemPopup().Menu = nullptr;
  SystemPopup().Glyphs.clear();
}

void TFrameMenus::SkinPopupMenus(bool on) {
  if (!frame_.FForm || !frame_.FSkinData) return;
  if (frame_.FForm->ClassName() == "TwwRichEditForm") return;
  if (on && !InSet(frame_.FSkinData->SkinControls(), xcPopupMenu)) return;
  TWinSkinForm* frame = &frame_;
  const std::int32_t disableTag = frame_.FSkinData->DisableTag();
  ForEachComponent(*frame_.FForm, [&](TComponent& c) {
    auto* popup = dynamic_cast<TPopupMenu*>(&c);
    if (!popup || popup->Tag() == disableTag) return;
    popup->SetOwnerDraw(on);
    const bool hasImages = popup->Images() != nullptr;
    ForEachItem(*popup->Items(), [&](TMenuItem& item, int) {
      if (!on) {
        item.OnDrawItem = nullptr;
        item.OnMeasureItem = nullptr;
        return;
      }
      item.OnDrawItem = [frame](TMenuItem& it, void* dc, const TRect& r, bool selected) {
        const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
        TMenuItemLook look = LookOf(it);
        DrawMenuItem(ContextOf(*frame), look, static_cast<HDC>(dc), selected, rect);
      };
      if (!item.OnMeasureItem) {
        item.OnMeasureItem = [frame, hasImages](TMenuItem&, void*, int& width, int& height) {
          MeasurePopupMenuItem(ContextOf(*frame), hasImages, width, height);
        };
      }
    });
  });
}

void TFrameMenus::SkinMainMenus(bool on) {
  if (!frame_.FForm || !frame_.FSkinData) return;
  if (on && !InSet(frame_.FSkinData->SkinControls(), xcMenuItem)) return;
  TWinSkinForm* frame = &frame_;
  ForEachComponent(*frame_.FForm, [&](TComponent& c) {
    auto* menu = dynamic_cast<TMainMenu*>(&c);
    if (!menu) return;
    ForEachItem(*menu->Items(), [&](TMenuItem& item, int depth) {
      if (!on) {
        item.OnDrawItem = nullptr;
        item.OnMeasureItem = nullptr;
        return;
      }
      if (depth < 2 || item.OnDrawItem) return;
      item.OnDrawItem = [frame](TMenuItem& it, void* dc, const TRect& r, bool selected) {
        const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
        DrawMenuItem(ContextOf(*frame), LookOf(it), static_cast<HDC>(dc), selected, rect);
      };
    });
    if (menu->OwnerDraw() != on) menu->SetOwnerDraw(on);
  });
}

}  // namespace varnelta
