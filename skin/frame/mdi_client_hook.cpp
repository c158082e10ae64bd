#include "skin/frame/mdi_client_hook.h"

#include <commctrl.h>

#include "skin/data/skin_data.h"
#include "skin/data/skin_types.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/frame_menus.h"
#include "skin/frame/win_skin_form.h"

namespace varnelta {

namespace {
constexpr UINT_PTR kMdiClientSubclassId = 0x534D;  // "SM"
}  // namespace

TMdiClientHook::TMdiClientHook(TWinSkinForm& frame, HWND client) : frame_(frame), client_(client) {
  if (TSkinData* data = frame_.SkinData()) savedMenuUpdate_ = data->MenuUpdate();
  subclassed_ = SetWindowSubclass(client_, Proc, kMdiClientSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

TMdiClientHook::~TMdiClientHook() {
  if (subclassed_) RemoveWindowSubclass(client_, Proc, kMdiClientSubclassId);
}

LRESULT CALLBACK TMdiClientHook::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* hook = reinterpret_cast<TMdiClientHook*>(self);
  if (msg == WM_NCDESTROY) {
    // The client goes before the frame: nothing is left to remove later.
    RemoveWindowSubclass(window, Proc, kMdiClientSubclassId);
    hook->subclassed_ = false;
    return DefSubclassProc(window, msg, wParam, lParam);
  }
  return hook->Handle(msg, wParam, lParam);
}

bool TMdiClientHook::ActiveChildMaximised(bool* hasActive) const {
  BOOL maximised = FALSE;
  const HWND active = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
  if (hasActive) *hasActive = active != nullptr;
  return active && maximised;
}

LRESULT TMdiClientHook::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  TSkinData* data = frame_.SkinData();
  const bool skinFrame = frame_.SkinFrame();
  switch (msg) {
    case WM_NCCALCSIZE:
      // The client's own scroll bars would sit inside the skinned frame's look; the skin may ask
      // for them with its MDI scroll bar option.
      if (skinFrame && !(data && InSet(data->Options(), xoMDIScrollbar))) {
        const LONG_PTR style = GetWindowLongPtrW(client_, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL)) SetWindowLongPtrW(client_, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
      }
      break;
    case WM_MDICREATE:
      if (data) data->SetMenuUpdate(false);
      break;
    case WM_MDIDESTROY: {
      const LRESULT result = DefSubclassProc(client_, msg, wParam, lParam);
      if (skinFrame) {
        bool hasActive = false;
        TSkinManage* manager = TSkinManage::Current();
        const bool maximised = ActiveChildMaximised(&hasActive);
        if (manager) manager->SetMDIChildMaximised(maximised);
        if (!hasActive && data) data->SetMenuUpdate(savedMenuUpdate_);
        if (!hasActive) TFrameMenus(frame_).RebuildItems(nullptr);
      }
      return result;
    }
    case WM_MDISETMENU: {
      const LRESULT result = DefSubclassProc(client_, msg, wParam, lParam);
      if (skinFrame && wParam) TFrameMenus(frame_).RebuildItems(GetMenu(frame_.Handle()));
      // The frame's bar is the skinned one: the system's stays off the window.
      if (skinFrame && GetMenu(frame_.Handle())) SetMenu(frame_.Handle(), nullptr);
      return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (skinFrame) {
        if (TSkinManage* manager = TSkinManage::Current()) manager->SetMDIChildMaximised(false);
      }
      break;
    case kMsgMDIChildMaximised:
      RedrawWindow(frame_.Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return 0;
  }
  return DefSubclassProc(client_, msg, wParam, lParam);
}

}  // namespace varnelta
