#include "runtime/scroll_bar.h"

#include <algorithm>

namespace varnelta {

const TEnumType ScrollBarKindType{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};

int ScrollBarNewPosition(int code, int track, int position, int min, int max, int page, int small, int large) {
  int target = position;
  switch (code) {
    case SB_LINEUP: target = position - small; break;
    case SB_LINEDOWN: target = position + small; break;
    case SB_PAGEUP: target = position - large; break;
    case SB_PAGEDOWN: target = position + large; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: target = track; break;
    case SB_TOP: target = min; break;
    case SB_BOTTOM: target = max; break;
    default: return position;
  }
  const int last = std::max(min, max - std::max(page - 1, 0));
  return std::clamp(target, min, last);
}

const TClassInfo& TScrollBar::StaticClass() {
  static const TClassInfo info{
      "TScrollBar",
      &TWinControl::StaticClass(),
      {EnumProperty("Kind", ScrollBarKindType, &TScrollBar::Kind, &TScrollBar::SetKind, sbHorizontal),
       IntProperty("Min", &TScrollBar::Min, &TScrollBar::SetMin, 0),
       IntProperty("Max", &TScrollBar::Max, &TScrollBar::SetMax, 100),
       IntProperty("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize, 0),
       IntProperty("Position", &TScrollBar::Position, &TScrollBar::SetPosition, 0),
       IntProperty("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange, 1),
       IntProperty("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange, 1),
       EventProperty("OnChange", &TScrollBar::OnChange)},
      [](TComponent* owner) -> TComponent* { return new TScrollBar(owner); }};
  return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  color_ = clBtnFace;
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.StdClassName = L"SCROLLBAR";
  params.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateHandleDone() { UpdateScrollInfo(); }

void TScrollBar::SetKind(TScrollBarKind v) {
  if (v == kind_) return;
  kind_ = v;
  if (!HasState(csReading)) SetBounds(left_, top_, height_, width_);
  if (handle_) {
    const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE) & ~static_cast<LONG_PTR>(SBS_VERT);
    SetWindowLongPtrW(handle_, GWL_STYLE, style | (v == sbVertical ? SBS_VERT : SBS_HORZ));
    InvalidateRect(handle_, nullptr, TRUE);
  }
}

void TScrollBar::SetPageSize(int v) {
  pageSize_ = std::max(v, 0);
  SetParams(position_, min_, max_);
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) max = min;
  // While a form is read the range may arrive after the position.
  const int last = HasState(csReading) ? position : std::max(min, max - std::max(pageSize_ - 1, 0));
  const int clamped = std::clamp(position, min, std::max(min, last));
  const bool changed = clamped != position_;
  min_ = min;
  max_ = max;
  position_ = clamped;
  UpdateScrollInfo();
  if (changed && !HasState(csReading)) OnChange(this);
}

void TScrollBar::UpdateScrollInfo() {
  if (!handle_) return;
  SCROLLINFO info{sizeof(info), SIF_ALL, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  SetScrollInfo(handle_, SB_CTL, &info, TRUE);
}

void TScrollBar::Loaded() {
  TWinControl::Loaded();
  SetParams(position_, min_, max_);
}

void TScrollBar::WndProc(TMessage& m) {
  if (m.Msg == CN_BASE + WM_HSCROLL || m.Msg == CN_BASE + WM_VSCROLL) {
    SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(handle_, SB_CTL, &info);
    SetPosition(ScrollBarNewPosition(LOWORD(m.WParam), info.nTrackPos, position_, min_, max_, pageSize_,
                                     smallChange_, largeChange_));
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace varnelta
