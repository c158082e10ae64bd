#include "skin/controls/other_skinners.h"

#include "skin/controls/skin_check_box.h"
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
  Register<TSkinCheckBox>();
  Register<TSkinHeader>();
  Register<TSkinProgress>();
  Register<TSkinRadioButton>();
  Register<TSkinTrackBar>();
  Register<TSkinUpDown>();
}

}  // namespace varnelta
