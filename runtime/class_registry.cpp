#include "runtime/class_registry.h"

#include <vector>

namespace varnelta {

namespace {
std::vector<const TClassInfo*>& Registry() {
  static std::vector<const TClassInfo*> classes;
  return classes;
}
}  // namespace

void RegisterComponentClass(const TClassInfo& type) {
  for (const TClassInfo* c : Registry()) {
    if (c == &type) return;
  }
  Registry().push_back(&type);
}

const TClassInfo* FindClass(std::string_view name) {
  for (const TClassInfo* c : Registry()) {
    if (SameIdentifier(c->Name, name)) return c;
  }
  return nullptr;
}

}  // namespace varnelta
