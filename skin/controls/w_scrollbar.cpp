#include "skin/controls/w_scrollbar.h"

#include <oleacc.h>

#include "runtime/graphics.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_objects.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

namespace {
constexpr int kScrollFrames = 23;
constexpr int kTrackFrames = 4;

bool HasImage(const TSlot<TDataSkinObject>& element) { return element && !element->Image.Empty(); }
}  // namespace

const wchar_t* TWScrollbar::ClassName() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &TWScrollbar::Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = L"VarneltaScrollOverlay";
    RegisterClassW(&wc);
    return L"VarneltaScrollOverlay";
  }();
  return name;
}

TWScrollbar::TWScrollbar(const TSkinElements* skin, HWND target, int kind)
    : skin_(skin), target_(target), kind_(kind), vertical_(kind == 1) {
  // A scroll-bar control lies the way its style says.
  if (kind == 2) vertical_ = target && (GetWindowLongPtrW(target, GWL_STYLE) & SBS_VERT) != 0;
  arrowSize_ = GetSystemMetrics(SM_CXHSCROLL);
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName(), L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                            GetParent(target), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (handle_) SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Place(target);
}

TWScrollbar::~TWScrollbar() {
  if (handle_ && IsWindow(handle_)) {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

bool TWScrollbar::ReadInfo(SCROLLBARINFO& info) const {
  info = SCROLLBARINFO{};
  info.cbSize = sizeof(info);
  if (kind_ == 2) return ReadControlInfo(info);
  return target_ && QueryScrollBarInfo(target_, vertical_ ? OBJID_VSCROLL : OBJID_HSCROLL, info);
}

bool TWScrollbar::ReadControlInfo(SCROLLBARINFO& info) const {
  // The control is the bar: its window rectangle, and the thumb from its range and position.
  if (!target_ || !GetWindowRect(target_, &info.rcScrollBar)) return false;
  SCROLLINFO range{sizeof(range), SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(target_, SB_CTL, &range)) return false;
  const RECT& r = info.rcScrollBar;
  const int length = vertical_ ? r.bottom - r.top : r.right - r.left;
  const TThumbSpan thumb = ScrollControlThumb(length, arrowSize_, {range.nMin, range.nMax, static_cast<int>(range.nPage), range.nPos});
  info.xyThumbTop = thumb.Start;
  info.xyThumbBottom = thumb.End;
  info.dxyLineButton = arrowSize_;
  if (!IsWindowVisible(target_)) info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
  if (!IsWindowEnabled(target_)) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  return true;
}

void TWScrollbar::HideBar() {
  visible_ = false;
  if (handle_) ShowWindow(handle_, SW_HIDE);
}

void TWScrollbar::Invalidate() const {
  if (handle_ && visible_) InvalidateRect(handle_, nullptr, FALSE);
}

void TWScrollbar::SetPart(int part) {
  part_ = part;
  Invalidate();
}

void TWScrollbar::SkinChanged() {
  pictures_.Clear();
  Invalidate();
}

void TWScrollbar::Place(HWND target) {
  target_ = target;
  if (!handle_) return;
  SCROLLBARINFO info;
  if (!ReadInfo(info)) {
    HideBar();
    return;
  }
  RECT bar = info.rcScrollBar;
  if (!IsWindowVisible(target_) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) || IsRectEmpty(&bar)) {
    HideBar();
    return;
  }
  barOrigin_ = {bar.left, bar.top};
  barRect_ = bar;
  MapWindowPoints(nullptr, target_, reinterpret_cast<POINT*>(&barRect_), 2);
  barLength_ = vertical_ ? bar.bottom - bar.top : bar.right - bar.left;
  POINT at{bar.left, bar.top};
  ScreenToClient(GetParent(target_), &at);
  const int width = bar.right - bar.left, height = bar.bottom - bar.top;
  HWND before = GetWindow(target_, GW_HWNDPREV);
  if (before == handle_) before = GetWindow(handle_, GW_HWNDPREV);
  visible_ = true;
  SetWindowPos(handle_, before ? before : HWND_TOP, at.x, at.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  MoveWindow(handle_, at.x, at.y, width, height, TRUE);
}

int TWScrollbar::HitTest(POINT p) const {
  return ScrollHitTest(vertical_ ? p.y : p.x, arrowSize_, thumb_, barLength_);
}

LRESULT CALLBACK TWScrollbar::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, msg, wParam, lParam);
  return self->Handle(msg, wParam, lParam);
}

