// ASCII letter case for wide window class names (other characters are left as they are).
#pragma once

#include <string>
#include <string_view>

namespace varnelta {

inline std::wstring LowerCaseAsciiW(std::wstring_view text) {
  std::wstring lower(text);
  for (wchar_t& c : lower) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return lower;
}

inline bool ContainsW(std::wstring_view text, std::wstring_view part) {
  return text.find(part) != std::wstring_view::npos;
}

}  // namespace varnelta
