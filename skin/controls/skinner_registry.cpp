#include "skin/controls/skinner_registry.h"

#include <map>

namespace varnelta {

namespace {
std::map<std::string, TSkinnerFactory, std::less<>>& Registry() {
  static std::map<std::string, TSkinnerFactory, std::less<>> registry;
  return registry;
}
}  // namespace

void RegisterSkinner(const std::string& name, TSkinnerFactory factory) { Registry()[name] = std::move(factory); }

void UnregisterSkinner(const std::string& name) { Registry().erase(name); }

std::unique_ptr<TSkinControl> CreateSkinner(std::string_view name) {
  auto found = Registry().find(name);
  if (found == Registry().end() || !found->second) return nullptr;
  return found->second();
}

}  // namespace varnelta
