#include "skin/controls/other_skinners.h"

#include "skin/controls/skin_adv_page.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_date_time.h"
#include "skin/controls/skin_mp.h"
#include "skin/controls/skin_obj_image.h"
#include "skin/controls/skin_sizer.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_tab31.h"
#include "skin/controls/skin_tab_btn.h"
#include "skin/controls/skin_tab_sheet.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_radio_button.h"
#include "skin/controls/skin_track_bar.h"
#include "skin/controls/skin_up_down.h"
#include "skin/controls/skinner_registry.h"

namespace varnelta {

namespace {
template <class T>
void Register() {
  RegisterSkinner(T::StaticClass().Name, [] { return std::make_unique<T>(); });
}
}  // namespace

void RegisterOtherSkinners() {
  Register<TSkinAdvPage>();
  Register<TSkinCheckBox>();
  Register<TSkinDateTime>();
  Register<TSkinMP>();
  Register<TSkinObjImage>();
  Register<TSkinSizer>();
  Register<TSkinTab>();
  Register<TSkinTab31>();
  Register<TSkinTabBtn>();
  Register<TSkinTabSheet>();
  Register<TSkinHeader>();
  Register<TSkinProgress>();
  Register<TSkinRadioButton>();
  Register<TSkinTrackBar>();
  Register<TSkinUpDown>();
}

}  // namespace varnelta
