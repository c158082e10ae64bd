// TMdiClientHook: the frame skinner of an MDI frame window also watches the frame's MDI client:
// it keeps the client's scroll bars out while the frame is skinned, tells the skin manager
// whether a maximised MDI child is shown, keeps the skin's menu switch off while children are
// created, and redraws the whole frame when a maximised child changed.
#pragma once

#include <windows.h>

namespace varnelta {

class TWinSkinForm;

class TMdiClientHook {
 public:
  // Subclasses `client`, the MDI client child of `frame`'s window.
  TMdiClientHook(TWinSkinForm& frame, HWND client);
  ~TMdiClientHook();
  TMdiClientHook(const TMdiClientHook&) = delete;
  TMdiClientHook& operator=(const TMdiClientHook&) = delete;

  HWND Client() const { return client_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  // Whether the client's active child is maximised, and whether there is one.
  bool ActiveChildMaximised(bool* hasActive) const;

  TWinSkinForm& frame_;
  HWND client_;
  bool subclassed_ = false;
  bool savedMenuUpdate_ = true;
};

}  // namespace varnelta
