#include "app/codec/base64_block.h"

#include <array>
#include <cstring>

#include "app/codec/base64_simd.h"

namespace varnelta {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::uint8_t kOther = 254;  // outside the alphabet: the slot keeps its value

// Two Base64 characters for every 12-bit value, so three input bytes take two look-ups.
struct PairTable {
  std::array<std::uint16_t, 4096> pairs{};
  constexpr PairTable() {
    for (unsigned v = 0; v < 4096; ++v) {
      const auto hi = static_cast<std::uint8_t>(kAlphabet[v >> 6]);
      const auto lo = static_cast<std::uint8_t>(kAlphabet[v & 63]);
      // Stored in memory order: first character in the lower-addressed byte.
      pairs[v] = static_cast<std::uint16_t>(hi | (lo << 8));
    }
  }
};
constexpr PairTable kPairs;

struct SextetTable {
  std::array<std::uint8_t, 256> value{};
  constexpr SextetTable() {
    for (auto& v : value) v = kOther;
    for (unsigned i = 0; i < 64; ++i) value[static_cast<std::uint8_t>(kAlphabet[i])] = static_cast<std::uint8_t>(i);
    value['='] = kBase64Pad;
  }
};
constexpr SextetTable kSextets;

// Each character's sextet pre-shifted to its place in a 24-bit group, with bit 31 set for
// anything that is not an alphabet character (padding included).
struct PlacedTable {
  std::array<std::array<std::uint32_t, 256>, 4> placed{};
  constexpr PlacedTable() {
    for (unsigned place = 0; place < 4; ++place) {
      for (unsigned c = 0; c < 256; ++c) {
        const std::uint8_t s = kSextets.value[c];
        placed[place][c] = s < 64 ? static_cast<std::uint32_t>(s) << (18 - 6 * place) : 0x80000000u;
      }
    }
  }
};
constexpr PlacedTable kPlaced;

inline void EncodeTable(const std::uint8_t* in, std::size_t n, char* o) {
  for (std::size_t i = 0; i + 3 <= n; i += 3, o += 4) {
    const std::uint32_t v = (std::uint32_t{in[i]} << 16) | (std::uint32_t{in[i + 1]} << 8) | in[i + 2];
    const std::uint16_t a = kPairs.pairs[v >> 12];
    const std::uint16_t b = kPairs.pairs[v & 0xFFF];
    std::memcpy(o, &a, 2);
    std::memcpy(o + 2, &b, 2);
  }
}

// One group by the slot rules; returns the bytes written (1 to 3).
inline std::size_t DecodeCareful(const std::uint8_t* c, std::uint8_t* o, TBase64Slots& slots) {
  std::uint8_t* s = slots.s;
  for (int k = 0; k < 4; ++k) {
    const std::uint8_t v = kSextets.value[c[k]];
    if (v != kOther) s[k] = v;
  }
  o[0] = static_cast<std::uint8_t>((s[0] << 2) | (s[1] >> 4));
  if (s[2] == kBase64Pad) return 1;
  o[1] = static_cast<std::uint8_t>((s[1] << 4) | (s[2] >> 2));
  if (s[3] == kBase64Pad) return 2;
  o[2] = static_cast<std::uint8_t>((s[2] << 6) | s[3]);
  return 3;
}

// Up to `limit` groups from `g`: clean ones through the placed table, others by the slot
// rules. `total` is the number of groups the output has room for (three bytes each).
inline void DecodeTableSteps(const std::uint8_t* in, std::size_t& g, std::size_t limit, std::size_t total,
                             std::uint8_t* out, std::size_t& written, TBase64Slots& slots) {
  bool clean = false;  // whether the slots still need the last clean group's values
  for (; g < limit; ++g) {
    const std::uint8_t* c = in + g * 4;
    const std::uint32_t v = kPlaced.placed[0][c[0]] | kPlaced.placed[1][c[1]] | kPlaced.placed[2][c[2]] |
                            kPlaced.placed[3][c[3]];
    if (!(v & 0x80000000u)) {
      if (written + 4 <= total * 3) {
        // One 4-byte store; the next group's bytes overwrite the fourth.
        const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                                       static_cast<std::uint8_t>(v), 0};
        std::memcpy(out + written, bytes, 4);
      } else {
        out[written] = static_cast<std::uint8_t>(v >> 16);
        out[written + 1] = static_cast<std::uint8_t>(v >> 8);
        out[written + 2] = static_cast<std::uint8_t>(v);
      }
      written += 3;
      clean = true;
      continue;
    }
    if (clean) {
      for (int k = 0; k < 4; ++k) slots.s[k] = kSextets.value[c[k - 4]];
      clean = false;
    }
    written += DecodeCareful(c, out + written, slots);
  }
  if (clean) {
    const std::uint8_t* c = in + (g - 1) * 4;
    for (int k = 0; k < 4; ++k) slots.s[k] = kSextets.value[c[k]];
  }
}

}  // namespace

