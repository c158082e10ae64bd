#include "link_codec.h"

#include <algorithm>
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

// Whether any of the n bytes has its high bit set (a loop the compiler vectorises).
inline bool HasHighByte(const char* p, std::size_t n) {
  unsigned char any = 0;
  for (std::size_t k = 0; k < n; ++k) any |= static_cast<unsigned char>(p[k]);
  return (any & 0x80) != 0;
}


// Three bytes to four characters: two look-ups of 12 bits each.
inline char* EncodeBlocks(const std::uint8_t* in, std::size_t n, char* o) {
  for (std::size_t i = 0; i + 3 <= n; i += 3, o += 4) {
    const std::uint32_t v = (std::uint32_t{in[i]} << 16) | (std::uint32_t{in[i + 1]} << 8) | in[i + 2];
    const std::uint16_t a = kPairs.pairs[v >> 12];
    const std::uint16_t b = kPairs.pairs[v & 0xFFF];
    std::memcpy(o, &a, 2);
    std::memcpy(o + 2, &b, 2);
  }
  return o;
}

// `prefix` + Base64 of the concatenated `pieces` + `suffix`, in a single allocation: the
// markers around an address never need a joined copy of their own.
std::string EncodeJoined(std::string_view prefix, std::initializer_list<std::string_view> pieces,
                         std::string_view suffix) {
  std::size_t n = 0;
  for (auto p : pieces) n += p.size();
  std::string out(prefix.size() + (n + 2) / 3 * 4 + suffix.size(), '\0');
  char* o = std::copy(prefix.begin(), prefix.end(), out.data());
  std::uint8_t carry[3];
  std::size_t c = 0;  // bytes waiting in `carry` for a whole group
  for (auto piece : pieces) {
    const auto* in = reinterpret_cast<const std::uint8_t*>(piece.data());
    std::size_t i = 0;
    while (c > 0 && c < 3 && i < piece.size()) carry[c++] = in[i++];
    if (c == 3) {
      o = EncodeBlocks(carry, 3, o);
      c = 0;
    }
    const std::size_t bulk = (piece.size() - i) / 3 * 3;
    o = EncodeBlocks(in + i, bulk, o);
    for (i += bulk; i < piece.size(); ++i) carry[c++] = in[i];
  }
  if (c == 1) {
    o[0] = kAlphabet[carry[0] >> 2];
    o[1] = kAlphabet[(carry[0] & 3) << 4];
    o[2] = '=';
    o[3] = '=';
    o += 4;
  } else if (c == 2) {
    o[0] = kAlphabet[carry[0] >> 2];
    o[1] = kAlphabet[((carry[0] & 3) << 4) | (carry[1] >> 4)];
    o[2] = kAlphabet[(carry[1] & 15) << 2];
    o[3] = '=';
    o += 4;
  }
  std::copy(suffix.begin(), suffix.end(), o);
  return out;
}


// The text without every occurrence of `pattern`. Occurrences only at the very start (the
// usual prefix) need no copy: the result is then a view into `text`; otherwise the kept bytes
// are gathered in `storage` and the result views that.
std::string_view RemoveAllView(std::string_view text, std::string_view pattern, std::string& storage) {
  if (pattern.empty() || text.size() < pattern.size()) return text;
  const std::size_t last = text.size() - pattern.size();
  const char first = pattern.front();
  std::size_t kept = 0;  // start of the bytes not yet copied
  std::size_t i = 0;
  bool copying = false;
  const char* base = text.data();
  while (i <= last) {
    // Jump to the next byte that could start a match. Only where a byte with the high bit
    // stands before it must the way there go character by character, since a lead byte makes
    // the next byte its trailing half, where no match may start.
    const void* hit = std::memchr(base + i, first, last + 1 - i);
    const std::size_t candidate = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - base) : last + 1;
    if (HasHighByte(base + i, candidate - i)) {
      while (i < candidate) i += IsLeadByte(Byte(text, i)) ? 2 : 1;
      if (i > candidate) continue;
    } else {
      i = candidate;
    }
    if (i > last) break;
    if (text.compare(i, pattern.size(), pattern) == 0) {
      if (i != kept || copying) {
        if (!copying) storage.reserve(text.size() - kept);
        storage.append(text.substr(kept, i - kept));
        copying = true;
      }
      i += pattern.size();
      kept = i;
      continue;
    }
    i += IsLeadByte(Byte(text, i)) ? 2 : 1;
  }
  if (!copying) return text.substr(kept);
  storage.append(text.substr(kept));
  return storage;
}

// `d` without its first `dropFront` and last `dropBack` bytes, in place; empty when nothing
// is left.
std::string Cut(std::string d, std::size_t dropFront, std::size_t dropBack) {
  if (d.size() <= dropFront + dropBack) return {};
  d.erase(d.size() - dropBack);
  d.erase(0, dropFront);
  return d;
}

}  // namespace

std::string EncodeBase64(std::string_view bytes) { return EncodeJoined({}, {bytes}, {}); }

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
  std::string storage;
  return std::string(RemoveAllView(text, pattern, storage));
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
      return EncodeJoined(kThunderPrefix, {kThunderHead, address, kThunderTail}, {});
    case lkFlashGet:
      return EncodeJoined(kFlashGetPrefix, {kFlashGetMarker, address, kFlashGetMarker}, kFlashGetEnd);
    case lkXuanfeng:
      return EncodeJoined(kXuanfengPrefix, {address}, {});
    case lkRayfile: {
      // Only a leading "http://" is dropped (decoding puts it back); one inside the address,
      // as in a redirect parameter, is part of the address and stays.
      const std::string_view rest = address.starts_with(kHttp) ? address.substr(kHttp.size()) : address;
      return EncodeJoined(kRayfilePrefix, {rest, kRayfileTail}, {});
    }
    default:
      return std::nullopt;
  }
}

std::optional<std::string> MakeOrdinaryLink(int kind, std::string_view link) {
  std::string storage;
  switch (kind) {
    case lkThunder:
      return Cut(DecodeBase64(RemoveAllView(link, kThunderPrefix, storage)), kThunderHead.size(),
                 kThunderTail.size());
    case lkFlashGet: {
      const std::string_view rest = link.size() > kFlashGetCut ? link.substr(kFlashGetCut) : std::string_view{};
      return Cut(DecodeBase64(RemoveAllView(rest, kFlashGetPattern, storage)), kFlashGetMarker.size(),
                 kFlashGetMarker.size());
    }
    case lkXuanfeng:
      return DecodeBase64(RemoveAllView(link, kXuanfengPrefix, storage));
    case lkRayfile: {
      std::string address = Cut(DecodeBase64(RemoveAllView(link, kRayfilePrefix, storage)), 0, kRayfileTail.size());
      address.insert(0, kHttp);
      return address;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace varnelta
