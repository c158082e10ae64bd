#include "runtime/panels.h"

namespace varnelta {

const TEnumType BevelCutType{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};

namespace {
template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}

// Gives a live window the extended styles of a new reading order.
void ApplyBiDi(HWND window, TBiDiMode mode) {
  if (!window) return;
  LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_RIGHT | WS_EX_RTLREADING);
  SetWindowLongPtrW(window, GWL_EXSTYLE, ex | static_cast<LONG_PTR>(BiDiExStyle(mode)));
  InvalidateRect(window, nullptr, TRUE);
}

void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width) {
  if (cut == bvNone) return;
  for (int i = 0; i < width; ++i) {
    if (cut != bvSpace) DrawEdge(dc, &r, cut == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&r, -1, -1);
  }
}
}  // namespace

DWORD BiDiExStyle(TBiDiMode mode) {
  switch (mode) {
    case bdRightToLeft: return WS_EX_RIGHT | WS_EX_RTLREADING;
    case bdRightToLeftNoAlign:
    case bdRightToLeftReadingOnly: return WS_EX_RTLREADING;
    default: return 0;
  }
}

// ---- panel ----

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info{
      "TPanel",
      &TCustomPanel::StaticClass(),
      {StrProperty("Caption", &TControl::Caption, &TControl::SetCaption),
       EnumProperty("BevelInner", BevelCutType, &TPanel::BevelInner, &TPanel::SetBevelInner, bvNone),
       EnumProperty("BevelOuter", BevelCutType, &TPanel::BevelOuter, &TPanel::SetBevelOuter, bvRaised),
       IntProperty("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth, 1),
       EnumProperty("Alignment", AlignmentType, &TPanel::Alignment, &TPanel::SetAlignment, taCenter),
       EnumProperty("BiDiMode", BiDiModeType, &TPanel::BiDiMode, &TPanel::SetBiDiMode, bdLeftToRight)},
      Make<TPanel>};
  return info;
}

TPanel::TPanel(TComponent* owner) : TCustomPanel(owner) {}

void TPanel::SetBevelInner(TBevelCut v) {
  bevelInner_ = v;
  Invalidate();
  Realign();
}

void TPanel::SetBevelOuter(TBevelCut v) {
  bevelOuter_ = v;
  Invalidate();
  Realign();
}

void TPanel::SetBevelWidth(int v) {
  bevelWidth_ = v < 1 ? 1 : v;
  Invalidate();
  Realign();
}

void TPanel::SetAlignment(TAlignment v) {
  alignment_ = v;
  Invalidate();
}

void TPanel::SetBiDiMode(TBiDiMode v) {
  biDiMode_ = v;
  ApplyBiDi(handle_, v);
}

void TPanel::AdjustClientRect(TRect& rect) const {
  const int inset = (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
  rect = {rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset};
}

void TPanel::Paint() {
  TCustomPanel::Paint();
  HDC dc = Canvas().Handle();
  RECT r{0, 0, Width(), Height()};
  DrawBevel(dc, r, bevelOuter_, bevelWidth_);
  DrawBevel(dc, r, bevelInner_, bevelWidth_);
  const std::wstring text = Caption();
  if (text.empty()) return;
  TAlignment alignment = alignment_;
  if (biDiMode_ == bdRightToLeft && alignment != taCenter) {
    alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
  }
  UINT format = DT_SINGLELINE | DT_VCENTER | (alignment == taCenter ? DT_CENTER : alignment == taRightJustify ? DT_RIGHT : 0);
  if (biDiMode_ != bdLeftToRight) format |= DT_RTLREADING;
  Canvas().Font().Assign(*Font());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
  TRect area{r.left + 2, r.top, r.right - 2, r.bottom};
  Canvas().DrawText(text, area, format);
  SetBkMode(dc, oldMode);
}

// ---- group box ----

const TClassInfo& TCustomGroupBox::StaticClass() {
  static const TClassInfo info{
      "TCustomGroupBox",
      &TCustomControl::StaticClass(),
      {StrProperty("Caption", &TControl::Caption, &TControl::SetCaption),
       EnumProperty("BiDiMode", BiDiModeType, &TCustomGroupBox::BiDiMode, &TCustomGroupBox::SetBiDiMode,
                    bdLeftToRight)},
      {}};
  return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  color_ = clBtnFace;
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::SetBiDiMode(TBiDiMode v) {
  biDiMode_ = v;
  ApplyBiDi(handle_, v);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.ExStyle |= BiDiExStyle(biDiMode_);
}

void TCustomGroupBox::AdjustClientRect(TRect& rect) const {
  // Room for the caption line at the top and the frame around.
  const int captionHeight = Font() ? (Font()->Height() < 0 ? -Font()->Height() : Font()->Height()) + 4 : 16;
  rect = {rect.Left + 2, rect.Top + captionHeight, rect.Right - 2, rect.Bottom - 2};
}

void TCustomGroupBox::Paint() {
  HDC dc = Canvas().Handle();
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
  Canvas().Font().Assign(*Font());
  const SIZE zero = Canvas().TextExtent(L"0");
  RECT frame{0, zero.cy / 2 - 1, Width(), Height()};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::wstring text = Caption();
  if (text.empty()) return;
  const bool right = biDiMode_ == bdRightToLeft;
  TRect r = right ? TRect{0, 0, Width() - 8, zero.cy} : TRect{8, 0, Width(), zero.cy};
  UINT format = DT_SINGLELINE | (right ? DT_RIGHT : 0) | (biDiMode_ != bdLeftToRight ? DT_RTLREADING : 0);
  SetBkColor(dc, ColorToRGB(Color()));
  SetBkMode(dc, OPAQUE);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
  Canvas().DrawText(text, r, format);
}

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo info{"TGroupBox", &TCustomGroupBox::StaticClass(), {}, Make<TGroupBox>};
  return info;
}

}  // namespace varnelta
