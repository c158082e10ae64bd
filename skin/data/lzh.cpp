#include "skin/data/lzh.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

namespace varnelta {
namespace {

constexpr int kRingMask = TLZH::kRingSize - 1;
constexpr int kFirstWrite = TLZH::kRingSize - TLZH::kLookAhead;  // ring bytes before it are spaces

// Upper six bits of a match distance for every value of the first position byte.
constexpr std::array<std::uint8_t, 256> MakePositionUpper() {
  std::array<std::uint8_t, 256> table{};
  // Code values 0 to 63 grouped by how many first-byte values each one takes.
  constexpr std::array<std::pair<int, int>, 6> kGroups{{{1, 32}, {3, 16}, {8, 8}, {12, 4},
                                                        {24, 2}, {16, 1}}};
  int index = 0;
  int value = 0;
  for (const auto& [values, repeat] : kGroups) {
    for (int v = 0; v < values; ++v, ++value) {
      for (int r = 0; r < repeat; ++r) table[static_cast<std::size_t>(index++)] =
          static_cast<std::uint8_t>(value);
    }
  }
  return table;
}

// The total length in bits of the position code that begins with each first-byte value.
constexpr std::array<std::uint8_t, 256> MakePositionBits() {
  std::array<std::uint8_t, 256> table{};
  constexpr std::array<std::pair<int, int>, 6> kRuns{{{3, 32}, {4, 48}, {5, 64}, {6, 48},
                                                      {7, 48}, {8, 16}}};
  int index = 0;
  for (const auto& [bits, count] : kRuns) {
    for (int i = 0; i < count; ++i) table[static_cast<std::size_t>(index++)] =
        static_cast<std::uint8_t>(bits);
  }
  return table;
}

constexpr std::array<std::uint8_t, 256> kPositionUpper = MakePositionUpper();
constexpr std::array<std::uint8_t, 256> kPositionBits = MakePositionBits();

// For the encoder: the first byte value that carries each upper distance value. Its top
// kPositionBits bits are the code of that value.
constexpr std::array<std::uint8_t, 64> MakePositionFirstByte() {
  std::array<std::uint8_t, 64> table{};
  for (int b = 255; b >= 0; --b) table[kPositionUpper[static_cast<std::size_t>(b)]] =
      static_cast<std::uint8_t>(b);
  return table;
}

constexpr std::array<std::uint8_t, 64> kPositionFirstByte = MakePositionFirstByte();

// The two tables describe one prefix code: the code of an upper value is the top kPositionBits
// bits of every first byte that carries the value (the low six distance bits follow it).
constexpr bool PositionTablesAgree() {
  for (int b = 0; b < 256; ++b) {
    const int upper = kPositionUpper[static_cast<std::size_t>(b)];
    const int codeBits = kPositionBits[static_cast<std::size_t>(b)];
    const int first = kPositionFirstByte[static_cast<std::size_t>(upper)];
    if (codeBits < 3 || codeBits > 8 || (b >> (8 - codeBits)) != (first >> (8 - codeBits))) {
      return false;
    }
    if (kPositionBits[static_cast<std::size_t>(first)] != codeBits) return false;
  }
  return kPositionUpper[255] == 63;
}
static_assert(PositionTablesAgree());

// Bits most significant first; past the end of the input every bit is 0.
class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> input)
      : next_(input.data()), end_(input.data() + input.size()) {}

  int Bit() {
    if (count_ == 0) Fill();
    const int bit = static_cast<int>(buffer_ >> 63);
    buffer_ <<= 1;
    --count_;
    return bit;
  }

  int Byte() {
    if (count_ < 8) Fill();
    const int byte = static_cast<int>(buffer_ >> 56);
    buffer_ <<= 8;
    count_ -= 8;
    return byte;
  }

  // True once a bit past the end of the input has been handed out.
  bool Overrun() const { return padded_ != 0 && count_ < padded_ * 8; }

 private:
  // Tops the buffer up to at least 57 bits, a byte at a time.
  void Fill() {
    while (count_ <= 56) {
      std::uint64_t byte = 0;
      if (next_ != end_) {
        byte = *next_++;
      } else {
        ++padded_;
      }
      buffer_ |= byte << (56 - count_);
      count_ += 8;
    }
  }

