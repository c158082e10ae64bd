#include "skin/controls/skin_group_box.h"

#include "runtime/graphics.h"
#include "skin/controls/property_access.h"

namespace varnelta {

const TClassInfo& TSkinGroupBox::StaticClass() {
  static const TClassInfo info{"TSkinGroupBox", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

void TSkinGroupBox::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  if (FAttached) return;
  TSkinControl::AttachControl(control, data, canvas, recolour);
  FKind = FControl ? 1 : 0;
}

void TSkinGroupBox::AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached) return;
  TSkinControl::AttachHandle(window, data, frame, canvas);
  FKind = 0;
}

bool TSkinGroupBox::BeforeMessage(TMessage& message) {
  const bool passOn = TSkinControl::BeforeMessage(message);
  if (FKind == 1 && message.Msg == WM_PAINT) {
    PaintOnWMPaint(message);
    return false;
  }
  return passOn;
}

void TSkinGroupBox::PaintSkin(HDC dc, const RECT& rect) {
  FText = ReadWindowText(FHandle);
  if (FText.empty() && FControl) FText = GetTextProperty(FControl, "Caption");
  if (FControl) FillFace(dc, rect);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  COLORREF textColour = GetSysColor(COLOR_WINDOWTEXT);
  if (FControl && FControl->Font()) {
    font = FControl->Font()->Handle();
    textColour = ColorToRGB(FControl->Font()->Color());
  }
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  const COLORREF oldText = SetTextColor(dc, textColour);
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  const int top = zero.cy >= 0 ? zero.cy / 2 - 1 : 0;
  if (FKind == 0) {
    // The native etched frame disappears under two rings of the face colour.
    RECT ring{0, top, rect.right, rect.bottom};
    FrameColour(dc, ring, SkinColour(kColourButtonFace));
    InflateRect(&ring, -1, -1);
    FrameColour(dc, ring, SkinColour(kColourButtonFace));
  }
  HPEN pen = CreatePen(PS_SOLID, 1, SkinColour(kColourButtonShadow));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
  RoundRect(dc, 1, top, rect.right - 1, rect.bottom - 1, 5, 5);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  const COLORREF oldBack = SetBkColor(dc, SkinColour(kColourButtonFace));
  const int oldMode = SetBkMode(dc, OPAQUE);
  const bool right = (GetWindowLongEx(FHandle, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
  RECT text = right ? RECT{rect.left, rect.top, rect.right - 8, rect.bottom}
                    : RECT{rect.left + 8, rect.top, rect.right, rect.bottom};
  const UINT format = TextFlags(DT_EXPANDTABS | (right ? DT_RIGHT : 0));
  RECT measured = text;
  DrawTextEx(dc, FText, measured, format | DT_CALCRECT);
  const int width = measured.right - measured.left;
  captionRect_ = right ? RECT{text.right - width, text.top, text.right, measured.bottom}
                       : RECT{text.left, text.top, text.left + width, measured.bottom};
  DrawTextEx(dc, FText, text, format);
  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  if (oldFont) SelectObject(dc, oldFont);
}

}  // namespace varnelta
