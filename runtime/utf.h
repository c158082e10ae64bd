// UTF-8 and wide strings (UTF-16 where wchar_t has 16 bits, UTF-32 elsewhere).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnelta {

// No result for malformed UTF-8 (overlong forms, surrogates, code points above U+10FFFF).
std::optional<std::wstring> Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// Appends one code point as wide characters.
void AppendCodePoint(std::wstring& out, char32_t cp);
// Whether the bytes are valid UTF-8 holding at least one multi-byte sequence.
bool IsMultiByteUtf8(std::string_view bytes);

}  // namespace varnelta
