#include "runtime/menu_button.h"

#include "runtime/button_face.h"

namespace varnelta {

namespace {
// Width of the arrow strip at the right end.
constexpr int kArrowStrip = 17;
}  // namespace

const TClassInfo& TRzMenuButton::StaticClass() {
  static const TClassInfo info{
      "TRzMenuButton",
      &TButton::StaticClass(),
      {BoolProperty("ShowArrow", &TRzMenuButton::ShowArrow, &TRzMenuButton::SetShowArrow, true),
       EventProperty("OnDropDown", &TRzMenuButton::OnDropDown)},
      [](TComponent* owner) -> TComponent* { return new TRzMenuButton(owner); }};
  return info;
}

TRzMenuButton::TRzMenuButton(TComponent* owner) : TButton(owner) {}

void TRzMenuButton::SetShowArrow(bool v) {
  showArrow_ = v;
  Invalidate();
}

void TRzMenuButton::Click() {
  TButton::Click();
  OnDropDown(this);
}

void TRzMenuButton::PaintFace(HDC dc) {
  RECT r{};
  GetClientRect(handle_, &r);
  const bool pushed = (SendMessageW(handle_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  const bool focused = GetFocus() == handle_;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const int strip = showArrow_ ? kArrowStrip : 0;
  RECT text{r.left + 2, r.top + 2, r.right - strip - 2, r.bottom - 2};
  if (pushed) OffsetRect(&text, 1, 1);
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  const std::wstring caption = Caption();
  DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
  if (showArrow_) {
    const int w = r.right, h = r.bottom;
    const POINT arrow[] = {{w - 12, h / 2 + 2}, {w - 15, h / 2 - 1}, {w - 9, h / 2 - 1}};
    const COLORREF colour = GetSysColor(Enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
    Polygon(dc, arrow, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
  }
  if (focused) {
    InflateRect(&r, -4, -4);
    DrawFocusRect(dc, &r);
  }
}

void TRzMenuButton::WndProc(TMessage& m) {
  if (PaintOwnFace(handle_, m, [this](HDC dc) { PaintFace(dc); })) return;
  TButton::WndProc(m);
  RepaintOverSystemLook(handle_, m.Msg);
}

}  // namespace varnelta
