// TSkinComBox: combo boxes. After each native paint the skin draws, on the window DC, a border
// ring and the drop-down button with its glyph; the native box keeps its text and its list.
// The button is hot while the mouse is over it; the drop-down list gets a TComboxScrollBar.
#pragma once

#include <memory>

#include "skin/controls/combox_scroll_bar.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinComBox : public TSkinControl {
  VARNELTA_CLASS()
 public:
  ~TSkinComBox() override;
  void Configure(const TSkinnerSettings& settings) override;
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void Detach() override;

  int LastFrame() const { return lastFrame_; }
  // The button was last drawn at the left (WS_EX_LEFTSCROLLBAR and the box's button there).
  bool LeftHanded() const { return leftHanded_; }
  const RECT& ButtonRect() const { return FButtonRect; }
  TComboxScrollBar* DropSkinner() const { return FDropSkinner.get(); }
  bool DroppedDown() const { return FDroppedDown; }

 private:
  void MakeDropSkinner();
  void FlatLook(HDC dc, const RECT& r, int state, const TDataSkinBorder& button);
  void ExtendedBorder(HDC dc, const RECT& r);

  LONG_PTR FStyle = 0;
  LONG_PTR FExStyle = 0;
  HWND FList = nullptr;
  HWND FEdit = nullptr;
  bool FDroppedDown = false;
  std::unique_ptr<TComboxScrollBar> FDropSkinner;
  COMBOBOXINFO FInfo{};
  RECT FButtonRect{};
  bool FExtended = false;
  int lastFrame_ = 0;
  bool leftHanded_ = false;
};

}  // namespace varnelta
