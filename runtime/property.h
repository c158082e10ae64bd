// Published properties: every class declares its properties once, in declaration order, with
// name, kind, getter and setter. The same table serves the form reader and writer and any code
// that reads or writes a property of an object by name (the skinners do so for "Style", "Flat",
// "Transparent", "Kind" and others, never through the object's class).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace varnelta {

class TPersistent;
class TComponent;

enum class TTypeKind { Integer, Enumeration, Set, String, StringList, Class, Method, Component };

// An enumeration's identifiers in member order (member 0 first). Sets use the same table:
// member n is bit n.
struct TEnumType {
  std::string Name;
  std::vector<std::string> Identifiers;
  // The member whose identifier matches (letter case ignored), or -1.
  int IndexOf(std::string_view identifier) const;
  std::string NameOf(std::int64_t value) const;  // empty when out of range
};

extern const TEnumType BooleanType;  // False, True

// An event: a bound operation and the name it was given (the name is what a form stores).
struct TNotifyEvent {
  std::string Name;
  std::function<void(TComponent* sender)> Code;
  explicit operator bool() const { return static_cast<bool>(Code); }
  void operator()(TComponent* sender) const {
    if (Code) Code(sender);
  }
};

struct TPropInfo {
  std::string Name;
  TTypeKind Kind = TTypeKind::Integer;
  const TEnumType* Enum = nullptr;  // Enumeration and Set kinds
  // Integer, Enumeration and Set kinds (sets as bit masks).
  std::function<std::int64_t(const TPersistent&)> GetOrd;
  std::function<void(TPersistent&, std::int64_t)> SetOrd;
  // String kind.
  std::function<std::wstring(const TPersistent&)> GetStr;
  std::function<void(TPersistent&, const std::wstring&)> SetStr;
  // StringList kind.
  std::function<std::vector<std::wstring>(const TPersistent&)> GetList;
  std::function<void(TPersistent&, const std::vector<std::wstring>&)> SetList;
  // Class kind: the sub-object whose own properties are stored under "Name.Sub".
  std::function<TPersistent*(const TPersistent&)> GetObject;
  // Component kind: a reference to another component of the form, stored by its name.
  std::function<TComponent*(const TPersistent&)> GetComponent;
  std::function<void(TPersistent&, TComponent*)> SetComponent;
  // Method kind.
  std::function<TNotifyEvent(const TPersistent&)> GetMethod;
  std::function<void(TPersistent&, const TNotifyEvent&)> SetMethod;
  // Ordinal default: a value equal to it is not written. Strings and lists are written when not
  // empty, events when assigned. AlwaysStored writes the property whatever its value.
  std::optional<std::int64_t> Default;
  bool AlwaysStored = false;
  // When set and false for an object, the property is not written for it.
  std::function<bool(const TPersistent&)> Stored;
  // Integer kind: symbolic names for some values (colours: "clBtnFace").
  std::function<std::optional<std::int64_t>(std::string_view)> IdentToInt;
  std::function<std::string(std::int64_t)> IntToIdent;

  bool ReadOnly() const;
  bool IsOrdinal() const {
    return Kind == TTypeKind::Integer || Kind == TTypeKind::Enumeration || Kind == TTypeKind::Set;
  }
};

// Builders that bind member functions; V may be any integer, enumeration or bool type.
template <class C, class V>
TPropInfo OrdProperty(std::string name, TTypeKind kind, const TEnumType* type, V (C::*get)() const,
                      void (C::*set)(V), std::optional<std::int64_t> def = std::nullopt) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = kind;
  p.Enum = type;
  p.GetOrd = [get](const TPersistent& o) {
    return static_cast<std::int64_t>((static_cast<const C&>(o).*get)());
  };
  if (set) p.SetOrd = [set](TPersistent& o, std::int64_t v) { (static_cast<C&>(o).*set)(static_cast<V>(v)); };
  p.Default = def;
  return p;
}

template <class C, class V>
TPropInfo IntProperty(std::string name, V (C::*get)() const, void (C::*set)(V),
                      std::optional<std::int64_t> def = std::nullopt) {
  return OrdProperty(std::move(name), TTypeKind::Integer, nullptr, get, set, def);
}

