// The control skinner classes by name. The control dispatch decides a skinner class name; the
// registry makes the object. A name nobody registered leaves the control with its own look.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "skin/controls/skin_control.h"

namespace varnelta {

using TSkinnerFactory = std::function<std::unique_ptr<TSkinControl>()>;

void RegisterSkinner(const std::string& name, TSkinnerFactory factory);
void UnregisterSkinner(const std::string& name);
// A new skinner of that class, or none when the class is not registered.
std::unique_ptr<TSkinControl> CreateSkinner(std::string_view name);

}  // namespace varnelta
