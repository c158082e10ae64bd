#include "skin/controls/skin_date_time.h"

namespace varnelta {

const TClassInfo& TSkinDateTime::StaticClass() {
  static const TClassInfo info{"TSkinDateTime", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

TSkinDateTime::~TSkinDateTime() {
  delete FArrowButton;  // leaves this skinner's components as it goes
  FArrowButton = nullptr;
}

void TSkinDateTime::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  if (FAttached) return;
  TSkinControl::AttachControl(control, data, canvas, recolour);
  auto* picker = dynamic_cast<TWinControl*>(control);
  if (!picker || !FHandle) return;
  SetWindowLongPtrW(FHandle, GWL_STYLE, GetWindowLongEx(FHandle, GWL_STYLE) | WS_CLIPCHILDREN);
  FArrowButton = new TArrowButton(this, picker, data);
  FArrowButton->FArrowSize = GetSystemMetrics(SM_CXHSCROLL);
  FArrowButton->SetParent(picker);
  PlaceArrow();
  FArrowButton->HandleNeeded();
}

void TSkinDateTime::PlaceArrow() {
  if (!FArrowButton || !FHandle) return;
  RECT client{};
  GetClientRect(FHandle, &client);
  const int w = FArrowButton->FArrowSize;
  const bool leftScroll = (GetWindowLongEx(FHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  const int left = leftScroll ? 0 : client.right - w;
  if (FArrowButton->Left() != left || FArrowButton->Height() != client.bottom || FArrowButton->Top() != 0) {
    FArrowButton->SetBounds(left, 0, w, client.bottom);
  }
}

void TSkinDateTime::Detach() {
  delete FArrowButton;
  FArrowButton = nullptr;
  TSkinControl::Detach();
}

void TSkinDateTime::AfterMessage(TMessage& message) {
  if (message.Msg == WM_SIZE && FArrowButton) {
    PlaceArrow();
    FArrowButton->Invalidate();
  }
  TSkinControl::AfterMessage(message);
}

void TSkinDateTime::PaintSkin(HDC dc, const RECT& rect) {
  PlaceArrow();
  const LONG_PTR style = GetWindowLongEx(FHandle, GWL_STYLE), exStyle = GetWindowLongEx(FHandle, GWL_EXSTYLE);
  if (!(style & WS_BORDER) && !(exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE))) return;
  FrameColour(dc, rect, SkinColour(kColourButtonShadow));
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameColour(dc, inner, RGB(255, 255, 255));
}

}  // namespace varnelta