template <class C, class V>
TPropInfo EnumProperty(std::string name, const TEnumType& type, V (C::*get)() const,
                       void (C::*set)(V), std::optional<std::int64_t> def = std::nullopt) {
  return OrdProperty(std::move(name), TTypeKind::Enumeration, &type, get, set, def);
}

template <class C>
TPropInfo BoolProperty(std::string name, bool (C::*get)() const, void (C::*set)(bool),
                       std::optional<bool> def = std::nullopt) {
  std::optional<std::int64_t> d;
  if (def) d = *def ? 1 : 0;
  return OrdProperty(std::move(name), TTypeKind::Enumeration, &BooleanType, get, set, d);
}

template <class C, class V>
TPropInfo SetProperty(std::string name, const TEnumType& members, V (C::*get)() const,
                      void (C::*set)(V), std::optional<std::int64_t> def = std::nullopt) {
  return OrdProperty(std::move(name), TTypeKind::Set, &members, get, set, def);
}

template <class C>
TPropInfo StrProperty(std::string name, std::wstring (C::*get)() const,
                      void (C::*set)(const std::wstring&)) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TTypeKind::String;
  p.GetStr = [get](const TPersistent& o) { return (static_cast<const C&>(o).*get)(); };
  if (set) p.SetStr = [set](TPersistent& o, const std::wstring& v) { (static_cast<C&>(o).*set)(v); };
  return p;
}

template <class C>
TPropInfo ListProperty(std::string name, std::vector<std::wstring> (C::*get)() const,
                       void (C::*set)(const std::vector<std::wstring>&)) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TTypeKind::StringList;
  p.GetList = [get](const TPersistent& o) { return (static_cast<const C&>(o).*get)(); };
  if (set) {
    p.SetList = [set](TPersistent& o, const std::vector<std::wstring>& v) { (static_cast<C&>(o).*set)(v); };
  }
  return p;
}

template <class C, class S>
TPropInfo ObjectProperty(std::string name, S* (C::*get)() const) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TTypeKind::Class;
  p.GetObject = [get](const TPersistent& o) -> TPersistent* { return (static_cast<const C&>(o).*get)(); };
  return p;
}

template <class C>
TPropInfo EventProperty(std::string name, TNotifyEvent C::*field) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TTypeKind::Method;
  p.GetMethod = [field](const TPersistent& o) { return static_cast<const C&>(o).*field; };
  p.SetMethod = [field](TPersistent& o, const TNotifyEvent& e) { static_cast<C&>(o).*field = e; };
  return p;
}

// A reference to another component; S is the referenced component's class. A component of
// another class is refused by the setter.
template <class C, class S>
TPropInfo ComponentProperty(std::string name, S* (C::*get)() const, void (C::*set)(S*)) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TTypeKind::Component;
  p.GetComponent = [get](const TPersistent& o) -> TComponent* { return (static_cast<const C&>(o).*get)(); };
  p.SetComponent = [set](TPersistent& o, TComponent* c) {
    S* typed = dynamic_cast<S*>(c);
    if (c && !typed) throw std::invalid_argument("the component is of another class");
    (static_cast<C&>(o).*set)(typed);
  };
  return p;
}

// An integer property holding a colour: written and read by colour name where it has one.
TPropInfo ColorProperty(TPropInfo integerProperty);

// Case-insensitive comparison of ASCII identifiers.
bool SameIdentifier(std::string_view a, std::string_view b);

// Property access by name. A dotted name ("Font.Height") goes through class-kind properties.
const TPropInfo* FindPropInfo(const TPersistent* object, std::string_view name);
// Resolves a dotted name to the object that holds the last part and that part's property.
std::pair<TPersistent*, const TPropInfo*> ResolveProperty(TPersistent* object, std::string_view path);

std::optional<std::int64_t> GetOrdProp(const TPersistent* object, std::string_view name);
bool SetOrdProp(TPersistent* object, std::string_view name, std::int64_t value);
// An enumeration property's identifier ("True"/"False" for Boolean); empty when missing.
std::string GetEnumProp(const TPersistent* object, std::string_view name);
bool SetEnumProp(TPersistent* object, std::string_view name, std::string_view identifier);
std::optional<std::wstring> GetStrProp(const TPersistent* object, std::string_view name);
bool SetStrProp(TPersistent* object, std::string_view name, const std::wstring& value);
TPersistent* GetObjectProp(const TPersistent* object, std::string_view name);

}  // namespace varnelta
