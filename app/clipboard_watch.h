// The opt-in clipboard watch: a check item "监视剪贴板" in a window's system menu (off at
// every start) and, while it is on, the window registered as a clipboard format listener. The
// item is a plain system menu entry handled through WM_SYSCOMMAND, so it works whoever draws
// the menu. Nothing is stored anywhere.
#pragma once

#include <windows.h>

namespace varnelta {

inline constexpr UINT kClipboardUpdateMessage = 0x031D;  // WM_CLIPBOARDUPDATE
// The item's command: below the system's own (0xF000 and up), low four bits clear as
// WM_SYSCOMMAND requires.
inline constexpr UINT kWatchClipboardCommand = 0x0210;

class TClipboardWatch {
 public:
  using TListenerFn = BOOL(WINAPI*)(HWND);
  // The listener entry points; either may be absent on older systems (the item is then grayed).
  struct TListenerApi {
    TListenerFn add = nullptr;
    TListenerFn remove = nullptr;
  };
  static TListenerApi SystemApi();

  // Appends the item (unchecked) to the window's system menu.
  explicit TClipboardWatch(HWND window, TListenerApi api = SystemApi());
  ~TClipboardWatch();
  TClipboardWatch(const TClipboardWatch&) = delete;
  TClipboardWatch& operator=(const TClipboardWatch&) = delete;

  bool Available() const { return api_.add && api_.remove; }
  bool On() const { return on_; }
  // Switches the watch (when available) and the item's check mark.
  void Toggle();
  // On a clipboard change: whether it is worth reading, i.e. the watch is on and the new
  // content was not put there by this program (any window of this process).
  bool IsForeignChange() const;

 private:
  HWND window_;
  TListenerApi api_;
  bool on_ = false;
};

}  // namespace varnelta
