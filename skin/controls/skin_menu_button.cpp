#include "skin/controls/skin_menu_button.h"

#include "runtime/graphics.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/property_access.h"

namespace varnelta {

namespace {
constexpr int kArrowStrip = 17;
}  // namespace

const TClassInfo& TSkinMenuButton::StaticClass() {
  static const TClassInfo info{"TSkinMenuButton", &TSkinButton::StaticClass(), {}, {}};
  return info;
}

void TSkinMenuButton::PaintSkin(HDC dc, const RECT& rect) {
  if (!HasPicture()) return;
  const TSkinElements* skin = Skin();
  if (!skin || !skin->Buttons) return;
  const TDataSkinButton& buttons = *skin->Buttons;
  FEnabled = !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED);
  FFocused = GetFocus() == FHandle;
  FText = FControl ? GetTextProperty(FControl, "Caption") : ReadWindowText(FHandle);
  const int frame = MenuButtonFrame(FMouseState, FEnabled, FFocused);
  RememberFrame(frame);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!FBuffer.Resize(dc, width, height)) return;
  HDC buffer = FBuffer.DC();
  const RECT area{0, 0, width, height};
  if (FTransparent && FControl) {
    PaintParentBackground(FControl, buffer);
  } else {
    FillFace(buffer, area);
  }
  DrawElementFrame(buffer, area, buttons.FrameCount > 0 ? buttons.FrameCount : 5, frame, buttons);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  COLORREF colour = SkinColour(kColourButtonText);
  if (FControl && FControl->Font()) {
    font = FControl->Font()->Handle();
    colour = ColorToRGB(FControl->Font()->Color());
  }
  HGDIOBJ oldFont = font ? SelectObject(buffer, font) : nullptr;

  const std::wstring text = ReplaceFirstBar(FText);
  RECT measure{2, 2, width - kArrowStrip - 2, height - 2};
  SIZE textSize{0, 0};
  if (!text.empty()) {
    DrawTextEx(buffer, text, measure, DT_CALCRECT | DT_WORDBREAK);
    textSize = {measure.right - measure.left, measure.bottom - measure.top};
  }
  const int left = (width - kArrowStrip - textSize.cx) / 2 + 2, top = (height - textSize.cy + 1) / 2;
  textRect_ = {left, top, left + textSize.cx, top + textSize.cy};

  // The normal colour only in the normal frame; the arrow in the window text colour.
  COLORREF textColour = colour, arrowColour = GetSysColor(COLOR_WINDOWTEXT);
  if (frame == bfNormal && buttons.HasNormalColour2) textColour = ColorToRGB(buttons.NormalColour2);
  if (frame == bfHot && buttons.HasMouseOverColour2) textColour = ColorToRGB(buttons.MouseOverColour2);
  if (frame == bfPressed && buttons.HasPressedColour2) textColour = ColorToRGB(buttons.PressedColour2);
  if (frame == bfDisabled) textColour = arrowColour = GetSysColor(COLOR_BTNSHADOW);

  HPEN pen = CreatePen(PS_SOLID, 1, arrowColour);
  HBRUSH brush = CreateSolidBrush(arrowColour);
  HGDIOBJ oldPen = SelectObject(buffer, pen), oldBrush = SelectObject(buffer, brush);
  const POINT arrow[] = {{width - 12, height / 2 + 2}, {width - 15, height / 2 - 1}, {width - 9, height / 2 - 1}};
  Polygon(buffer, arrow, 3);
  SelectObject(buffer, oldPen);
  SelectObject(buffer, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);

  const int oldMode = SetBkMode(buffer, TRANSPARENT);
  SetTextColor(buffer, textColour);
  RECT box = textRect_;
  if (!text.empty()) DrawTextEx(buffer, text, box, TextFlags(DT_WORDBREAK));
  SetBkMode(buffer, oldMode);
  if (FFocused && FocusRectWanted()) {
    RECT focus = textRect_;
    InflateRect(&focus, 2, 2);
    DrawFocusRect(buffer, &focus);
  }
  if (oldFont) SelectObject(buffer, oldFont);
  FBuffer.CopyTo(dc, rect.left, rect.top);
}

}  // namespace varnelta