  const std::uint8_t* next_;
  const std::uint8_t* end_;
  std::uint64_t buffer_ = 0;  // the next bit is the top bit
  int count_ = 0;
  int padded_ = 0;  // zero bytes put into the buffer after the input ended
};

class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  // Appends the low `count` bits of `value` (count at most 32), highest first.
  void Put(int count, std::uint32_t value) {
    buffer_ = (buffer_ << count) | (value & ((std::uint64_t{1} << count) - 1));
    count_ += count;
    while (count_ >= 8) {
      count_ -= 8;
      out_.push_back(static_cast<std::uint8_t>(buffer_ >> count_));
    }
  }

  // Pads the last byte with zero bits.
  void Finish() {
    if (count_ > 0) Put(8 - count_, 0);
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint64_t buffer_ = 0;
  int count_ = 0;
};

}  // namespace

// The adaptive Huffman tree: nodes 0 to kRoot, sorted by ascending frequency. `son` of an
// internal node is the first of its two children (the second follows it); a `son` of kTreeSize
// or more marks a leaf and names its symbol (son - kTreeSize). `parent` has an entry for every
// node and, from kTreeSize on, for every symbol's leaf.
struct TLZH::Tables {
  std::array<std::uint16_t, kTreeSize + 1> frequency;  // the last entry is a sentinel
  std::array<std::uint16_t, kTreeSize + kSymbolCount> parent;
  std::array<std::uint16_t, kTreeSize> son;
  std::array<std::uint8_t, kRingSize + kLookAhead - 1> ring;
};

TLZH::TLZH() {
  try {
    tables_ = std::make_unique<Tables>();
  } catch (const std::bad_alloc&) {
    throw ElzhException(kLzhNoMemoryMessage);
  }
}

TLZH::~TLZH() = default;

void TLZH::StartHuffman() {
  Tables& t = *tables_;
  for (int i = 0; i < kSymbolCount; ++i) {
    t.frequency[static_cast<std::size_t>(i)] = 1;
    t.son[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(i + kTreeSize);
    t.parent[static_cast<std::size_t>(i + kTreeSize)] = static_cast<std::uint16_t>(i);
  }
  for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
    const auto ui = static_cast<std::size_t>(i);
    const auto uj = static_cast<std::size_t>(j);
    t.frequency[uj] = static_cast<std::uint16_t>(t.frequency[ui] + t.frequency[ui + 1]);
    t.son[uj] = static_cast<std::uint16_t>(i);
    t.parent[ui] = t.parent[ui + 1] = static_cast<std::uint16_t>(j);
  }
  t.frequency[kTreeSize] = 0xFFFF;
  t.parent[kRoot] = 0;
}

void TLZH::Reconstruct() {
  Tables& t = *tables_;
  // Gather the leaves at the front, halving their frequencies (rounding up).
  std::size_t leaves = 0;
  for (std::size_t i = 0; i < kTreeSize; ++i) {
    if (t.son[i] >= kTreeSize) {
      t.frequency[leaves] = static_cast<std::uint16_t>((t.frequency[i] + 1) / 2);
      t.son[leaves] = t.son[i];
      ++leaves;
    }
  }
  // Join pairs in order; each new node goes where the frequencies stay sorted, after any
  // equal ones.
  for (std::size_t i = 0, j = kSymbolCount; j < kTreeSize; i += 2, ++j) {
    const auto f = static_cast<std::uint16_t>(t.frequency[i] + t.frequency[i + 1]);
    std::size_t k = j;
    while (k > 0 && f < t.frequency[k - 1]) --k;
    std::memmove(&t.frequency[k + 1], &t.frequency[k], (j - k) * sizeof(t.frequency[0]));
    t.frequency[k] = f;
    std::memmove(&t.son[k + 1], &t.son[k], (j - k) * sizeof(t.son[0]));
    t.son[k] = static_cast<std::uint16_t>(i);
  }
  for (std::size_t i = 0; i < kTreeSize; ++i) {
    const std::size_t k = t.son[i];
    t.parent[k] = static_cast<std::uint16_t>(i);
    if (k < kTreeSize) t.parent[k + 1] = static_cast<std::uint16_t>(i);
  }
}

