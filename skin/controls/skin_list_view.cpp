#include "skin/controls/skin_list_view.h"

#include <commctrl.h>

#include "skin/controls/skinner_registry.h"

namespace varnelta {

const TClassInfo& TSkinListView::StaticClass() {
  static const TClassInfo info{"TSkinListView", &TSkinScrollbar::StaticClass(), {}, {}};
  return info;
}

TSkinListView::~TSkinListView() {
  // The header goes first: it may hand messages on to the list view's window.
  FHeader.reset();
}

std::unique_ptr<TSkinControl> TSkinListView::MakeHeaderSkinner() { return CreateSkinner("TSkinHeader"); }

void TSkinListView::AttachScrollControl(TControl* control, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  TSkinScrollbar::AttachScrollControl(control, data, frame, canvas);
  if (FState != scsAttached || FHeader || !FHandle) return;
  HWND header = reinterpret_cast<HWND>(SendMessageW(FHandle, LVM_GETHEADER, 0, 0));
  if (!header) return;
  std::unique_ptr<TSkinControl> skinner = MakeHeaderSkinner();
  if (!skinner) return;
  skinner->Start(frame, data, nullptr, header, false, canvas);
  if (skinner->State() == scsAttached) FHeader = std::move(skinner);
}

}  // namespace varnelta
