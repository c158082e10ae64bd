#include "skin/controls/control_skinners.h"

#include "skin/controls/combox_scroll_bar.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_box_h.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_scrollbar_h.h"
#include "skin/controls/skinner_registry.h"
#include "skin/controls/other_skinners.h"

namespace varnelta {

namespace {
template <class T>
void Register() {
  RegisterSkinner(T::StaticClass().Name, [] { return std::make_unique<T>(); });
}
}  // namespace

void RegisterControlSkinners() {
  Register<TSkinBox>();
  Register<TSkinBoxH>();
  Register<TSkinButton>();
  Register<TSkinComBox>();
  Register<TComboxScrollBar>();
  Register<TSkinGroupBox>();
  Register<TSkinEdit>();
  Register<TSkinScrollbar>();
  Register<TSkinScrollbarH>();
  Register<TSkinStatusBar>();
  RegisterOtherSkinners();
}

}  // namespace varnelta
