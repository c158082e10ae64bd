// TLZH: the LZHUF codec of skin archives. LZSS over a 4,096-byte ring buffer with an adaptive
// Huffman code for literals and match lengths and a fixed-table code for match positions.
//
// The bit stream is the classic one: bits most significant first, literal/length symbols coded
// by walking a 627-node tree that adapts after every symbol, positions as a 3- to 8-bit code for
// the upper six bits of the distance followed by its lower six bits. The ring buffer starts out
// filled with spaces, so a stream may begin with matches against them.
//
// The 4-byte decompressed size in front of a compressed stream belongs to the caller: Decode is
// given it, Encode returns the bit stream only (CompressStream in skin_writer.h puts both
// together).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace varnelta {

// The codec's own error: raised when its tables cannot be allocated.
class ElzhException : public std::runtime_error {
 public:
  explicit ElzhException(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";

class TLZH {
 public:
  // Ring buffer size, look-ahead (longest match), and the longest match that is still a
  // literal (matches are 3 to 60 bytes long).
  static constexpr int kRingSize = 4096;
  static constexpr int kLookAhead = 60;
  static constexpr int kThreshold = 2;
  // 256 literals and 58 match lengths; the tree's node count, its root, and the root frequency
  // at which every frequency is halved.
  static constexpr int kSymbolCount = 256 + kLookAhead - kThreshold;
  static constexpr int kTreeSize = kSymbolCount * 2 - 1;
  static constexpr int kRoot = kTreeSize - 1;
  static constexpr unsigned kMaxFrequency = 0x8000;

  TLZH();
  ~TLZH();
  TLZH(const TLZH&) = delete;
  TLZH& operator=(const TLZH&) = delete;

  // Decodes `input` (the bit stream after the size field) and appends the bytes to `output`
  // until at least `size` bytes have been produced; a match that begins before that point is
  // completed, so up to 59 bytes more may follow. Input past its end reads as zero bits, so a
  // truncated stream still yields `size` bytes. A size of 0 or below decodes nothing.
  // Returns how many of the produced bytes were decoded before the input ran out: all of them
  // for a whole stream, fewer for a truncated one (the rest come from the zero bits).
  std::size_t Decode(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output,
              std::int64_t size);

  // Encodes `input` as an LZHUF bit stream that Decode turns back into exactly `input`
  // (given input.size() as the size).
  std::vector<std::uint8_t> Encode(std::span<const std::uint8_t> input);

 private:
  struct Tables;

  void StartHuffman();
  void Reconstruct();
  void Update(int symbol);

  std::unique_ptr<Tables> tables_;  // the tree and the ring buffer, allocated once per codec
};

}  // namespace varnelta
