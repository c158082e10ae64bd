#include "runtime/stand_in_controls.h"

#include "runtime/class_registry.h"

namespace varnelta {

namespace {
template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}

// Class-kind properties are read through the object; nothing of a picture is stored.
TPropInfo Unstored(TPropInfo p) {
  p.Stored = [](const TPersistent&) { return false; };
  return p;
}
}  // namespace

const TEnumType MPBtnTypeType{"TMPBtnType",
                              {"btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord",
                               "btEject"}};

const TClassInfo& TStandInControl::StaticClass() {
  static const TClassInfo info{"TStandInControl",
                               &TCustomControl::StaticClass(),
                               {StrProperty("Caption", &TControl::Caption, &TControl::SetCaption)},
                               {}};
  return info;
}

TStandInControl::TStandInControl(TComponent* owner) : TCustomControl(owner) {
  color_ = clBtnFace;
  parentColor_ = true;
}

void TStandInControl::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  canvas.FillRect(r);
  const std::wstring text = GetText();
  if (text.empty()) return;
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  canvas.Brush().SetStyle(bsSolid);
}

// ---- tab set ----

const TClassInfo& TTabSet::StaticClass() {
  static const TClassInfo info{"TTabSet",
                               &TStandInControl::StaticClass(),
                               {ListProperty("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs),
                                IntProperty("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex, -1)},
                               Make<TTabSet>};
  return info;
}

TTabSet::TTabSet(TComponent* owner) : TStandInControl(owner) { SetBounds(0, 0, 185, 21); }

void TTabSet::SetTabs(const std::vector<std::wstring>& tabs) {
  tabs_ = tabs;
  if (tabIndex_ >= static_cast<int>(tabs_.size()) && !HasState(csLoading)) tabIndex_ = -1;
  Invalidate();
}

void TTabSet::SetTabIndex(int v) {
  tabIndex_ = v < -1 ? -1 : v;
  Invalidate();
}

// ---- media player ----

const TClassInfo& TMediaPlayer::StaticClass() {
  static const TClassInfo info{
      "TMediaPlayer",
      &TStandInControl::StaticClass(),
      {SetProperty("ColoredButtons", MPBtnTypeType, &TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons,
                   kAllMediaButtons),
       SetProperty("EnabledButtons", MPBtnTypeType, &TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons,
                   kAllMediaButtons),
       SetProperty("VisibleButtons", MPBtnTypeType, &TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons,
                   kAllMediaButtons)},
      Make<TMediaPlayer>};
  return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TStandInControl(owner) { SetBounds(0, 0, 253, 30); }

// ---- glyph check boxes and radio buttons ----

const TClassInfo& TGlyphChoiceControl::StaticClass() {
  static const TClassInfo info{
      "TGlyphChoiceControl",
      &TStandInControl::StaticClass(),
      {BoolProperty("Checked", &TGlyphChoiceControl::Checked, &TGlyphChoiceControl::SetChecked, false),
       Unstored(ObjectProperty("CustomGlyphs", &TGlyphChoiceControl::CustomGlyphs)),
       ColorProperty(IntProperty("TransparentColor", &TGlyphChoiceControl::TransparentColor,
                                 &TGlyphChoiceControl::SetTransparentColor, clNone)),
       BoolProperty("UseCustomGlyphs", &TGlyphChoiceControl::UseCustomGlyphs, &TGlyphChoiceControl::SetUseCustomGlyphs,
                    false)},
      {}};
  return info;
}

TGlyphChoiceControl::TGlyphChoiceControl(TComponent* owner) : TStandInControl(owner) { SetBounds(0, 0, 113, 17); }

void TGlyphChoiceControl::SetChecked(bool v) {
  checked_ = v;
  Invalidate();
}

void TGlyphChoiceControl::SetUseCustomGlyphs(bool v) {
  if (v && !useCustomGlyphs_) ++glyphReloads_;
  useCustomGlyphs_ = v;
  Invalidate();
}

const TClassInfo& TRzCheckBox::StaticClass() {
  static const TClassInfo info{"TRzCheckBox", &TGlyphChoiceControl::StaticClass(), {}, Make<TRzCheckBox>};
  return info;
}

const TClassInfo& TRzRadioButton::StaticClass() {
  static const TClassInfo info{"TRzRadioButton", &TGlyphChoiceControl::StaticClass(), {}, Make<TRzRadioButton>};
  return info;
}

const TClassInfo& TCheckBoxProperties::StaticClass() {
  static const TClassInfo info{
      "TCheckBoxProperties",
      &TPersistent::StaticClass(),
      {Unstored(ObjectProperty("Glyph", &TCheckBoxProperties::Glyph))},
      {}};
  return info;
}

const TClassInfo& TcxCheckBox::StaticClass() {
  static const TClassInfo info{
      "TcxCheckBox",
      &TStandInControl::StaticClass(),
      {BoolProperty("Checked", &TcxCheckBox::Checked, &TcxCheckBox::SetChecked, false),
       Unstored(ObjectProperty("Properties", &TcxCheckBox::Properties))},
      Make<TcxCheckBox>};
  return info;
}

TcxCheckBox::TcxCheckBox(TComponent* owner) : TStandInControl(owner) { SetBounds(0, 0, 113, 17); }

void TcxCheckBox::SetChecked(bool v) {
  checked_ = v;
  Invalidate();
}

// ---- tab picture control ----

const TClassInfo& TTabPictureControl::StaticClass() {
  static const TClassInfo info{
      "TTabPictureControl",
      &TStandInControl::StaticClass(),
      {ListProperty("Tabs", &TTabPictureControl::Tabs, &TTabPictureControl::SetTabs),
       Unstored(ObjectProperty("TabBackGround", &TTabPictureControl::TabBackGround)),
       Unstored(
           ObjectProperty("TabBackGroundActive", &TTabPictureControl::TabBackGroundActive))},
      Make<TTabPictureControl>};
  return info;
}

TTabPictureControl::TTabPictureControl(TComponent* owner) : TStandInControl(owner) { SetBounds(0, 0, 289, 193); }

void TTabPictureControl::SetTabs(const std::vector<std::wstring>& tabs) {
  tabs_ = tabs;
  Invalidate();
}

void RegisterStandInControls() {
  RegisterComponentClass(TTabSet::StaticClass());
  RegisterComponentClass(TMediaPlayer::StaticClass());
  RegisterComponentClass(TRzCheckBox::StaticClass());
  RegisterComponentClass(TRzRadioButton::StaticClass());
  RegisterComponentClass(TcxCheckBox::StaticClass());
  RegisterComponentClass(TTabPictureControl::StaticClass());
}

}  // namespace varnelta
