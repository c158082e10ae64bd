#include "link_codec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "app/codec/base64_block.h"

namespace varnelta {
namespace {

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

// Bytes of input encoded (or of output decoded) per slice of a large result.
constexpr std::size_t kSlice = 3 << 14;

// A FlashGet link's prefix is cut by position, whatever it says.
constexpr std::size_t kFlashGetCut = 11;

inline std::uint8_t Byte(std::string_view s, std::size_t i) { return static_cast<std::uint8_t>(s[i]); }

// Lead bytes of GBK double-byte characters.
inline bool IsLeadByte(std::uint8_t b) { return b >= 0x81 && b <= 0xFE; }

// Whether any of the n bytes has its high bit set (a loop the compiler vectorises).
inline bool HasHighByte(const char* p, std::size_t n) {
  unsigned char any = 0;
  for (std::size_t k = 0; k < n; ++k) any |= static_cast<unsigned char>(p[k]);
  return (any & 0x80) != 0;
}

// `prefix` + Base64 of the concatenated `pieces` + `suffix`, in a single allocation: the
// markers around an address never need a joined copy of their own.
std::string EncodeJoined(std::string_view prefix, std::initializer_list<std::string_view> pieces,
                         std::string_view suffix) {
  std::size_t n = 0;
  for (auto p : pieces) n += p.size();
  std::string out(prefix.size() + (n + 2) / 3 * 4 + suffix.size(), '\0');
  char* o = std::copy(prefix.begin(), prefix.end(), out.data());
  char carry[3];
  std::size_t c = 0;  // bytes waiting in `carry` for a whole group
  for (auto piece : pieces) {
    std::size_t i = 0;
    while (c > 0 && c < 3 && i < piece.size()) carry[c++] = piece[i++];
    if (c == 3) {
      EncodeBase64Groups(carry, 3, o);
      o += 4;
      c = 0;
    }
    const std::size_t bulk = (piece.size() - i) / 3 * 3;
    EncodeBase64Groups(piece.data() + i, bulk, o);
    o += bulk / 3 * 4;
    for (i += bulk; i < piece.size(); ++i) carry[c++] = piece[i];
  }
  if (c > 0) {
    EncodeBase64Tail(carry, c, o);
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

// Both build their result a slice at a time, so only a slice that is about to be written is
// ever zero-filled, and it is still in the cache when the codec overwrites it.
std::string EncodeBase64(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  while (bytes.size() - i >= 3) {
    const std::size_t take = std::min(kSlice, (bytes.size() - i) / 3 * 3);
    const std::size_t at = out.size();
    out.resize(at + take / 3 * 4);
    EncodeBase64Groups(bytes.data() + i, take, out.data() + at);
    i += take;
  }
  if (i < bytes.size()) {
    const std::size_t at = out.size();
    out.resize(at + 4);
    EncodeBase64Tail(bytes.data() + i, bytes.size() - i, out.data() + at);
  }
  return out;
}

std::string DecodeBase64(std::string_view text) {
  const std::size_t groups = text.size() / 4;
  std::string out;
  out.reserve(groups * 3);
  // The four slots live for the whole call; zero before the first group.
  TBase64Slots slots;
  for (std::size_t g = 0; g < groups;) {
    const std::size_t take = std::min(kSlice / 3, groups - g);
    const std::size_t at = out.size();
    out.resize(at + take * 3);
    out.resize(at + DecodeBase64Groups(text.data() + g * 4, take, out.data() + at, slots));
    g += take;
  }
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

std::optional<TLinkLayout> LinkLayout(int kind) {
  switch (kind) {
    case lkThunder:
      return TLinkLayout{kThunderPrefix, kThunderHead, kThunderTail, {}, {}, 0, kThunderPrefix,
                         kThunderHead.size(), kThunderTail.size(), {}};
    case lkFlashGet:
      return TLinkLayout{kFlashGetPrefix, kFlashGetMarker, kFlashGetMarker, kFlashGetEnd, {}, kFlashGetCut,
                         kFlashGetPattern, kFlashGetMarker.size(), kFlashGetMarker.size(), {}};
    case lkXuanfeng:
      return TLinkLayout{kXuanfengPrefix, {}, {}, {}, {}, 0, kXuanfengPrefix, 0, 0, {}};
    case lkRayfile:
      return TLinkLayout{kRayfilePrefix, {}, kRayfileTail, {}, kHttp, 0, kRayfilePrefix, 0, kRayfileTail.size(), kHttp};
    default:
      return std::nullopt;
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
