#include "skin/frame/win_skin_popmenu.h"

#include <commctrl.h>

#include "skin/data/skin_types.h"

namespace varnelta {

namespace {
constexpr UINT_PTR kPopupSubclassId = 0x5350;  // "SP"
}  // namespace

TWinSkinPopMenu::~TWinSkinPopMenu() { Restore(); }

void TWinSkinPopMenu::Start(HWND window, TSkinData* data, int kind) {
  if (subclassed_ || !window) return;
  FHandle = window;
  FSkinData = data;
  FKind = kind;
  subclassed_ = SetWindowSubclass(window, SubclassProc, kPopupSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void TWinSkinPopMenu::Restore() {
  if (!subclassed_) return;
  RemoveWindowSubclass(FHandle, SubclassProc, kPopupSubclassId);
  subclassed_ = false;
}

LRESULT CALLBACK TWinSkinPopMenu::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
  auto* popup = reinterpret_cast<TWinSkinPopMenu*>(self);
  if (msg == kMsgIsSkinned) return 1;
  ++popup->busy_;
  const LRESULT result = DefSubclassProc(window, msg, wParam, lParam);
  --popup->busy_;
  if (msg == WM_DESTROY) popup->Restore();
  return result;
}

}  // namespace varnelta
