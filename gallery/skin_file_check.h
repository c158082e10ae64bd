// Whether a skin file can be shown as it is: the gallery previews a designer's file only when
// every entry is whole and every picture its description names is there, so that a damaged
// file gives the plain look (and says why) instead of a half-drawn one.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace varnelta::gallery {

// Empty for a sound skin stream; otherwise why it cannot be used, in a few words.
std::string SkinStreamProblem(std::span<const std::uint8_t> stream);

}  // namespace varnelta::gallery
