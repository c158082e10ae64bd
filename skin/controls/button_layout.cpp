#include "skin/controls/button_layout.h"

namespace varnelta {

int PushButtonFrame(std::uint8_t mouseState, bool enabled, bool focused, bool isDefault) {
  if (!enabled) return bfDisabled;
  if (mouseState & kMousePressed) return bfPressed;
  if (mouseState & kMouseHot) return bfHot;
  if (focused || isDefault) return bfFocused;
  return bfNormal;
}

int MenuButtonFrame(std::uint8_t mouseState, bool enabled, bool focused) {
  if (!enabled) return bfDisabled;
  if (mouseState & kMousePressed) return bfPressed;
  if (focused || (mouseState & kMouseHot)) return bfHot;
  return bfNormal;
}

int SpeedButtonFrame(std::uint8_t mouseState, bool enabled, bool down) {
  if (down) return bfPressed;
  if (!enabled) return bfDisabled;
  if (mouseState & kMousePressed) return bfPressed;
  if (mouseState & kMouseHot) return bfHot;
  return bfNormal;
}

bool SpeedButtonShowsPicture(int frame, bool flat) { return !flat || frame == bfPressed || frame == bfHot; }

int GlyphCellForFrame(int frame, bool heldDown) {
  if (heldDown) return 4;
  if (frame == bfPressed) return 3;
  if (frame == bfDisabled) return 2;
  return 1;
}

std::wstring ReplaceFirstBar(const std::wstring& text) {
  std::wstring result = text;
  const auto at = result.find(L"||");
  if (at != std::wstring::npos) result.replace(at, 2, L"\r\n");
  return result;
}

TRect CentreBlock(const TRect& rect, TPoint size, bool centred) {
  const int down = (rect.Height() - size.Y) / 2 - 1;
  if (centred) {
    const int right = (rect.Width() - size.X) / 2;
    return {rect.Left + right, rect.Top + down, rect.Left + right + size.X, rect.Top + down + size.Y};
  }
  return {rect.Left, rect.Top + down, rect.Right, rect.Top + down + size.Y};
}

TGlyphPlacement PlaceGlyph(TPoint client, TPoint glyph, TPoint text, int layout, int margin, int spacing,
                           bool centred) {
  if (layout < glLeft || layout > glBottom) layout = glLeft;
  const bool horizontal = layout == glLeft || layout == glRight;
  TGlyphPlacement p;
  // Cross axis: both centred.
  if (horizontal) {
    p.GlyphPos.Y = (client.Y - glyph.Y + 1) / 2;
    p.TextPos.Y = (client.Y - text.Y + 1) / 2;
  } else {
    p.GlyphPos.X = (client.X - glyph.X + 1) / 2;
    p.TextPos.X = (client.X - text.X + 1) / 2;
  }
  if (text.X == 0 || glyph.X == 0) spacing = 0;
  const int clientLength = horizontal ? client.X : client.Y;
  const int glyphLength = horizontal ? glyph.X : glyph.Y;
  const int textLength = horizontal ? text.X : text.Y;
  if (margin == -1 || centred) {
    if (spacing == -1) {
      margin = (clientLength - (glyphLength + textLength)) / 3;
      spacing = margin;
    } else {
      margin = (clientLength - (glyphLength + spacing + textLength)) / 2;
    }
  } else if (spacing == -1) {
    spacing = (clientLength - (margin + glyphLength) - textLength) / 2;
  }
  switch (layout) {
    case glLeft:
      p.GlyphPos.X = margin;
      p.TextPos.X = p.GlyphPos.X + glyph.X + spacing;
      break;
    case glRight:
      p.GlyphPos.X = client.X - margin - glyph.X;
      p.TextPos.X = p.GlyphPos.X - spacing - text.X;
      p.AlignRight = true;
      break;
    case glTop:
      p.GlyphPos.Y = margin;
      p.TextPos.Y = p.GlyphPos.Y + glyph.Y + spacing;
      p.AlignCentre = true;
      break;
    default:
      p.GlyphPos.Y = client.Y - margin - glyph.Y;
      p.TextPos.Y = p.GlyphPos.Y - spacing - text.Y;
      p.AlignCentre = true;
      break;
  }
  return p;
}

int GlyphLayoutFromName(const std::string& lowerName) {
  if (lowerName == "blglyphright") return glRight;
  if (lowerName == "blglyphtop") return glTop;
  if (lowerName == "blglyphbottom") return glBottom;
  return glLeft;
}

TPoint MouseDownPoint(std::int64_t lParam, TPoint controlSize, TPoint cursor, TPoint clientOrigin) {
  if (controlSize.X > 0x8000 || controlSize.Y > 0x8000) {
    return {cursor.X - clientOrigin.X, cursor.Y - clientOrigin.Y};
  }
  const auto bits = static_cast<std::uint32_t>(lParam);
  return {static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
}

}  // namespace varnelta
