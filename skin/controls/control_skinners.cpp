#include "skin/controls/control_skinners.h"

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skinner_registry.h"

namespace varnelta {

namespace {
template <class T>
void Register() {
  RegisterSkinner(T::StaticClass().Name, [] { return std::make_unique<T>(); });
}
}  // namespace

void RegisterControlSkinners() {
  Register<TSkinButton>();
  Register<TSkinEdit>();
  Register<TSkinScrollbar>();
}

}  // namespace varnelta
