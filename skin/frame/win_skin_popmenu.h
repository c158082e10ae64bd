// TWinSkinPopMenu: the skinner of one popup menu window ("#32768"). It takes the window over
// while the menu is shown and gives it back when the window is destroyed; the skin manager owns
// it and frees it then.
#pragma once

#include <windows.h>

#include "skin/data/skin_data.h"

namespace varnelta {

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  void Start(HWND window, TSkinData* data, int kind);
  // Gives the window its own procedure back.
  void Restore();

  HWND Handle() const { return FHandle; }
  HMENU Menu() const { return FMenu; }
  void SetMenu(HMENU menu) { FMenu = menu; }
  bool MenuOpen() const { return FMenuOpen; }
  void SetMenuOpen(bool open) { FMenuOpen = open; }
  int Kind() const { return FKind; }
  bool Busy() const { return busy_ > 0; }

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  HWND FHandle = nullptr;
  HMENU FMenu = nullptr;
  TSkinData* FSkinData = nullptr;
  int FKind = 0;
  bool FMenuOpen = false;
  bool subclassed_ = false;
  int busy_ = 0;
};

}  // namespace varnelta
