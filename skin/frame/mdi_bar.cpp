#include "skin/frame/mdi_bar.h"

#include <algorithm>

#include "runtime/menu_handles.h"
#include "runtime/win_handles.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/mdi_client_hook.h"
#include "skin/frame/sys_buttons.h"

namespace varnelta {

HWND TMdiBar::MaximisedChild() const {
  if (!f_.MdiFrame() || !f_.FMdiClient || !IsWindow(f_.FMdiClient->Client())) return nullptr;
  BOOL maximised = FALSE;
  const auto active = reinterpret_cast<HWND>(
      SendMessageW(f_.FMdiClient->Client(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
  return active && maximised ? active : nullptr;
}

std::vector<TBarButton> TMdiBar::Buttons(std::vector<std::size_t>* indexes) const {
  std::vector<TBarButton> buttons;
  if (!f_.FSkinData) return buttons;
  const auto& elements = f_.FSkinData->Skin().SysButtons;
  const auto& objects = f_.FObjects.Objects();
  const std::size_t count = std::min({f_.FSysButtons.size(), objects.size(), elements.size()});
  for (std::size_t i = 0; i < count; ++i) {
    const frame::TSysButtonFacts& facts = f_.FSysButtons[i];
    const frame::TNcObject& object = objects[i];
    if (facts.Visibility != 100 || !object.Visible || facts.ImageEmpty || object.Bounds.IsEmpty()) continue;
    // Frame 1 at rest; pressed 2, and hot the fourth frame the bar's buttons use for it.
    const bool live = object.ButtonState == frame::bsHot || object.ButtonState == frame::bsPressed;
    const int cell = live ? frame::ButtonStateFrame(facts, object.ButtonState, object.Enabled) : 1;
    buttons.push_back({object.Bounds, &elements[i]->Image, facts.FrameCount, cell});
    if (indexes) indexes->push_back(i);
  }
  return buttons;
}

void TMdiBar::Follow(bool tracking) {
  TWinSkinMenu* bar = f_.FSkinMenu.get();
  if (!bar) return;
  const HWND child = MaximisedChild();
  if (!tracking) bar->SetMdiChild(child);
  bar->SetChildButtons(child ? Buttons() : std::vector<TBarButton>{});
  if (!child) return;
  if (TSkinManage* manager = TSkinManage::Current(); manager && !manager->MDIChildMaximised()) {
    manager->SetMDIChildMaximised(true);
  }
}

void TMdiBar::RepaintButtons(const std::vector<std::size_t>& objects) {
  TWinSkinMenu* bar = f_.FSkinMenu.get();
  if (!bar || objects.empty() || !MaximisedChild()) return;
  std::vector<std::size_t> indexes;
  const std::vector<TBarButton> buttons = Buttons(&indexes);
  TWindowDC dc(f_.FHandle, true);
  for (std::size_t k = 0; k < buttons.size(); ++k) {
    if (std::find(objects.begin(), objects.end(), indexes[k]) != objects.end()) bar->PaintChildButton(dc.Get(), buttons[k]);
  }
}

HMENU TMdiBar::CopySystemMenu(HMENU source, bool ownerDraw) {
  HMENU copy = CreatePopupMenu();
  const int count = source && copy ? GetMenuItemCount(source) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t text[80] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_STATE;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text));  // characters of the wide call
    if (!GetMenuItemInfoW(source, static_cast<UINT>(i), TRUE, &info)) continue;
    info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
    info.fState &= ~static_cast<UINT>(MFS_HILITE);
    info.dwTypeData = text;
    InsertMenuItemW(copy, static_cast<UINT>(i), TRUE, &info);
    if (ownerDraw) SetMenuItemType(copy, static_cast<UINT>(i), info.fType | MFT_OWNERDRAW);
  }
  struct TState {
    UINT Command;
    bool Enabled;
  };
  for (const TState s : {TState{SC_RESTORE, true}, TState{SC_MINIMIZE, true}, TState{SC_CLOSE, true},
                         TState{SC_MOVE, false}, TState{SC_SIZE, false}, TState{SC_MAXIMIZE, false}}) {
    EnableMenuItem(copy, s.Command, MF_BYCOMMAND | (s.Enabled ? MF_ENABLED : MF_GRAYED));
  }
  return copy;
}

}  // namespace varnelta
