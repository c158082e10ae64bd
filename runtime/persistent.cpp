#include "runtime/persistent.h"

#include "runtime/filer.h"

namespace varnelta {

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->Parent) {
    if (c == &other) return true;
  }
  return false;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
  std::vector<const TPropInfo*> result;
  if (Parent) result = Parent->AllProperties();
  for (const TPropInfo& p : Properties) {
    // A class may redeclare an inherited property (another default); it keeps its place.
    bool replaced = false;
    for (auto& existing : result) {
      if (SameIdentifier(existing->Name, p.Name)) {
        existing = &p;
        replaced = true;
        break;
      }
    }
    if (!replaced) result.push_back(&p);
  }
  return result;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->Parent) {
    for (const TPropInfo& p : c->Properties) {
      if (SameIdentifier(p.Name, name)) return &p;
    }
  }
  return nullptr;
}

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info{"TPersistent", nullptr, {}, {}};
  return info;
}

void TPersistent::DefineProperties(TFiler&) {}

}  // namespace varnelta
