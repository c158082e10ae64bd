#include "skin/controls/skin_tab31.h"

#include "runtime/property.h"
#include "runtime/win_control.h"
#include "skin/controls/property_access.h"
#include "skin/data/img_util.h"

namespace varnelta {

namespace {
constexpr int kTabFrames = 5;
constexpr int kTabPadding = 8;
constexpr int kFirstTab = 4;
}  // namespace

const TClassInfo& TSkinTab31::StaticClass() {
  static const TClassInfo info{"TSkinTab31", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

void TSkinTab31::Prepare() {
  tabImage_.Clear();
  const TSkinElements* skin = Skin();
  if (!skin || !skin->Tabs) return;
  tabImage_ = skin->Tabs->Image;
  FlipBitmap(tabImage_);
}

void TSkinTab31::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  // Taken by the window: the control object still gives its tabs.
  if (FAttached) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  HWND window = windowed ? windowed->Handle() : nullptr;
  if (!window) return;
  TSkinControl::AttachHandle(window, data, FSkinForm, canvas);
  FControl = control;
  (void)recolour;
  Prepare();
}

void TSkinTab31::SkinChanged() {
  Prepare();
  TSkinControl::SkinChanged();
}

bool TSkinTab31::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintOnWMPaint(message);
      return true;  // still passed on: the control's own paint finds nothing left to draw
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinTab31::PaintSkin(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!buffer_.Resize(dc, width, height)) return;
  HDC b = buffer_.DC();
  FillFace(b, {0, 0, width, height});
  const TSkinElements* skin = Skin();
  if (skin && skin->Tabs && FControl) {
    const TPropInfo* tabsInfo = FindPropInfo(FControl, "Tabs");
    const std::vector<std::wstring> tabs =
        tabsInfo && tabsInfo->GetList ? tabsInfo->GetList(*FControl) : std::vector<std::wstring>{};
    const std::int64_t current = GetOrdProperty(FControl, "TabIndex");
    const bool enabled = !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
    if (!font && FControl->Font()) font = FControl->Font()->Handle();
    HGDIOBJ oldFont = font ? SelectObject(b, font) : nullptr;
    const int oldMode = SetBkMode(b, TRANSPARENT);
    int x = kFirstTab;
    for (std::size_t i = 0; i < tabs.size() && x < width; ++i) {
      RECT measured{0, 0, 0, 0};
      DrawTextEx(b, tabs[i], measured, DT_SINGLELINE | DT_CALCRECT);
      const RECT r{x, 0, x + measured.right + 2 * kTabPadding, height - 2};
      const bool on = static_cast<std::int64_t>(i) == current;
      if (!tabImage_.Empty()) {
        DrawSlicedFrame(b, r, tabImage_, false, skin->Tabs->Tile != 0, skin->Tabs->Trans == 1, kTabFrames,
                        on ? 2 : 1, skin->Tabs->Margins);
      }
      SetTextColor(b, !enabled ? SkinColour(kColourButtonShadow)
                               : ColorToRGB(on ? skin->Tabs->MouseOverColour2 : skin->Tabs->NormalColour2));
      RECT t = r;
      DrawTextEx(b, tabs[i], t, TextFlags(DT_SINGLELINE | DT_VCENTER | DT_CENTER));
      x = r.right - 1;
    }
    SetBkMode(b, oldMode);
    if (oldFont) SelectObject(b, oldFont);
  }
  buffer_.CopyTo(dc, rect.left, rect.top);
}

}  // namespace varnelta
