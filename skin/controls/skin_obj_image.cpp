#include "skin/controls/skin_obj_image.h"

#include "runtime/picture.h"
#include "skin/controls/glyph_strip.h"
#include "skin/controls/property_access.h"

namespace varnelta {

const TClassInfo& TSkinObjImage::StaticClass() {
  static const TClassInfo info{"TSkinObjImage", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

void TSkinObjImage::Configure(const TSkinnerSettings& settings) {
  TSkinControl::Configure(settings);
  if (settings.Variant >= gsCheckGlyphs && settings.Variant <= gsPropertyGlyph) FMode = settings.Variant;
}

void TSkinObjImage::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool) {
  if (FAttached || !control) return;
  // Every message still goes to the control's own handling (BeforeMessage passes all on); the
  // skinner only learns when the window goes, so it never writes to a freed control.
  TSkinControl::AttachControl(control, data, canvas, false);
  HandOver();
}

void TSkinObjImage::AttachHandle(HWND, TSkinData*, TWinSkinForm*, TCanvas*) {
  // A strip needs a control object to take it.
}

void TSkinObjImage::HandOver() {
  const TSkinElements* skin = Skin();
  if (!FControl || !skin || !skin->Buttons) return;
  const TDataSkinButton& buttons = *skin->Buttons;
  const bool radio = FMode == gsRadioGlyphs;
  const TBitmap strip = BuildGlyphStrip(radio ? buttons.RadioImage : buttons.CheckImage,
                                        radio ? buttons.RadioFrameCount : buttons.CheckFrameCount, FMode);
  if (FMode == gsPropertyGlyph) {
    auto* glyph = dynamic_cast<TPicture*>(GetObjectProperty(GetObjectProperty(FControl, "Properties"), "Glyph"));
    if (!glyph) return;
    glyph->Assign(strip);
    glyph->SetTransparentColor(clFuchsia);
    glyph->SetTransparent(false);
  } else {
    auto* glyphs = dynamic_cast<TPicture*>(GetObjectProperty(FControl, "CustomGlyphs"));
    if (!glyphs) return;
    glyphs->Assign(strip);
    SetPropertyFromText(FControl, "TransparentColor", std::to_wstring(0xFF00FF));
    SetPropertyFromText(FControl, "UseCustomGlyphs", L"False");
    SetPropertyFromText(FControl, "UseCustomGlyphs", L"True");
  }
  FControl->Invalidate();
}

void TSkinObjImage::Detach() {
  if (FControl) {
    if (FMode == gsPropertyGlyph) {
      if (auto* glyph = dynamic_cast<TPicture*>(GetObjectProperty(GetObjectProperty(FControl, "Properties"), "Glyph"))) {
        glyph->Clear();
      }
    } else {
      SetPropertyFromText(FControl, "UseCustomGlyphs", L"False");
    }
  }
  TSkinControl::Detach();
}

void TSkinObjImage::SkinChanged() { HandOver(); }

}  // namespace varnelta
