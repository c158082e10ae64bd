#include "runtime/extra_controls.h"

#include "runtime/bit_btn.h"
#include "runtime/class_registry.h"
#include "runtime/image_list.h"
#include "runtime/menu_button.h"
#include "runtime/panels.h"
#include "runtime/scroll_bar.h"
#include "runtime/speed_button.h"
#include "runtime/status_bar.h"

namespace varnelta {

void RegisterExtraControls() {
  RegisterComponentClass(TPanel::StaticClass());
  RegisterComponentClass(TGroupBox::StaticClass());
  RegisterComponentClass(TStatusBar::StaticClass());
  RegisterComponentClass(TStatusPanel::StaticClass());
  RegisterComponentClass(TBitBtn::StaticClass());
  RegisterComponentClass(TSpeedButton::StaticClass());
  RegisterComponentClass(TRzMenuButton::StaticClass());
  RegisterComponentClass(TScrollBar::StaticClass());
  RegisterImageList();
}

}  // namespace varnelta
