// Decoded addresses from one charset to the other (GBK, as code page 936, and UTF-8), with the
// system's own converter: iconv where there is one, the code page functions on Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/codec/link_recognition.h"

namespace varnelta::cli {

// No result when the bytes are not valid in `from` or have no form in `to`.
std::optional<std::string> ConvertCharset(std::string_view bytes, TCharset from, TCharset to);

}  // namespace varnelta::cli