void TLZH::Update(int symbol) {
  Tables& t = *tables_;
  if (t.frequency[kRoot] == kMaxFrequency) Reconstruct();
  std::size_t node = t.parent[static_cast<std::size_t>(symbol + kTreeSize)];
  do {
    const std::uint16_t k = ++t.frequency[node];
    if (k > t.frequency[node + 1]) {
      // Swap with the last node whose frequency is still below the new one; the sentinel
      // behind the root stops the search.
      std::size_t l = node + 1;
      while (k > t.frequency[l + 1]) ++l;
      t.frequency[node] = t.frequency[l];
      t.frequency[l] = k;

      const std::size_t i = t.son[node];
      t.parent[i] = static_cast<std::uint16_t>(l);
      if (i < kTreeSize) t.parent[i + 1] = static_cast<std::uint16_t>(l);
      const std::size_t j = t.son[l];
      t.son[l] = static_cast<std::uint16_t>(i);
      t.parent[j] = static_cast<std::uint16_t>(node);
      if (j < kTreeSize) t.parent[j + 1] = static_cast<std::uint16_t>(node);
      t.son[node] = static_cast<std::uint16_t>(j);
      node = l;
    }
    node = t.parent[node];
  } while (node != 0);
}

std::size_t TLZH::Decode(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output,
                         std::int64_t size) {
  if (size <= 0) return 0;
  StartHuffman();
  Tables& t = *tables_;
  std::fill(t.ring.begin(), t.ring.begin() + kFirstWrite, std::uint8_t{' '});
  std::fill(t.ring.begin() + kFirstWrite, t.ring.end(), std::uint8_t{0});

  const std::size_t start = output.size();
  const auto target = static_cast<std::size_t>(size);
  // Room for the last match running past the size; trimmed to what was written at the end.
  output.resize(start + target + kLookAhead);
  std::uint8_t* const base = output.data() + start;
  std::uint8_t* const ring = t.ring.data();
  const std::uint16_t* const son = t.son.data();
  BitReader bits(input);
  std::size_t count = 0;
  int write = kFirstWrite;
  // The output count before the first symbol that took bits from past the end of the input.
  std::size_t intact = SIZE_MAX;

  while (count < target) {
    std::size_t node = son[kRoot];
    while (node < kTreeSize) node = son[node + static_cast<std::size_t>(bits.Bit())];
    const int symbol = static_cast<int>(node) - kTreeSize;
    Update(symbol);

    if (symbol < 256) {
      if (bits.Overrun() && intact == SIZE_MAX) intact = count;
      const auto byte = static_cast<std::uint8_t>(symbol);
      base[count++] = byte;
      ring[write] = byte;
      write = (write + 1) & kRingMask;
      continue;
    }
    int code = bits.Byte();
    const int upper = kPositionUpper[static_cast<std::size_t>(code)] << 6;
    for (int extra = kPositionBits[static_cast<std::size_t>(code)] - 2; extra > 0; --extra) {
      code = (code << 1) + bits.Bit();
    }
    if (bits.Overrun() && intact == SIZE_MAX) intact = count;
    const int distance = upper | (code & 0x3F);
    int source = (write - distance - 1) & kRingMask;
    const int length = symbol - 255 + kThreshold;
    for (int k = 0; k < length; ++k) {
      const std::uint8_t byte = ring[source];
      source = (source + 1) & kRingMask;
      base[count++] = byte;
      ring[write] = byte;
      write = (write + 1) & kRingMask;
    }
  }
  output.resize(start + count);
  return std::min(intact, count);
}

