#include "skin/controls/skin_scrollbar_h.h"

namespace varnelta {

const TClassInfo& TSkinScrollbarH::StaticClass() {
  static const TClassInfo info{"TSkinScrollbarH", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

TSkinScrollbarH::~TSkinScrollbarH() = default;

void TSkinScrollbarH::AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached) return;
  TSkinControl::AttachHandle(window, data, frame, canvas);
  if (FState != scsAttached || !Skin()) return;
  FHorzBar = std::make_unique<TWScrollbar>(Skin(), FHandle, 0);
  FVertBar = std::make_unique<TWScrollbar>(Skin(), FHandle, 1);
}

void TSkinScrollbarH::PlaceBars() {
  if (FHorzBar) FHorzBar->Place(FHandle);
  if (FVertBar) FVertBar->Place(FHandle);
}

void TSkinScrollbarH::AfterMessage(TMessage& message) {
  if (FVertBar && !IsWindowVisible(FHandle)) FVertBar->HideBar();
  switch (message.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
      PlaceBars();
      break;
    case WM_HSCROLL:
      if (FHorzBar) FHorzBar->SetPart(LOWORD(message.WParam));
      break;
    case WM_VSCROLL:
      if (FVertBar) FVertBar->SetPart(LOWORD(message.WParam));
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinScrollbarH::PaintSkin(HDC dc, const RECT&) {
  for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
    if (bar && bar->Visible()) bar->Invalidate();
  }
  if (FHorzBar && FVertBar && FHorzBar->Visible() && FVertBar->Visible()) {
    // The bar rectangles are client coordinates; the corner is drawn on the window DC.
    RECT window{};
    GetWindowRect(FHandle, &window);
    POINT origin{0, 0};
    ClientToScreen(FHandle, &origin);
    const int dx = origin.x - window.left, dy = origin.y - window.top;
    const RECT& v = FVertBar->BarRect();
    const RECT& h = FHorzBar->BarRect();
    FillColour(dc, {v.left + dx, h.top + dy, v.right + dx, h.bottom + dy}, SkinColour(kColourButtonFace));
  }
}

void TSkinScrollbarH::Detach() {
  TSkinControl::Detach();
  FHorzBar.reset();
  FVertBar.reset();
}

void TSkinScrollbarH::SkinChanged() {
  if (FHorzBar) FHorzBar->SkinChanged();
  if (FVertBar) FVertBar->SkinChanged();
  TSkinControl::SkinChanged();
}

}  // namespace varnelta
