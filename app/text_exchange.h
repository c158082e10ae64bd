// Memo text and codec bytes: the codec works on code page 936 (GBK) bytes on every system, so
// a Chinese file name survives on any Windows; a decoded result that is valid UTF-8 with at
// least one multi-byte sequence (links of newer tools) is shown as UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "app/codec/link_recognition.h"

namespace varnelta {

inline constexpr unsigned kLinkCodePage = 936;

std::string WideToCodePage(std::wstring_view text, unsigned codePage);
std::wstring CodePageToWide(std::string_view bytes, unsigned codePage);
// One decoded result as display text (UTF-8 rule above, GBK otherwise).
std::wstring ResultToText(std::string_view bytes);
// A recognised address as display text, in the charset it was found to have.
std::wstring AddressToText(std::string_view bytes, TCharset charset);

}  // namespace varnelta