std::vector<std::uint8_t> TLZH::Encode(std::span<const std::uint8_t> input) {
  std::vector<std::uint8_t> out;
  if (input.empty()) return out;
  out.reserve(input.size() / 2 + 16);
  StartHuffman();
  const Tables& t = *tables_;
  BitWriter writer(out);

  // The decoder's history, linearised: the spaces the ring buffer starts with, then the input.
  // Matches are searched through hash chains of 3-byte sequences.
  std::vector<std::uint8_t> text(static_cast<std::size_t>(kFirstWrite), ' ');
  text.insert(text.end(), input.begin(), input.end());
  const std::size_t total = text.size();
  // A hash table about as large as the text, between 2^12 and 2^15 heads.
  const int hashBits = std::clamp(static_cast<int>(std::bit_width(total)), 12, 15);
  constexpr int kMaxChain = 96;
  std::vector<std::int32_t> head(std::size_t{1} << hashBits, -1);
  std::vector<std::int32_t> previous(total, -1);
  const auto hash = [&text, hashBits](std::size_t p) {
    const std::uint32_t v = (std::uint32_t{text[p]} << 16) | (std::uint32_t{text[p + 1]} << 8) |
                            text[p + 2];
    return static_cast<std::size_t>((v * 2654435761u) >> (32 - hashBits));
  };
  std::size_t inserted = 0;  // positions below this are in the chains
  const auto insertUpTo = [&](std::size_t end) {
    for (; inserted < end && inserted + 2 < total; ++inserted) {
      const std::size_t h = hash(inserted);
      previous[inserted] = head[h];
      head[h] = static_cast<std::int32_t>(inserted);
    }
  };
  struct Match {
    std::size_t length = 0;
    std::size_t distance = 0;
  };
  const auto longest = [&](std::size_t p) {
    Match best;
    const std::size_t limit = std::min<std::size_t>(kLookAhead, total - p);
    if (limit <= kThreshold) return best;
    const std::size_t oldest = p > kRingSize ? p - kRingSize : 0;
    int steps = kMaxChain;
    for (std::int32_t q = head[hash(p)]; q >= 0 && static_cast<std::size_t>(q) >= oldest &&
                                         steps-- > 0;
         q = previous[static_cast<std::size_t>(q)]) {
      const auto source = static_cast<std::size_t>(q);
      if (text[source + best.length] != text[p + best.length]) continue;
      std::size_t n = 0;
      while (n < limit && text[source + n] == text[p + n]) ++n;
      if (n > best.length) {
        best = {n, p - source - 1};
        if (n == limit) break;
      }
    }
    if (best.length <= kThreshold) best.length = 0;
    return best;
  };

  std::array<std::uint8_t, kTreeSize> path{};
  const auto putSymbol = [&](int symbol) {
    std::size_t depth = 0;
    for (std::size_t node = t.parent[static_cast<std::size_t>(symbol + kTreeSize)];
         node != kRoot; node = t.parent[node]) {
      path[depth++] = static_cast<std::uint8_t>(node & 1);
    }
    while (depth > 0) writer.Put(1, path[--depth]);
    Update(symbol);
  };

  std::size_t p = static_cast<std::size_t>(kFirstWrite);
  insertUpTo(p);
  Match current = longest(p);
  while (p < total) {
    insertUpTo(p + 1);
    // One step of lazy matching: a literal now pays off if the next position matches longer.
    Match next;
    if (current.length > 0 && current.length < kLookAhead && p + 1 < total) {
      next = longest(p + 1);
    }
    if (current.length == 0 || next.length > current.length) {
      putSymbol(text[p]);
      ++p;
      current = next.length > 0 ? next : (p < total ? longest(p) : Match{});
      continue;
    }
    putSymbol(static_cast<int>(current.length) + 255 - kThreshold);
    const auto upper = static_cast<std::size_t>(current.distance >> 6);
    const std::uint8_t first = kPositionFirstByte[upper];
    const int codeBits = kPositionBits[first];
    writer.Put(codeBits, static_cast<std::uint32_t>(first) >> (8 - codeBits));
    writer.Put(6, static_cast<std::uint32_t>(current.distance & 0x3F));
    p += current.length;
    insertUpTo(p);
    current = p < total ? longest(p) : Match{};
  }
  writer.Finish();
  return out;
}

}  // namespace varnelta
