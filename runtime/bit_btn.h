// TBitBtn: a push button showing a glyph beside its caption. The glyph has up to four cells (up,
// disabled, down, held down); Layout puts it left, right, above or below the caption, Margin is
// its distance from the edge and Spacing its distance from the caption (-1: automatic). Kind
// gives a standard button its caption and default role.
#pragma once

#include <memory>

#include "runtime/glyph.h"
#include "runtime/std_controls.h"

namespace varnelta {

enum TButtonLayout : int { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const TEnumType ButtonLayoutType;

enum TBitBtnKind : int { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
extern const TEnumType BitBtnKindType;

class TBitBtn : public TButton {
  VARNELTA_CLASS()
 public:
  explicit TBitBtn(TComponent* owner);
  TGlyph* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int v);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout v);
  int Margin() const { return margin_; }
  void SetMargin(int v);
  int Spacing() const { return spacing_; }
  void SetSpacing(int v);
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind v);
  void DefineProperties(TFiler& filer) override;
  void WndProc(TMessage& message) override;

 private:
  void PaintFace(HDC dc);
  std::unique_ptr<TGlyph> glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TBitBtnKind kind_ = bkCustom;
};

// The caption a standard kind of button gets when it has none (empty for bkCustom).
std::wstring BitBtnKindCaption(TBitBtnKind kind);

}  // namespace varnelta
