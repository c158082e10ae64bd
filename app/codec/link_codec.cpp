#include "link_codec.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace varnelta {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::string_view kThunderPrefix = "thunder://";
constexpr std::string_view kThunderHead = "AA";
constexpr std::string_view kThunderTail = "ZZ";
constexpr std::string_view kFlashGetPrefix = "flashget://";
constexpr std::string_view kFlashGetPattern = "Flashget://";
constexpr std::string_view kFlashGetMarker = "[FLASHGET]";
constexpr std::string_view kFlashGetEnd = "&";
constexpr std::string_view kXuanfengPrefix = "qqdl://";
constexpr std::string_view kRayfilePrefix = "Rayfile://";
constexpr std::string_view kHttp = "http://";
constexpr std::string_view kRayfileTail = "|1249442";

// A FlashGet link's prefix is cut by position, whatever it says.
constexpr std::size_t kFlashGetCut = 11;

constexpr std::uint8_t kPad = 255;    // "=": the padding marker stored in a slot
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
    value['='] = kPad;
  }
};
constexpr SextetTable kSextets;

// For the fast path: each character's sextet pre-shifted to its place in a 24-bit group, with
// bit 31 set for anything that is not an alphabet character (padding included).
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

inline std::uint8_t Byte(std::string_view s, std::size_t i) { return static_cast<std::uint8_t>(s[i]); }

// Lead bytes of GBK double-byte characters.
inline bool IsLeadByte(std::uint8_t b) { return b >= 0x81 && b <= 0xFE; }

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (auto p : parts) size += p.size();
  std::string out;
  out.reserve(size);
  for (auto p : parts) out.append(p);
  return out;
}

// `d` without its first `dropFront` and last `dropBack` bytes; empty when nothing is left.
std::string Cut(const std::string& d, std::size_t dropFront, std::size_t dropBack) {
  if (d.size() <= dropFront + dropBack) return {};
  return d.substr(dropFront, d.size() - dropFront - dropBack);
}

}  // namespace

std::string EncodeBase64(std::string_view bytes) {
  const std::size_t n = bytes.size();
  std::string out((n + 2) / 3 * 4, '\0');
  const auto* in = reinterpret_cast<const std::uint8_t*>(bytes.data());
  char* o = out.data();
  std::size_t i = 0;
  for (; i + 3 <= n; i += 3, o += 4) {
    const std::uint32_t v = (std::uint32_t{in[i]} << 16) | (std::uint32_t{in[i + 1]} << 8) | in[i + 2];
    const std::uint16_t a = kPairs.pairs[v >> 12];
    const std::uint16_t b = kPairs.pairs[v & 0xFFF];
    std::memcpy(o, &a, 2);
    std::memcpy(o + 2, &b, 2);
  }
  if (n - i == 1) {
    const std::uint8_t b0 = in[i];
    o[0] = kAlphabet[b0 >> 2];
    o[1] = kAlphabet[(b0 & 3) << 4];
    o[2] = '=';
    o[3] = '=';
  } else if (n - i == 2) {
    const std::uint8_t b0 = in[i], b1 = in[i + 1];
    o[0] = kAlphabet[b0 >> 2];
    o[1] = kAlphabet[((b0 & 3) << 4) | (b1 >> 4)];
    o[2] = kAlphabet[(b1 & 15) << 2];
    o[3] = '=';
  }
  return out;
}

