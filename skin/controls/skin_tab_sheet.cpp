#include "skin/controls/skin_tab_sheet.h"

namespace varnelta {

namespace {
constexpr UINT kPrint = 0x317;
}

const TClassInfo& TSkinTabSheet::StaticClass() {
  static const TClassInfo info{"TSkinTabSheet", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

bool TSkinTabSheet::BeforeMessage(TMessage& message) {
  if (FKind != 0) return TSkinControl::BeforeMessage(message);
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(FHandle, &client);
      FillFace(reinterpret_cast<HDC>(message.WParam), client);
      message.Result = 1;
      return false;
    }
    case kPrint: {
      RECT client{};
      GetClientRect(FHandle, &client);
      FillFace(reinterpret_cast<HDC>(message.WParam), client);
      return true;  // the page paints its windowless children over the face
    }
    default: return TSkinControl::BeforeMessage(message);
  }
}

}  // namespace varnelta
