// TWinSkinPopMenu: the skinner of one popup menu window ("#32768"). It takes the window over
// while the menu is shown (through the common controls' subclass chain, so the window keeps its
// own character set) and gives it back when the window is destroyed; the skin manager owns it
// and frees it then. It draws the skin's MenuBackground as the window's 3-pixel border, keeps
// the rendered background for the item painter, and prints the same picture on WM_PRINT. Where
// the window system gives a menu window no non-client area (Wine), the border is painted over
// the client's outer pixels after the system's own paint, so it is what the user sees there too.
#pragma once

#include <windows.h>

#include "runtime/bitmap.h"
#include "runtime/types.h"
#include "skin/data/skin_data.h"

namespace varnelta {

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  void Start(HWND window, TSkinData* data, int kind);
  // Gives the window its own procedure back and lets the background go.
  void Restore();

  HWND Handle() const { return FHandle; }
  HMENU Menu() const { return FMenu; }
  void SetMenu(HMENU menu) { FMenu = menu; }
  bool MenuOpen() const { return FMenuOpen; }
  void SetMenuOpen(bool open) { FMenuOpen = open; }
  int Kind() const { return FKind; }
  bool Busy() const { return busy_ > 0; }
  // The window's rendered background (window size); empty before the first paint.
  const TBitmap& Background() const { return FBackground; }
  // Where the client area starts inside the window.
  TPoint ClientOrigin() const;

  // The skinned border's width.
  static constexpr int kBorder = 3;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  const TDataSkinObject* Element() const;
  // Renders the element at the window's size into FBackground; false without an element.
  bool RenderBackground();
  // The border strips (and, with `whole`, everything) of FBackground into a window DC.
  void CopyBorder(HDC dc, bool whole) const;
  bool HasNonClientArea() const;

  HWND FHandle = nullptr;
  HMENU FMenu = nullptr;
  TSkinData* FSkinData = nullptr;
  TBitmap FBackground;
  int FKind = 0;
  bool FMenuOpen = false;
  bool subclassed_ = false;
  int busy_ = 0;
};

}  // namespace varnelta
