#include "skin/controls/skin_bit_button.h"

#include "runtime/button_face.h"
#include "runtime/glyph.h"
#include "runtime/graphics.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/property_access.h"

namespace varnelta {

const TClassInfo& TSkinBitButton::StaticClass() {
  static const TClassInfo info{"TSkinBitButton", &TSkinButton::StaticClass(), {}, {}};
  return info;
}

void TSkinBitButton::Configure(const TSkinnerSettings& settings) {
  TSkinButton::Configure(settings);
  FImageProperty = settings.ImageProperty;
}

const TGlyph* TSkinBitButton::GlyphOf(int& numGlyphs) const {
  numGlyphs = 1;
  if (!FControl) return nullptr;
  if (!FImageProperty.empty()) {
    // A picture property holds one cell over its full width.
    return dynamic_cast<const TGlyph*>(GetObjectProperty(FControl, FImageProperty));
  }
  const auto count = GetOrdProperty(FControl, "NumGlyphs");
  numGlyphs = count < 1 ? 1 : static_cast<int>(count);
  return dynamic_cast<const TGlyph*>(GetObjectProperty(FControl, "Glyph"));
}

void TSkinBitButton::DrawGlyphLayout(HDC dc, const RECT& area, int wanted, COLORREF textColour, bool focusRect) {
  int numGlyphs = 1;
  const TGlyph* glyph = GlyphOf(numGlyphs);
  TPoint glyphSize{0, 0};
  if (glyph && !glyph->Empty()) glyphSize = {glyph->Width() / numGlyphs, glyph->Height()};
  const auto margin = GetOrdProperty(FControl, "Margin");
  const auto spacing = GetOrdProperty(FControl, "Spacing");
  const int layout = GlyphLayoutFromName(GetEnumPropertyText(FControl, "Layout"));
  const bool centred = GetEnumPropertyText(FControl, "Alignment") == "tacenter";
  const TPoint client{area.right - area.left, area.bottom - area.top};

  const std::wstring text = ReplaceFirstBar(FText);
  RECT measure{2, 2, client.X - 2, client.Y - 2};
  if (layout == glLeft || layout == glRight) {
    measure.right -= glyphSize.X + 2;
  } else {
    measure.bottom -= glyphSize.Y + 2;
  }
  TPoint textSize{0, 0};
  if (!text.empty()) {
    DrawTextEx(dc, text, measure, DT_CALCRECT | DT_WORDBREAK);
    textSize = {measure.right - measure.left, measure.bottom - measure.top};
  }
  const TGlyphPlacement place =
      PlaceGlyph(client, glyphSize, textSize, layout, static_cast<int>(margin), static_cast<int>(spacing), centred);

  glyphRect_ = {area.left + place.GlyphPos.X, area.top + place.GlyphPos.Y, area.left + place.GlyphPos.X + glyphSize.X,
                area.top + place.GlyphPos.Y + glyphSize.Y};
  if (glyph && !glyph->Empty()) {
    DrawGlyphBitmap(dc, glyphRect_.left, glyphRect_.top,
                    GlyphCell(glyph->Bitmap(), FImageProperty.empty() ? numGlyphs : 1, FImageProperty.empty() ? wanted : 1));
  }
  textRect_ = {area.left + place.TextPos.X, area.top + place.TextPos.Y, area.left + place.TextPos.X + textSize.X,
               area.top + place.TextPos.Y + textSize.Y};
  UINT format = DT_WORDBREAK;
  if (place.AlignRight) format |= DT_RIGHT;
  if (place.AlignCentre) format |= DT_CENTER;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, textColour);
  RECT box = textRect_;
  if (!text.empty()) DrawTextEx(dc, text, box, TextFlags(format));
  SetBkMode(dc, oldMode);
  if (focusRect) {
    RECT focus = textRect_;
    InflateRect(&focus, 2, 2);
    DrawFocusRect(dc, &focus);
  }
}

void TSkinBitButton::PaintSkin(HDC dc, const RECT& rect) {
  if (!HasPicture()) return;
  const TSkinElements* skin = Skin();
  if (!skin || !skin->Buttons) return;
  const TDataSkinButton& buttons = *skin->Buttons;
  FEnabled = !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED);
  FFocused = GetFocus() == FHandle;
  // A picture-property button is drawn as focused only when it has the focus.
  const bool isDefault = FImageProperty.empty() && GetEnumPropertyText(FControl, "Default") == "true";
  FText = FControl ? GetTextProperty(FControl, "Caption") : ReadWindowText(FHandle);
  const int frame = PushButtonFrame(FMouseState, FEnabled, FFocused, isDefault);
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
  COLORREF textColour = TextColour(buttons, frame, colour);
  if (!FImageProperty.empty() && frame != bfNormal && buttons.HasNormalColour2 && frame != bfDisabled) {
    // The picture-property variant gives the normal colour to frame 1 only.
    textColour = colour;
    if (frame == bfHot && buttons.HasMouseOverColour2) textColour = ColorToRGB(buttons.MouseOverColour2);
    if (frame == bfPressed && buttons.HasPressedColour2) textColour = ColorToRGB(buttons.PressedColour2);
  }
  DrawGlyphLayout(buffer, area, GlyphCellForFrame(frame, false), textColour, FFocused && FocusRectWanted());
  if (oldFont) SelectObject(buffer, oldFont);
  FBuffer.CopyTo(dc, rect.left, rect.top);
}

}  // namespace varnelta
