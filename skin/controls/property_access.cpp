#include "skin/controls/property_access.h"

#include <cctype>
#include <charconv>

#include "runtime/persistent.h"
#include "runtime/property.h"

namespace varnelta {

std::int64_t GetOrdProperty(const TPersistent* object, std::string_view name) {
  const TPropInfo* info = object ? FindPropInfo(object, name) : nullptr;
  if (!info || info->Kind != TTypeKind::Integer) return -1;
  return GetOrdProp(object, name).value_or(-1);
}

std::string GetEnumPropertyText(const TPersistent* object, std::string_view name) {
  const TPropInfo* info = object ? FindPropInfo(object, name) : nullptr;
  if (!info || info->Kind != TTypeKind::Enumeration) return {};
  std::string text = GetEnumProp(object, name);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::wstring GetTextProperty(const TPersistent* object, std::string_view name) {
  const TPropInfo* info = object ? FindPropInfo(object, name) : nullptr;
  if (!info || info->Kind != TTypeKind::String) return {};
  return GetStrProp(object, name).value_or(std::wstring());
}

TPersistent* GetObjectProperty(const TPersistent* object, std::string_view name) {
  const TPropInfo* info = object ? FindPropInfo(object, name) : nullptr;
  if (!info || info->Kind != TTypeKind::Class) return nullptr;
  return GetObjectProp(object, name);
}

bool SetPropertyFromText(TPersistent* object, std::string_view name, const std::wstring& text) {
  const TPropInfo* info = object ? FindPropInfo(object, name) : nullptr;
  if (!info) return false;
  switch (info->Kind) {
    case TTypeKind::Integer: {
      std::string narrow;
      for (wchar_t c : text) {
        if (c > 0x7F) return false;
        narrow.push_back(static_cast<char>(c));
      }
      std::int64_t value = 0;
      const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
      if (error != std::errc() || end != narrow.data() + narrow.size() || narrow.empty()) return false;
      return SetOrdProp(object, name, value);
    }
    case TTypeKind::Enumeration: {
      std::string narrow;
      for (wchar_t c : text) {
        if (c > 0x7F) return false;
        narrow.push_back(static_cast<char>(c));
      }
      return SetEnumProp(object, name, narrow);
    }
    case TTypeKind::String: return SetStrProp(object, name, text);
    default: return false;
  }
}

}  // namespace varnelta
