// TSkinScrollbarH: the skinned scroll bar overlays for a plain window known only by its handle
// (a list of a simple combo box, a list box of a dialog): no border, the two overlays placed
// whenever the window is resized or its frame repainted.
#pragma once

#include <memory>

#include "skin/controls/skin_control.h"
#include "skin/controls/w_scrollbar.h"

namespace varnelta {

class TSkinScrollbarH : public TSkinControl {
  VARNELTA_CLASS()
 public:
  ~TSkinScrollbarH() override;
  void AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void Detach() override;
  void SkinChanged() override;

  TWScrollbar* HorzBar() const { return FHorzBar.get(); }
  TWScrollbar* VertBar() const { return FVertBar.get(); }

 private:
  void PlaceBars();
  std::unique_ptr<TWScrollbar> FHorzBar, FVertBar;
};

}  // namespace varnelta
