// TSkinButton: a push button painted whole from the skin's Buttons picture (five frames: normal,
// pressed, disabled, mouse over, focused or default). The left-button press is kept away from the
// native procedure, so the skinner generates the click itself on a release while pressed; keys,
// text, styles and focus stay the native button's, so the dialog manager and accessibility see
// the real control.
#pragma once

#include "skin/controls/paint_buffer.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinButton : public TSkinControl {
  VARNELTA_CLASS()
 public:
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  // The frame the last paint used (0 before the first paint).
  int LastFrame() const { return lastFrame_; }
  std::uint8_t MouseState() const { return FMouseState; }

 protected:
  // The skin's Buttons picture exists.
  bool HasPicture() const;
  // The caption centred in `rect`, the first "||" breaking the line; the focus rectangle around it.
  void DrawCaption(HDC dc, const RECT& rect, const std::wstring& text);
  // The text colour of the skin for `frame`, starting from `base`.
  static COLORREF TextColour(const TDataSkinButton& buttons, int frame, COLORREF base);
  void Click();

  // What a paint shows: the frame of the Buttons picture and the caption's text colour.
  void RememberFrame(int frame) { lastFrame_ = frame; }
  // Whether focus rectangles are drawn at all.
  bool FocusRectWanted() const;

  TPaintBuffer FBuffer;
  bool FTransparent = false;

 private:
  void ApplySkinState();
  int lastFrame_ = 0;
};

}  // namespace varnelta
