#include "runtime/bit_btn.h"

#include "runtime/button_face.h"

namespace varnelta {

const TEnumType ButtonLayoutType{"TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
const TEnumType BitBtnKindType{"TBitBtnKind",
                               {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort",
                                "bkRetry", "bkIgnore", "bkAll"}};

std::wstring BitBtnKindCaption(TBitBtnKind kind) {
  static const wchar_t* const captions[] = {L"",      L"OK",    L"Cancel", L"&Help",   L"&Yes",  L"&No",
                                            L"&Close", L"Abort", L"&Retry", L"&Ignore", L"&All"};
  const int index = static_cast<int>(kind);
  return index >= 0 && index < static_cast<int>(std::size(captions)) ? captions[index] : L"";
}

const TClassInfo& TBitBtn::StaticClass() {
  static const TClassInfo info{
      "TBitBtn",
      &TButton::StaticClass(),
      {ObjectProperty("Glyph", &TBitBtn::Glyph),
       IntProperty("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs, 1),
       EnumProperty("Layout", ButtonLayoutType, &TBitBtn::Layout, &TBitBtn::SetLayout, blGlyphLeft),
       IntProperty("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin, -1),
       IntProperty("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing, 4),
       EnumProperty("Kind", BitBtnKindType, &TBitBtn::Kind, &TBitBtn::SetKind, bkCustom)},
      [](TComponent* owner) -> TComponent* { return new TBitBtn(owner); }};
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TGlyph>()) {
  glyph_->OnChange = [this] { Invalidate(); };
}

void TBitBtn::SetNumGlyphs(int v) {
  numGlyphs_ = v < 1 ? 1 : (v > 4 ? 4 : v);
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout v) {
  layout_ = v;
  Invalidate();
}

void TBitBtn::SetMargin(int v) {
  margin_ = v < -1 ? -1 : v;
  Invalidate();
}

void TBitBtn::SetSpacing(int v) {
  spacing_ = v < -1 ? -1 : v;
  Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind v) {
  kind_ = v;
  if (Caption().empty()) SetCaption(BitBtnKindCaption(v));
  if (v == bkOK || v == bkYes) SetDefault(true);
}

void TBitBtn::DefineProperties(TFiler& filer) { glyph_->DefineData(filer, "Glyph.Data"); }

void TBitBtn::PaintFace(HDC dc) {
  RECT r{};
  GetClientRect(handle_, &r);
  const bool pushed = (SendMessageW(handle_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  const bool focused = GetFocus() == handle_;
  if (Default() || focused) {
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  RECT inner = r;
  if (pushed) OffsetRect(&inner, 1, 1);
  const int wanted = !Enabled() ? gcDisabled : pushed ? gcDown : gcUp;
  DrawGlyphAndCaption(dc, inner, *glyph_, numGlyphs_, wanted, Caption(), Enabled());
  SelectObject(dc, oldFont);
  if (focused) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(dc, &r);
  }
}

void TBitBtn::WndProc(TMessage& m) {
  if (PaintOwnFace(handle_, m, [this](HDC dc) { PaintFace(dc); })) return;
  TButton::WndProc(m);
  RepaintOverSystemLook(handle_, m.Msg);
}

}  // namespace varnelta
