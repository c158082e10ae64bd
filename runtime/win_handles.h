// One small owning wrapper per Windows handle kind: non-copyable, movable, freeing with the
// right call, and counted per kind (see handle_count.h) so tests can prove nothing leaks.
#pragma once

#include <windows.h>

#include <utility>

#include "runtime/handle_count.h"

namespace varnelta {

// GDI objects freed with DeleteObject: fonts, brushes, pens, bitmaps, regions (see TRegionHandle).
template <class H, THandleKind Kind>
class TGdiHandle {
 public:
  TGdiHandle() = default;
  explicit TGdiHandle(H handle) { Reset(handle); }
  TGdiHandle(const TGdiHandle&) = delete;
  TGdiHandle& operator=(const TGdiHandle&) = delete;
  TGdiHandle(TGdiHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  TGdiHandle& operator=(TGdiHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~TGdiHandle() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(H handle = nullptr) {
    if (handle_) {
      DeleteObject(handle_);
      HandleCounter::Released(Kind);
    }
    handle_ = handle;
    if (handle_) HandleCounter::Acquired(Kind);
  }
  // Gives the handle away (a region handed to SetWindowRgn belongs to the system).
  H Release() {
    if (handle_) HandleCounter::Released(Kind);
    return std::exchange(handle_, nullptr);
  }

 private:
  H handle_ = nullptr;
};

using TFontHandle = TGdiHandle<HFONT, THandleKind::Font>;
using TBrushHandle = TGdiHandle<HBRUSH, THandleKind::Brush>;
using TPenHandle = TGdiHandle<HPEN, THandleKind::Pen>;
using TBitmapHandle = TGdiHandle<HBITMAP, THandleKind::Bitmap>;

// A region. Once SetWindowRgn has taken a region the system owns it and deletes it itself, so
// HandOver lets go of the handle without deleting it and remembers that it was handed over;
// until then (and when the system refuses it) the wrapper owns and deletes it as usual.
class TRegionHandle : public TGdiHandle<HRGN, THandleKind::Region> {
 public:
  TRegionHandle() = default;
  explicit TRegionHandle(HRGN region) : TGdiHandle(region) {}

  // Makes the region the window's shape. True when the window took it: the wrapper is then
  // empty and HandedOver() is true. False (the wrapper keeps the region) for no region or
  // when SetWindowRgn fails.
  bool HandOver(HWND window, bool redraw) {
    if (!Get() || !SetWindowRgn(window, Get(), redraw ? TRUE : FALSE)) return false;
    Release();
    handedOver_ = true;
    return true;
  }
  // Whether the last region of this wrapper went to a window.
  bool HandedOver() const { return handedOver_; }

  void Reset(HRGN region = nullptr) {
    handedOver_ = false;
    TGdiHandle::Reset(region);
  }

 private:
  bool handedOver_ = false;
};

// Icons are freed with DestroyIcon, not DeleteObject.
class TIconHandle {
 public:
  TIconHandle() = default;
  explicit TIconHandle(HICON icon) { Reset(icon); }
  TIconHandle(const TIconHandle&) = delete;
  TIconHandle& operator=(const TIconHandle&) = delete;
  TIconHandle(TIconHandle&& o) noexcept : icon_(std::exchange(o.icon_, nullptr)) {}
  TIconHandle& operator=(TIconHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      icon_ = std::exchange(o.icon_, nullptr);
    }
    return *this;
  }
  ~TIconHandle() { Reset(); }
  HICON Get() const { return icon_; }
  void Reset(HICON icon = nullptr) {
    if (icon_) {
      DestroyIcon(icon_);
      HandleCounter::Released(THandleKind::Icon);
    }
    icon_ = icon;
    if (icon_) HandleCounter::Acquired(THandleKind::Icon);
  }

 private:
  HICON icon_ = nullptr;
};

// A device context from GetDC (or GetWindowDC), released with ReleaseDC.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window, bool wholeWindow = false)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {
    if (dc_) HandleCounter::Acquired(THandleKind::DC);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  ~TWindowDC() {
    if (dc_) {
      ReleaseDC(window_, dc_);
      HandleCounter::Released(THandleKind::DC);
    }
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory device context, freed with DeleteDC.
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {
    if (dc_) HandleCounter::Acquired(THandleKind::DC);
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  ~TMemoryDC() {
    if (dc_) {
      DeleteDC(dc_);
      HandleCounter::Released(THandleKind::DC);
    }
  }
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// BeginPaint and EndPaint.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {
    if (dc_) HandleCounter::Acquired(THandleKind::DC);
  }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  ~TPaintDC() {
    EndPaint(window_, &ps_);
    if (dc_) HandleCounter::Released(THandleKind::DC);
  }
  HDC Get() const { return dc_; }
  const RECT& PaintRect() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// An object selected into a device context for one scope; the previous one comes back.
class TSelectObject {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;
  ~TSelectObject() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// SaveDC / RestoreDC around one drawing.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;
  ~TSavedDC() {
    if (saved_) RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

// A windows hook, removed with UnhookWindowsHookEx.
class THookHandle {
 public:
  THookHandle() = default;
  THookHandle(int type, HOOKPROC proc, DWORD threadId)
      : hook_(SetWindowsHookExW(type, proc, nullptr, threadId)) {
    if (hook_) HandleCounter::Acquired(THandleKind::Hook);
  }
  THookHandle(const THookHandle&) = delete;
  THookHandle& operator=(const THookHandle&) = delete;
  THookHandle(THookHandle&& o) noexcept : hook_(std::exchange(o.hook_, nullptr)) {}
  THookHandle& operator=(THookHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      hook_ = std::exchange(o.hook_, nullptr);
    }
    return *this;
  }
  ~THookHandle() { Reset(); }
  HHOOK Get() const { return hook_; }
  void Reset() {
    if (hook_) {
      UnhookWindowsHookEx(hook_);
      HandleCounter::Released(THandleKind::Hook);
      hook_ = nullptr;
    }
  }

 private:
  HHOOK hook_ = nullptr;
};

// A window timer, removed with KillTimer.
class TTimerHandle {
 public:
  TTimerHandle() = default;
  TTimerHandle(HWND window, UINT_PTR id, UINT interval) : window_(window) {
    if (SetTimer(window, id, interval, nullptr)) {
      id_ = id;
      HandleCounter::Acquired(THandleKind::Timer);
    }
  }
  TTimerHandle(const TTimerHandle&) = delete;
  TTimerHandle& operator=(const TTimerHandle&) = delete;
  TTimerHandle(TTimerHandle&& o) noexcept : window_(o.window_), id_(std::exchange(o.id_, 0)) {}
  TTimerHandle& operator=(TTimerHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      window_ = o.window_;
      id_ = std::exchange(o.id_, 0);
    }
    return *this;
  }
  ~TTimerHandle() { Reset(); }
  explicit operator bool() const { return id_ != 0; }
  void Reset() {
    if (id_) {
      KillTimer(window_, id_);
      HandleCounter::Released(THandleKind::Timer);
      id_ = 0;
    }
  }

 private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
};

}  // namespace varnelta

namespace varnelta {

// A window the runtime makes for its own use (hidden, message-only, tool tip), destroyed with
// DestroyWindow and counted with the windows.
class TWindowHandle {
 public:
  TWindowHandle() = default;
  explicit TWindowHandle(HWND window) : window_(window) {
    if (window_) HandleCounter::Acquired(THandleKind::Window);
  }
  TWindowHandle(const TWindowHandle&) = delete;
  TWindowHandle& operator=(const TWindowHandle&) = delete;
  TWindowHandle(TWindowHandle&& o) noexcept : window_(std::exchange(o.window_, nullptr)) {}
  TWindowHandle& operator=(TWindowHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      window_ = std::exchange(o.window_, nullptr);
    }
    return *this;
  }
  ~TWindowHandle() { Reset(); }
  HWND Get() const { return window_; }
  void Reset() {
    if (window_) {
      DestroyWindow(window_);
      HandleCounter::Released(THandleKind::Window);
      window_ = nullptr;
    }
  }

 private:
  HWND window_ = nullptr;
};

}  // namespace varnelta
