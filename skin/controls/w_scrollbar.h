// TWScrollbar: a window laid exactly over one native scroll bar of another window, showing the
// bar from the skin. Presses are handed to the native bar, so ranges, tracking and the scroll
// messages stay native; the overlay only replaces what is seen. It is a tool window child of the
// covered window's parent, never reached by Tab. The pieces it is drawn from (sliced track and
// thumb, stretched arrow and grip cells) are kept between paints until a size or the skin changes.
#pragma once

#include <windows.h>

#include "skin/controls/paint_buffer.h"
#include "skin/controls/picture_cache.h"
#include "skin/controls/scroll_maths.h"

namespace varnelta {

class TSkinControl;
struct TSkinElements;

class TWScrollbar {
 public:
  // kind 0: the horizontal bar of `target`, 1: its vertical bar, 2: `target` is a scroll-bar
  // control (the overlay covers all of it).
  TWScrollbar(const TSkinElements* skin, HWND target, int kind);
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  // Finds the bar and moves the overlay over it (hidden when the bar or the target is not shown).
  void Place(HWND target);
  void HideBar();
  void Invalidate() const;
  // The highlighted part (a scroll code) while the native bar tracks.
  void SetPart(int part);
  // The skin's pictures changed: the kept pieces are dropped and the bar drawn again.
  void SkinChanged();
  const TPictureCache& Pictures() const { return pictures_; }

  HWND Handle() const { return handle_; }
  bool Visible() const { return visible_; }
  const RECT& BarRect() const { return barRect_; }
  // The thumb as last painted, along the bar.
  TThumbSpan Thumb() const { return thumb_; }
  bool Vertical() const { return vertical_; }
  int Part() const { return part_; }

  // The window class of every overlay.
  static const wchar_t* ClassName();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  bool ReadInfo(SCROLLBARINFO& info) const;
  bool ReadControlInfo(SCROLLBARINFO& info) const;
  int HitTest(POINT p) const;
  void Paint(HDC dc);
  void MouseDown(LPARAM lParam);
  void MouseUp(LPARAM lParam);

  const TSkinElements* skin_;  // the skinner's skin (the same object across reloads)
  HWND handle_ = nullptr;
  HWND target_ = nullptr;
  int kind_ = 0;
  bool vertical_ = false;
  int part_ = spNone;
  int arrowSize_ = 0;
  RECT barRect_{};
  bool visible_ = false;
  int barLength_ = 0;
  TThumbSpan thumb_;
  POINT barOrigin_{};
  POINT pressCursor_{};
  int pressThumbTop_ = 0;
  bool pressed_ = false;
  bool tracking_ = false;
  TPaintBuffer buffer_;
  TPictureCache pictures_;
};

}  // namespace varnelta
