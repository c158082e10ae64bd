// Classes the form reader can create by their runtime class name.
#pragma once

#include <string_view>

#include "runtime/persistent.h"

namespace varnelta {

// Registering a class twice is harmless; a class needs a factory to be created by name.
void RegisterComponentClass(const TClassInfo& type);
const TClassInfo* FindClass(std::string_view name);

}  // namespace varnelta
