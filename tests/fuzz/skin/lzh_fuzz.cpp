// The LZHUF decoder on arbitrary bit streams, and the encoder's exact round trip on arbitrary
// data. The first two bytes choose the decoded size (up to 16 KiB), the rest is the stream.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/data/lzh.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::int64_t declared = data[0] | ((data[1] & 0x3F) << 8);
  const std::span<const std::uint8_t> stream(data + 2, size - 2);

  varnelta::TLZH codec;
  std::vector<std::uint8_t> out;
  codec.Decode(stream, out, declared);
  const auto wanted = static_cast<std::size_t>(declared);
  if (declared > 0 && (out.size() < wanted || out.size() >= wanted + varnelta::TLZH::kLookAhead)) {
    std::abort();
  }

  const std::vector<std::uint8_t> encoded = codec.Encode(stream);
  std::vector<std::uint8_t> back;
  codec.Decode(encoded, back, static_cast<std::int64_t>(stream.size()));
  if (!std::equal(back.begin(), back.end(), stream.begin(), stream.end())) std::abort();
  return 0;
}
