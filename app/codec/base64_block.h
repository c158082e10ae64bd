// The Base64 block codec under EncodeBase64 and DecodeBase64 and the streaming converters:
// whole groups at a time, with the lenient decoding rules exactly (four sextet slots carried
// from group to group). Runs of clean groups take a fast path: vector instructions chosen at
// run time where the processor has them, wide table look-ups otherwise; the first byte outside
// the alphabet or "=" hands the group over to the slot rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varnelta {

// The fast paths, slowest first. Every engine gives byte-identical results.
enum class TBase64Engine { beTable, beSsse3, beAvx2 };

// Engines this processor runs, beTable first; the best of them is used unless one is named.
const std::vector<TBase64Engine>& AvailableBase64Engines();
TBase64Engine BestBase64Engine();
const char* Base64EngineName(TBase64Engine engine);

// Decoding state between groups: the four sextet slots (kBase64Pad for "="), zero at start.
struct TBase64Slots {
  std::uint8_t s[4] = {0, 0, 0, 0};
};
inline constexpr std::uint8_t kBase64Pad = 255;

// Writes the four characters of each whole group of three bytes: `n` must be a multiple of 3;
// `out` receives n / 3 * 4 characters.
void EncodeBase64Groups(const char* in, std::size_t n, char* out, TBase64Engine engine = BestBase64Engine());

// The last one or two bytes of an input, padded with "=": four characters.
void EncodeBase64Tail(const char* in, std::size_t n, char* out);

// Decodes `groups` whole groups of four characters by the lenient rules, starting from and
// updating `slots`. Writes at most groups * 3 bytes (`out` must have room for that many) and
// returns how many it wrote.
std::size_t DecodeBase64Groups(const char* in, std::size_t groups, char* out, TBase64Slots& slots,
                               TBase64Engine engine = BestBase64Engine());

}  // namespace varnelta
