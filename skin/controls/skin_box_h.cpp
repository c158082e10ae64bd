#include "skin/controls/skin_box_h.h"

namespace varnelta {

const TClassInfo& TSkinBoxH::StaticClass() {
  static const TClassInfo info{"TSkinBoxH", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

TSkinBoxH::~TSkinBoxH() {
  if (faceBrush_) DeleteObject(faceBrush_);
}

bool TSkinBoxH::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT r{};
      GetWindowRect(FHandle, &r);
      FillFace(reinterpret_cast<HDC>(message.WParam), {0, 0, r.right - r.left, r.bottom - r.top});
      message.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC: {
      CallDefault(message);
      // One brush of the face colour, made again only when the skin's colour changes.
      const COLORREF face = SkinColour(kColourButtonFace);
      if (!faceBrush_ || face != faceColour_) {
        if (faceBrush_) DeleteObject(faceBrush_);
        faceBrush_ = CreateSolidBrush(face);
        faceColour_ = face;
      }
      SetBkColor(reinterpret_cast<HDC>(message.WParam), face);
      message.Result = reinterpret_cast<LRESULT>(faceBrush_);
      return false;
    }
    default: return TSkinControl::BeforeMessage(message);
  }
}

}  // namespace varnelta
