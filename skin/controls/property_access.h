// Reading and writing a control's published properties by name, never through its class, so a
// control of any class with properties of the same names works with the skinners unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnelta {

class TPersistent;

// The value of an integer property, or -1 when the object, the property or its kind is missing.
std::int64_t GetOrdProperty(const TPersistent* object, std::string_view name);
// The identifier of an enumeration property's value ("True"/"False" for Boolean), lower-cased;
// empty when missing.
std::string GetEnumPropertyText(const TPersistent* object, std::string_view name);
// A string property's text; empty when missing.
std::wstring GetTextProperty(const TPersistent* object, std::string_view name);
// The object a class-kind property holds, or none.
TPersistent* GetObjectProperty(const TPersistent* object, std::string_view name);
// Integer from decimal text, enumeration by identifier, strings as given; other kinds (and text
// that is no number for an integer) are left alone. False when nothing was written.
bool SetPropertyFromText(TPersistent* object, std::string_view name, const std::wstring& text);

}  // namespace varnelta
