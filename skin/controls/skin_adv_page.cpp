#include "skin/controls/skin_adv_page.h"

#include <commctrl.h>

#include "runtime/picture.h"
#include "skin/controls/property_access.h"
#include "skin/controls/skin_up_down.h"
#include "skin/data/pixel_draw.h"

namespace varnelta {

namespace {
constexpr int kPictureWidth = 100;
constexpr int kPictureHeight = 21;
constexpr UINT kIsSkinned = 0x3523;
}  // namespace

const TClassInfo& TSkinAdvPage::StaticClass() {
  static const TClassInfo info{"TSkinAdvPage", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

TSkinAdvPage::TSkinAdvPage() = default;
TSkinAdvPage::~TSkinAdvPage() = default;

void TSkinAdvPage::AssignPictures(bool empty) {
  auto* normal = dynamic_cast<TPicture*>(GetObjectProperty(FControl, "TabBackGround"));
  auto* active = dynamic_cast<TPicture*>(GetObjectProperty(FControl, "TabBackGroundActive"));
  const TSkinElements* skin = Skin();
  const bool have = !empty && skin && skin->Tabs && !skin->Tabs->Image.Empty();
  for (int frame = 1; frame <= 2; ++frame) {
    TPicture* target = frame == 1 ? normal : active;
    if (!target) continue;
    if (!have) {
      target->Clear();
      continue;
    }
    const TDataSkinBorder& tabs = *skin->Tabs;
    target->Assign(BuildSlicedBitmap(kPictureWidth, kPictureHeight, tabs.Image, tabs.Margins, false, tabs.Tile != 0,
                                     tabs.FrameCount > 0 ? tabs.FrameCount : 5, frame));
  }
  if (FControl) FControl->Invalidate();
}

void TSkinAdvPage::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  if (FAttached) return;
  TSkinControl::AttachControl(control, data, canvas, recolour);
  FMode = 4;
  AssignPictures(false);
}

void TSkinAdvPage::Detach() {
  if (FControl) AssignPictures(true);
  TSkinControl::Detach();
}

void TSkinAdvPage::SkinChanged() {
  AssignPictures(false);
  TSkinControl::SkinChanged();
}

void TSkinAdvPage::AfterMessage(TMessage& message) {
  if (message.Msg == WM_PAINT && !FUpDown && FHandle) {
    HWND child = FindWindowExW(FHandle, nullptr, UPDOWN_CLASSW, nullptr);
    if (child && SendMessageW(child, kIsSkinned, 0, 0) != 1) {
      FUpDown = std::make_unique<TSkinUpDown>();
      FUpDown->AttachHandle(child, FSkinData, FSkinForm, FCanvas);
    }
  }
  TSkinControl::AfterMessage(message);
}

}  // namespace varnelta
