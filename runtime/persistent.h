// The root of every class with published properties: its class description (runtime class
// name, parent class, property table and factory) is reachable from any object.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/property.h"

namespace varnelta {

class TPersistent;
class TComponent;
class TFiler;

struct TClassInfo {
  std::string Name;                  // the runtime class name ("TButton", "TForm1", ...)
  const TClassInfo* Parent = nullptr;
  std::vector<TPropInfo> Properties;  // this class's own, in declaration order
  // Creates an object of this class owned by the given component; empty for abstract classes.
  std::function<TComponent*(TComponent* owner)> Create;

  bool InheritsFrom(const TClassInfo& other) const;
  // Every property, the root class's first, each class's in declaration order.
  std::vector<const TPropInfo*> AllProperties() const;
  const TPropInfo* FindProperty(std::string_view name) const;
};

class TPersistent {
 public:
  TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;
  virtual ~TPersistent() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassInfo() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassInfo().Name; }
  bool InheritsFrom(const TClassInfo& type) const { return ClassInfo().InheritsFrom(type); }

  // Declares properties that are not in the table (binary data); see TFiler.
  virtual void DefineProperties(TFiler& filer);
};

// Declares the class description of a class (defined in its .cpp with VARNELTA_CLASS_INFO).
#define VARNELTA_CLASS()                          \
 public:                                          \
  static const ::varnelta::TClassInfo& StaticClass(); \
  const ::varnelta::TClassInfo& ClassInfo() const override { return StaticClass(); }

}  // namespace varnelta
