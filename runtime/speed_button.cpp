#include "runtime/speed_button.h"

#include "runtime/button_face.h"
#include "runtime/win_control.h"

namespace varnelta {

const TClassInfo& TSpeedButton::StaticClass() {
  static const TClassInfo info{
      "TSpeedButton",
      &TGraphicControl::StaticClass(),
      {StrProperty("Caption", &TControl::Caption, &TControl::SetCaption),
       BoolProperty("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat, false),
       IntProperty("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex, 0),
       BoolProperty("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp, false),
       BoolProperty("Down", &TSpeedButton::Down, &TSpeedButton::SetDown, false),
       ObjectProperty("Glyph", &TSpeedButton::Glyph),
       IntProperty("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs, 1),
       EnumProperty("Layout", ButtonLayoutType, &TSpeedButton::Layout, &TSpeedButton::SetLayout, blGlyphLeft),
       IntProperty("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin, -1),
       IntProperty("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing, 4)},
      [](TComponent* owner) -> TComponent* { return new TSpeedButton(owner); }};
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TGlyph>()) {
  glyph_->OnChange = [this] { Invalidate(); };
  color_ = clBtnFace;
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetFlat(bool v) {
  flat_ = v;
  Invalidate();
}

void TSpeedButton::SetDown(bool v) {
  // Only a grouped button stays down; the last one of a group goes up only when all may be up.
  if (groupIndex_ == 0) v = false;
  if (v == down_) return;
  if (!v && !allowAllUp_ && !HasState(csReading)) {
    bool otherDown = false;
    if (parent_) {
      for (int i = 0; i < parent_->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(parent_->Controls(i));
        otherDown |= other && other != this && other->groupIndex_ == groupIndex_ && other->down_;
      }
    }
    if (!otherDown) return;
  }
  down_ = v;
  if (v && parent_) {
    for (int i = 0; i < parent_->ControlCount(); ++i) {
      auto* other = dynamic_cast<TSpeedButton*>(parent_->Controls(i));
      if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
        other->down_ = false;
        other->Invalidate();
      }
    }
  }
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int v) {
  numGlyphs_ = v < 1 ? 1 : (v > 4 ? 4 : v);
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout v) {
  layout_ = v;
  Invalidate();
}

void TSpeedButton::SetMargin(int v) {
  margin_ = v < -1 ? -1 : v;
  Invalidate();
}

void TSpeedButton::SetSpacing(int v) {
  spacing_ = v < -1 ? -1 : v;
  Invalidate();
}

void TSpeedButton::DefineProperties(TFiler& filer) { glyph_->DefineData(filer, "Glyph.Data"); }

void TSpeedButton::Clicked() {
  if (groupIndex_ != 0) SetDown(allowAllUp_ ? !down_ : true);
  Click();
}

void TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Enabled()) {
        pressed_ = true;
        Invalidate();
      }
      m.Result = 0;
      return;
    case WM_MOUSEMOVE:
      if (pressed_) {
        const int x = static_cast<short>(LOWORD(m.LParam)), y = static_cast<short>(HIWORD(m.LParam));
        const bool inside = x >= 0 && y >= 0 && x < width_ && y < height_;
        if (inside != mouseIn_) {
          mouseIn_ = inside;
          Invalidate();
        }
      }
      m.Result = 0;
      return;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      const int x = static_cast<short>(LOWORD(m.LParam)), y = static_cast<short>(HIWORD(m.LParam));
      const bool inside = x >= 0 && y >= 0 && x < width_ && y < height_;
      Invalidate();
      if (wasPressed && inside && Enabled()) Clicked();
      m.Result = 0;
      return;
    }
    case CM_MOUSEENTER:
      mouseIn_ = true;
      if (flat_ && Enabled()) Invalidate();
      return;
    case CM_MOUSELEAVE:
      mouseIn_ = false;
      if (flat_ && Enabled()) Invalidate();
      return;
    case CM_ENABLEDCHANGED: Invalidate(); return;
    default: break;
  }
  TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint() {
  HDC dc = Canvas().Handle();
  RECT r{0, 0, width_, height_};
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect({0, 0, width_, height_});
  const bool sunken = down_ || (pressed_ && mouseIn_);
  if (sunken) {
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  } else if (!flat_ || (mouseIn_ && Enabled())) {
    DrawEdge(dc, &r, flat_ ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);
  }
  if (sunken) OffsetRect(&r, 1, 1);
  const int wanted = !Enabled() ? gcDisabled : down_ ? gcHeldDown : sunken ? gcDown : gcUp;
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  DrawGlyphAndCaption(dc, r, *glyph_, numGlyphs_, wanted, Caption(), Enabled());
  SelectObject(dc, oldFont);
}

}  // namespace varnelta