const std::vector<TBase64Engine>& AvailableBase64Engines() {
  static const std::vector<TBase64Engine> engines = [] {
    std::vector<TBase64Engine> list{TBase64Engine::beTable};
    if (base64_simd::HasSsse3()) list.push_back(TBase64Engine::beSsse3);
    if (base64_simd::HasAvx2()) list.push_back(TBase64Engine::beAvx2);
    return list;
  }();
  return engines;
}

TBase64Engine BestBase64Engine() {
  static const TBase64Engine best = AvailableBase64Engines().back();
  return best;
}

const char* Base64EngineName(TBase64Engine engine) {
  switch (engine) {
    case TBase64Engine::beSsse3: return "ssse3";
    case TBase64Engine::beAvx2: return "avx2";
    case TBase64Engine::beTable: break;
  }
  return "table";
}

void EncodeBase64Groups(const char* in, std::size_t n, char* out, TBase64Engine engine) {
  std::size_t done = 0;
  if (engine == TBase64Engine::beAvx2) done = base64_simd::EncodeAvx2(in, n, out);
  if (engine == TBase64Engine::beSsse3 || (engine == TBase64Engine::beAvx2 && done < n)) {
    done += base64_simd::EncodeSsse3(in + done, n - done, out + done / 3 * 4);
  }
  EncodeTable(reinterpret_cast<const std::uint8_t*>(in) + done, n - done, out + done / 3 * 4);
}

void EncodeBase64Tail(const char* in, std::size_t n, char* out) {
  const auto b0 = static_cast<std::uint8_t>(in[0]);
  out[0] = kAlphabet[b0 >> 2];
  if (n == 1) {
    out[1] = kAlphabet[(b0 & 3) << 4];
    out[2] = '=';
  } else {
    const auto b1 = static_cast<std::uint8_t>(in[1]);
    out[1] = kAlphabet[((b0 & 3) << 4) | (b1 >> 4)];
    out[2] = kAlphabet[(b1 & 15) << 2];
  }
  out[3] = '=';
}

std::size_t DecodeBase64Groups(const char* text, std::size_t groups, char* output, TBase64Slots& slots,
                               TBase64Engine engine) {
  const auto* in = reinterpret_cast<const std::uint8_t*>(text);
  auto* out = reinterpret_cast<std::uint8_t*>(output);
  std::size_t written = 0;
  std::size_t g = 0;
  // Vector kernels take runs of clean blocks; each block they refuse (or the tail) goes
  // through the table steps, after which the kernel tries again.
  const std::size_t block = engine == TBase64Engine::beAvx2 ? 8 : engine == TBase64Engine::beSsse3 ? 4 : groups;
  while (g < groups) {
    std::size_t run = 0;
    if (engine == TBase64Engine::beAvx2) {
      run = base64_simd::DecodeAvx2(text + g * 4, groups - g, output + written);
    } else if (engine == TBase64Engine::beSsse3) {
      run = base64_simd::DecodeSsse3(text + g * 4, groups - g, output + written);
    }
    if (run > 0) {
      g += run;
      written += run * 3;
      const std::uint8_t* c = in + (g - 1) * 4;
      for (int k = 0; k < 4; ++k) slots.s[k] = kSextets.value[c[k]];
      if (g == groups) break;
    }
    const std::size_t limit = groups - g < block ? groups : g + block;
    DecodeTableSteps(in, g, limit, groups, out, written, slots);
  }
  return written;
}

}  // namespace varnelta
