// Names of the colours a form description may use instead of numbers ("clBtnFace").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnelta {

std::optional<std::int64_t> IdentToColor(std::string_view name);
std::string ColorToIdent(std::int64_t color);  // empty when the colour has no name

}  // namespace varnelta
