#include "runtime/property.h"

#include "runtime/persistent.h"

namespace varnelta {

const TEnumType BooleanType{"Boolean", {"False", "True"}};

namespace {
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool SameIdentifier(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

int TEnumType::IndexOf(std::string_view identifier) const {
  for (std::size_t i = 0; i < Identifiers.size(); ++i) {
    if (SameIdentifier(Identifiers[i], identifier)) return static_cast<int>(i);
  }
  return -1;
}

std::string TEnumType::NameOf(std::int64_t value) const {
  if (value < 0 || value >= static_cast<std::int64_t>(Identifiers.size())) return {};
  return Identifiers[static_cast<std::size_t>(value)];
}

bool TPropInfo::ReadOnly() const {
  switch (Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Enumeration:
    case TTypeKind::Set: return !SetOrd;
    case TTypeKind::String: return !SetStr;
    case TTypeKind::StringList: return !SetList;
    case TTypeKind::Class: return true;
    case TTypeKind::Method: return !SetMethod;
    case TTypeKind::Component: return !SetComponent;
  }
  return true;
}

std::pair<TPersistent*, const TPropInfo*> ResolveProperty(TPersistent* object, std::string_view path) {
  while (object) {
    auto dot = path.find('.');
    const TPropInfo* info = object->ClassInfo().FindProperty(path.substr(0, dot));
    if (!info) return {nullptr, nullptr};
    if (dot == std::string_view::npos) return {object, info};
    if (info->Kind != TTypeKind::Class) return {nullptr, nullptr};
    object = info->GetObject(*object);
    path = path.substr(dot + 1);
  }
  return {nullptr, nullptr};
}

const TPropInfo* FindPropInfo(const TPersistent* object, std::string_view name) {
  return ResolveProperty(const_cast<TPersistent*>(object), name).second;
}

std::optional<std::int64_t> GetOrdProp(const TPersistent* object, std::string_view name) {
  auto [holder, info] = ResolveProperty(const_cast<TPersistent*>(object), name);
  if (!info || !info->IsOrdinal()) return std::nullopt;
  return info->GetOrd(*holder);
}

bool SetOrdProp(TPersistent* object, std::string_view name, std::int64_t value) {
  auto [holder, info] = ResolveProperty(object, name);
  if (!info || !info->IsOrdinal() || !info->SetOrd) return false;
  info->SetOrd(*holder, value);
  return true;
}

std::string GetEnumProp(const TPersistent* object, std::string_view name) {
  auto [holder, info] = ResolveProperty(const_cast<TPersistent*>(object), name);
  if (!info || info->Kind != TTypeKind::Enumeration) return {};
  return info->Enum->NameOf(info->GetOrd(*holder));
}

bool SetEnumProp(TPersistent* object, std::string_view name, std::string_view identifier) {
  auto [holder, info] = ResolveProperty(object, name);
  if (!info || info->Kind != TTypeKind::Enumeration || !info->SetOrd) return false;
  int value = info->Enum->IndexOf(identifier);
  if (value < 0) return false;
  info->SetOrd(*holder, value);
  return true;
}

std::optional<std::wstring> GetStrProp(const TPersistent* object, std::string_view name) {
  auto [holder, info] = ResolveProperty(const_cast<TPersistent*>(object), name);
  if (!info || info->Kind != TTypeKind::String) return std::nullopt;
  return info->GetStr(*holder);
}

bool SetStrProp(TPersistent* object, std::string_view name, const std::wstring& value) {
  auto [holder, info] = ResolveProperty(object, name);
  if (!info || info->Kind != TTypeKind::String || !info->SetStr) return false;
  info->SetStr(*holder, value);
  return true;
}

TPersistent* GetObjectProp(const TPersistent* object, std::string_view name) {
  auto [holder, info] = ResolveProperty(const_cast<TPersistent*>(object), name);
  if (!info || info->Kind != TTypeKind::Class) return nullptr;
  return info->GetObject(*holder);
}

}  // namespace varnelta
