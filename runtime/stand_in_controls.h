// Stand-in controls: windowed controls with no behaviour of their own, under the class names the
// control dispatch knows from other libraries, carrying only the published properties their
// skinners read and set. They let the skinners of those kinds be shown and tested.
#pragma once

#include <memory>

#include "runtime/custom_control.h"
#include "runtime/picture.h"
#include "runtime/win_control.h"

namespace varnelta {

// A plain control of the runtime's own window class, face-coloured, with a caption.
class TStandInControl : public TCustomControl {
  VARNELTA_CLASS()
 public:
  explicit TStandInControl(TComponent* owner);

 protected:
  void Paint() override;
};

// A row of tabs under a page ("TTabSet").
class TTabSet : public TStandInControl {
  VARNELTA_CLASS()
 public:
  explicit TTabSet(TComponent* owner);
  std::vector<std::wstring> Tabs() const { return tabs_; }
  void SetTabs(const std::vector<std::wstring>& tabs);
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int v);

 private:
  std::vector<std::wstring> tabs_;
  int tabIndex_ = -1;
};

// The buttons of a media player, in order; sets of them are bit masks (member n is bit n).
enum TMPBtnType : int { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
extern const TEnumType MPBtnTypeType;
inline constexpr int kAllMediaButtons = 0x1FF;

class TMediaPlayer : public TStandInControl {
  VARNELTA_CLASS()
 public:
  explicit TMediaPlayer(TComponent* owner);
  int VisibleButtons() const { return visible_; }
  void SetVisibleButtons(int v) { visible_ = v & kAllMediaButtons; }
  int EnabledButtons() const { return enabled_; }
  void SetEnabledButtons(int v) { enabled_ = v & kAllMediaButtons; }
  int ColoredButtons() const { return coloured_; }
  void SetColoredButtons(int v) { coloured_ = v & kAllMediaButtons; }

 private:
  int visible_ = kAllMediaButtons;
  int enabled_ = kAllMediaButtons;
  int coloured_ = kAllMediaButtons;
};

// A check box or radio button that draws its box from a glyph strip it is given.
class TGlyphChoiceControl : public TStandInControl {
  VARNELTA_CLASS()
 public:
  explicit TGlyphChoiceControl(TComponent* owner);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  TPicture* CustomGlyphs() const { return glyphs_.get(); }
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor v) { transparentColor_ = v; }
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  void SetUseCustomGlyphs(bool v);
  // How many times UseCustomGlyphs went from false to true (each reloads the glyphs).
  int GlyphReloads() const { return glyphReloads_; }

 private:
  std::unique_ptr<TPicture> glyphs_ = std::make_unique<TPicture>();
  bool checked_ = false;
  TColor transparentColor_ = clNone;
  bool useCustomGlyphs_ = false;
  int glyphReloads_ = 0;
};

class TRzCheckBox : public TGlyphChoiceControl {
  VARNELTA_CLASS()
 public:
  using TGlyphChoiceControl::TGlyphChoiceControl;
};

class TRzRadioButton : public TGlyphChoiceControl {
  VARNELTA_CLASS()
 public:
  using TGlyphChoiceControl::TGlyphChoiceControl;
};

// The settings object of a check box that takes its glyph from there.
class TCheckBoxProperties : public TPersistent {
  VARNELTA_CLASS()
 public:
  TPicture* Glyph() const { return glyph_.get(); }

 private:
  std::unique_ptr<TPicture> glyph_ = std::make_unique<TPicture>();
};

class TcxCheckBox : public TStandInControl {
  VARNELTA_CLASS()
 public:
  explicit TcxCheckBox(TComponent* owner);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  TCheckBoxProperties* Properties() const { return properties_.get(); }

 private:
  std::unique_ptr<TCheckBoxProperties> properties_ = std::make_unique<TCheckBoxProperties>();
  bool checked_ = false;
};

// A page control that draws its tabs from two pictures it is given.
class TTabPictureControl : public TStandInControl {
  VARNELTA_CLASS()
 public:
  explicit TTabPictureControl(TComponent* owner);
  std::vector<std::wstring> Tabs() const { return tabs_; }
  void SetTabs(const std::vector<std::wstring>& tabs);
  TPicture* TabBackGround() const { return normal_.get(); }
  TPicture* TabBackGroundActive() const { return active_.get(); }

 private:
  std::vector<std::wstring> tabs_;
  std::unique_ptr<TPicture> normal_ = std::make_unique<TPicture>();
  std::unique_ptr<TPicture> active_ = std::make_unique<TPicture>();
};

void RegisterStandInControls();

}  // namespace varnelta