LRESULT TWScrollbar::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(handle_, &ps);
      if (dc) Paint(dc);
      EndPaint(handle_, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE: {
      const int part = HitTest({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      if (part != part_) SetPart(part);
      if (!tracking_) {
        TrackMouseLeave(handle_);
        tracking_ = true;
      }
      return 0;
    }
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (!pressed_) SetPart(spNone);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: MouseDown(lParam); return 0;
    case WM_LBUTTONUP: MouseUp(lParam); return 0;
    default: return DefWindowProcW(handle_, msg, wParam, lParam);
  }
}

void TWScrollbar::MouseDown(LPARAM lParam) {
  GetCursorPos(&pressCursor_);
  SCROLLBARINFO info;
  if (ReadInfo(info)) {
    pressThumbTop_ = info.xyThumbTop;
    barOrigin_ = {info.rcScrollBar.left, info.rcScrollBar.top};
  }
  const POINT local{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  part_ = HitTest(local);
  const POINT screen{local.x + barOrigin_.x, local.y + barOrigin_.y};
  pressed_ = true;
  Invalidate();
  ReleaseCapture();
  if (kind_ == 2) {
    // The overlay lies exactly over the control: the point is the control's own. The control
    // tracks until the button is released.
    SendMessageW(target_, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    pressed_ = false;
    ReleaseCapture();
    Invalidate();
    return;
  }
  // The native bar tracks until the button is released; its scroll messages set the part
  // highlighted meanwhile.
  SendMessageW(target_, WM_NCLBUTTONDOWN, vertical_ ? HTVSCROLL : HTHSCROLL, MAKELPARAM(screen.x, screen.y));
  pressed_ = false;
  ReleaseCapture();
  POINT cursor;
  GetCursorPos(&cursor);
  ScreenToClient(handle_, &cursor);
  RECT client;
  GetClientRect(handle_, &client);
  part_ = PtInRect(&client, cursor) ? HitTest(cursor) : spNone;
  Invalidate();
}

void TWScrollbar::MouseUp(LPARAM lParam) {
  if (kind_ == 2) {
    pressed_ = false;
    ReleaseCapture();
    PostMessageW(target_, WM_LBUTTONUP, 0, lParam);
    Invalidate();
    return;
  }
  const POINT screen{static_cast<short>(LOWORD(lParam)) + barOrigin_.x,
                     static_cast<short>(HIWORD(lParam)) + barOrigin_.y};
  pressed_ = false;
  ReleaseCapture();
  PostMessageW(target_, WM_NCLBUTTONUP, vertical_ ? HTVSCROLL : HTHSCROLL, MAKELPARAM(screen.x, screen.y));
}

void TWScrollbar::Paint(HDC dc) {
  if (!skin_ || !HasImage(skin_->Scrollbar)) return;
  SCROLLBARINFO info;
  if (!ReadInfo(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  const bool disabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
  RECT client;
  GetClientRect(handle_, &client);
  RECT r{0, 0, info.rcScrollBar.right - info.rcScrollBar.left, info.rcScrollBar.bottom - info.rcScrollBar.top};
  if (r.right <= 0 || r.bottom <= 0 || r.right > client.right || r.bottom > client.bottom) return;
  barLength_ = vertical_ ? r.bottom : r.right;
  const TDataSkinObject& arrows = *skin_->Scrollbar;
  int thickness = arrows.Image.Height();
  if (thickness - arrowSize_ > 2 || arrowSize_ - thickness > 2) thickness = arrowSize_;
  // A scroll-bar control is painted over its whole breadth.
  if (kind_ == 2) thickness = vertical_ ? r.right : r.bottom;
  if (!buffer_.Resize(dc, r.right, r.bottom)) return;
  HDC b = buffer_.DC();
  SetStretchBltMode(b, COLORONCOLOR);
  const COLORREF face = ColorToRGB(skin_->Colours[kColourButtonFace]);
  TSkinControl::FillColour(b, r, face);
  if (vertical_) {
    r.right = thickness;
  } else {
    r.bottom = thickness;
  }
  // Track between the arrows.
  const TSlot<TDataSkinObject>& trackElement = vertical_ ? skin_->VertScroll : skin_->HorzScroll;
  RECT track = r;
  if (vertical_) {
    track.top += arrowSize_;
    track.bottom -= arrowSize_;
  } else {
    track.left += arrowSize_;
    track.right -= arrowSize_;
  }
  if (HasImage(trackElement)) {
    pictures_.DrawSliced(b, track, trackElement->Image, false, trackElement->Tile != 0,
                         trackElement->Trans == 1, kTrackFrames, disabled ? 3 : 1, trackElement->Margins);
  }
  // Arrows.
  int a = arrowSize_;
  if (barLength_ < 2 * a) a /= 2;
  RECT first = r, second = r;
  if (vertical_) {
    first.bottom = first.top + a;
    second.top = second.bottom - a;
  } else {
    first.right = first.left + a;
    second.left = second.right - a;
  }
  int firstFrame = vertical_ ? 9 : 1, secondFrame = vertical_ ? 13 : 5;
  if (part_ == spFirstArrow) firstFrame += pressed_ ? 1 : 3;
  if (part_ == spSecondArrow) secondFrame += pressed_ ? 1 : 3;
  pictures_.DrawCell(b, first, arrows.Image, true, kScrollFrames, firstFrame);
  pictures_.DrawCell(b, second, arrows.Image, true, kScrollFrames, secondFrame);
  // Thumb: following the mouse while dragged, else where the native bar has it.
  if (pressed_ && part_ == spThumb) {
    POINT cursor;
    GetCursorPos(&cursor);
    const int length = thumb_.End - thumb_.Start;
    const int delta = vertical_ ? cursor.y - pressCursor_.y : cursor.x - pressCursor_.x;
    thumb_.Start = FollowThumbStart(pressThumbTop_, delta, arrowSize_, barLength_, length);
    thumb_.End = thumb_.Start + length;
  } else {
    thumb_ = {info.xyThumbTop, info.xyThumbBottom};
  }
  const TSlot<TDataSkinObject>& thumbElement = vertical_ ? skin_->VertScrollThumb : skin_->HorzScrollThumb;
  if (!disabled && thumb_.End > thumb_.Start && thumb_.Start >= 0 && thumb_.End <= barLength_) {
    const int thumbFrame = part_ == spThumb ? (pressed_ ? 2 : 3) : 1;
    const RECT t = vertical_ ? RECT{0, thumb_.Start, thickness, thumb_.End}
                             : RECT{thumb_.Start, 0, thumb_.End, thickness};
    if (HasImage(thumbElement)) {
      pictures_.DrawSliced(b, t, thumbElement->Image, false, false, thumbElement->Trans == 1,
                           thumbElement->FrameCount > 0 ? thumbElement->FrameCount : 3, thumbFrame,
                           thumbElement->Margins);
    }
    const int g = arrows.Image.Height();
    const int length = thumb_.End - thumb_.Start;
    if (g < length + 2) {
      int grip = vertical_ ? 20 : 17;
      if (part_ == spThumb) grip += pressed_ ? 1 : 2;
      const int offset = (length - g) / 2;
      const RECT cell = vertical_ ? RECT{0, thumb_.Start + offset, g, thumb_.Start + offset + g}
                                  : RECT{thumb_.Start + offset, 0, thumb_.Start + offset + g, g};
      if (cell.right <= client.right && cell.bottom <= client.bottom) {
        pictures_.DrawCell(b, cell, arrows.Image, true, kScrollFrames, grip);
      }
    }
  }
  buffer_.CopyTo(dc, 0, 0);
}

}  // namespace varnelta