std::string DecodeBase64(std::string_view text) {
  const std::size_t groups = text.size() / 4;
  std::string out(groups * 3, '\0');
  const auto* in = reinterpret_cast<const std::uint8_t*>(text.data());
  auto* o = reinterpret_cast<std::uint8_t*>(out.data());
  std::size_t written = 0;
  // The four slots live for the whole call; zero before the first group.
  std::uint8_t s[4] = {0, 0, 0, 0};
  std::size_t g = 0;
  while (g < groups) {
    // Fast path: runs of groups made only of alphabet characters need no slot bookkeeping.
    // The last group is left to the careful path so the 4-byte store stays inside the buffer.
    std::size_t start = g;
    while (g + 1 < groups) {
      const std::uint8_t* c = in + g * 4;
      const std::uint32_t v = kPlaced.placed[0][c[0]] | kPlaced.placed[1][c[1]] |
                              kPlaced.placed[2][c[2]] | kPlaced.placed[3][c[3]];
      if (v & 0x80000000u) break;
      // Big-endian order of the 24 bits; one 4-byte store, the fourth byte is overwritten next.
      const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                                     static_cast<std::uint8_t>(v), 0};
      std::memcpy(o + written, bytes, 4);
      written += 3;
      ++g;
    }
    if (g > start) {
      const std::uint8_t* c = in + (g - 1) * 4;
      for (int k = 0; k < 4; ++k) s[k] = kSextets.value[c[k]];
    }
    if (g == groups) break;
    // Careful path: one group by the lenient rules.
    const std::uint8_t* c = in + g * 4;
    for (int k = 0; k < 4; ++k) {
      const std::uint8_t v = kSextets.value[c[k]];
      if (v != kOther) s[k] = v;
    }
    o[written++] = static_cast<std::uint8_t>((s[0] << 2) | (s[1] >> 4));
    if (s[2] != kPad) {
      o[written++] = static_cast<std::uint8_t>((s[1] << 4) | (s[2] >> 2));
      if (s[3] != kPad) o[written++] = static_cast<std::uint8_t>((s[2] << 6) | s[3]);
    }
    ++g;
  }
  out.resize(written);
  return out;
}

std::string RemoveAll(std::string_view text, std::string_view pattern) {
  if (pattern.empty() || text.size() < pattern.size()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  const std::size_t last = text.size() - pattern.size();
  const char first = pattern.front();
  std::size_t kept = 0;  // start of the bytes not yet copied
  std::size_t i = 0;
  while (i <= last) {
    if (text[i] == first && text.compare(i, pattern.size(), pattern) == 0) {
      out.append(text.substr(kept, i - kept));
      i += pattern.size();
      kept = i;
      continue;
    }
    // Step over a whole character so that a match never starts on a trailing byte.
    i += IsLeadByte(Byte(text, i)) ? 2 : 1;
  }
  out.append(text.substr(kept));
  return out;
}

std::string_view LinkPrefix(int kind) {
  switch (kind) {
    case lkThunder: return kThunderPrefix;
    case lkFlashGet: return kFlashGetPrefix;
    case lkXuanfeng: return kXuanfengPrefix;
    case lkRayfile: return kRayfilePrefix;
    default: return {};
  }
}

std::optional<std::string> MakeSpecialLink(int kind, std::string_view address) {
  switch (kind) {
    case lkThunder:
      return Concat({kThunderPrefix, EncodeBase64(Concat({kThunderHead, address, kThunderTail}))});
    case lkFlashGet:
      return Concat({kFlashGetPrefix, EncodeBase64(Concat({kFlashGetMarker, address, kFlashGetMarker})),
                     kFlashGetEnd});
    case lkXuanfeng:
      return Concat({kXuanfengPrefix, EncodeBase64(address)});
    case lkRayfile: {
      // Only a leading "http://" is dropped (decoding puts it back); one inside the address,
      // as in a redirect parameter, is part of the address and stays.
      std::string_view rest = address.starts_with(kHttp) ? address.substr(kHttp.size()) : address;
      return Concat({kRayfilePrefix, EncodeBase64(Concat({rest, kRayfileTail}))});
    }
    default:
      return std::nullopt;
  }
}

std::optional<std::string> MakeOrdinaryLink(int kind, std::string_view link) {
  switch (kind) {
    case lkThunder:
      return Cut(DecodeBase64(RemoveAll(link, kThunderPrefix)), kThunderHead.size(), kThunderTail.size());
    case lkFlashGet: {
      std::string_view rest = link.size() > kFlashGetCut ? link.substr(kFlashGetCut) : std::string_view{};
      return Cut(DecodeBase64(RemoveAll(rest, kFlashGetPattern)), kFlashGetMarker.size(), kFlashGetMarker.size());
    }
    case lkXuanfeng:
      return DecodeBase64(RemoveAll(link, kXuanfengPrefix));
    case lkRayfile:
      return Concat({kHttp, Cut(DecodeBase64(RemoveAll(link, kRayfilePrefix)), 0, kRayfileTail.size())});
    default:
      return std::nullopt;
  }
}

}  // namespace varnelta
