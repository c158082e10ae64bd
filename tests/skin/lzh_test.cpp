#include "skin/data/lzh.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using varnelta::TLZH;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromText(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Random(std::size_t size, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
  return bytes;
}

// Bytes drawn from a very skewed distribution: some symbols get codes far longer than 16 bits.
Bytes Skewed(std::size_t size, std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::geometric_distribution<int> pick(0.45);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(std::min(pick(rng), 255) * 37);
  return bytes;
}

// Rows of a picture with runs, gradients and a repeated border, then some INI text.
Bytes SkinLike() {
  Bytes bytes;
  std::mt19937 rng(7);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) {
      const bool border = x < 4 || x >= 296;
      bytes.push_back(border ? 0xFF : static_cast<std::uint8_t>(200 + y / 8));
      bytes.push_back(border ? 0x00 : static_cast<std::uint8_t>(210 + (x / 50)));
      bytes.push_back(border ? 0xFF : static_cast<std::uint8_t>((rng() % 3) + 230));
    }
  }
  const std::string ini = "[Personality]\r\nLeft=FrameLeft.bmp\r\nLeftFrame=2\r\n"
                          "[Colours]\r\nButtonFace=230 235 245\r\n";
  for (int i = 0; i < 20; ++i) bytes.insert(bytes.end(), ini.begin(), ini.end());
  return bytes;
}

Bytes Decode(const Bytes& stream, std::int64_t size) {
  TLZH codec;
  Bytes out;
  codec.Decode(stream, out, size);
  return out;
}

Bytes RoundTrip(const Bytes& input, std::size_t* streamSize = nullptr) {
  TLZH codec;
  const Bytes stream = codec.Encode(input);
  if (streamSize != nullptr) *streamSize = stream.size();
  Bytes out;
  codec.Decode(stream, out, static_cast<std::int64_t>(input.size()));
  return out;
}

}  // namespace

TEST(Lzh, SizeZeroOrNegativeDecodesNothing) {
  EXPECT_TRUE(Decode(FromText("anything"), 0).empty());
  EXPECT_TRUE(Decode(FromText("anything"), -7).empty());
  TLZH codec;
  EXPECT_TRUE(codec.Encode({}).empty());
}

// The initial tree pairs the leaves in symbol order, so all-zero bits lead to symbol 116 ('t')
// after eight bits; a final 1 bit gives its sibling 'u'; a leading 1 bit leads to symbol 244.
TEST(Lzh, InitialTreeCodesLiterals) {
  EXPECT_EQ(Decode({0x00}, 1), FromText("t"));
  EXPECT_EQ(Decode({0x01}, 1), FromText("u"));
  EXPECT_EQ(Decode({0x80}, 1), Bytes{0xF4});
}

TEST(Lzh, MissingInputReadsAsZeroBits) {
  // An empty stream and a stream of zero bytes are the same stream.
  const Bytes fromNothing = Decode({}, 3000);
  EXPECT_EQ(fromNothing, Decode(Bytes(4000, 0), 3000));
  EXPECT_GE(fromNothing.size(), 3000u);
  EXPECT_LE(fromNothing.size(), 3000u + TLZH::kLookAhead - 1);
  EXPECT_EQ(fromNothing.front(), 't');
}

TEST(Lzh, TruncatedStreamKeepsItsDecodablePrefixAndTheDeclaredSize) {
  const Bytes input = Random(10000, 1);
  TLZH codec;
  Bytes stream = codec.Encode(input);
  stream.resize(stream.size() / 2);
  const Bytes out = Decode(stream, 10000);
  ASSERT_GE(out.size(), 10000u);
  EXPECT_LE(out.size(), 10000u + TLZH::kLookAhead - 1);
  EXPECT_TRUE(std::equal(input.begin(), input.begin() + 4000, out.begin()));
  EXPECT_NE(Bytes(out.begin(), out.begin() + 10000), input);
}

TEST(Lzh, MatchStartedBeforeTheSizeIsCompleted) {
  // 'a' as a literal, then 'a' repeated by matches of the longest length.
  const Bytes input(200, 'a');
  TLZH codec;
  const Bytes stream = codec.Encode(input);
  EXPECT_EQ(Decode(stream, 2), Bytes(1 + TLZH::kLookAhead, 'a'));
  EXPECT_EQ(Decode(stream, 200), input);
}

TEST(Lzh, RingBufferStartsWithSpaces) {
  // Leading spaces are matched against the initial ring buffer: no literal is needed.
  std::size_t streamSize = 0;
  const Bytes spaces(3000, ' ');
  EXPECT_EQ(RoundTrip(spaces, &streamSize), spaces);
  EXPECT_LT(streamSize, 100u);
}

TEST(Lzh, RoundTripsRepetitiveInputCompactly) {
  Bytes input;
  const std::string line = "Button0=CloseButton.bmp\r\n";
  while (input.size() < 1000000) input.insert(input.end(), line.begin(), line.end());
  std::size_t streamSize = 0;
  EXPECT_EQ(RoundTrip(input, &streamSize), input);
  EXPECT_LT(streamSize, input.size() / 40);
}

TEST(Lzh, RoundTripsLargeRandomSkewedAndSkinLikeInput) {
  // Random data rebuilds the tree many times; skewed data grows codes past 16 bits.
  for (const Bytes& input : {Random(1 << 20, 2), Skewed(300000, 3), SkinLike(), Random(1, 4),
                             Random(61, 5), FromText("ab")}) {
    std::size_t streamSize = 0;
    EXPECT_EQ(RoundTrip(input, &streamSize), input) << "input of " << input.size() << " bytes";
  }
  std::size_t skinStream = 0;
  const Bytes skin = SkinLike();
  RoundTrip(skin, &skinStream);
  EXPECT_LT(skinStream, skin.size() / 3);
}

TEST(Lzh, MatchesReachBackTheWholeRingBuffer) {
  // A random block repeated after exactly 4,096 bytes, and one repeated after 4,097 (out of
  // reach): both must come back exactly.
  const Bytes block = Random(4096, 6);
  for (const std::size_t gap : {std::size_t{0}, std::size_t{1}, std::size_t{2}}) {
    Bytes input = block;
    input.resize(block.size() + gap, 'x');
    input.insert(input.end(), block.begin(), block.end());
    EXPECT_EQ(RoundTrip(input), input) << "gap " << gap;
  }
}

TEST(Lzh, DecodeAppendsAfterExistingOutput) {
  TLZH codec;
  const Bytes input = FromText("hello, hello, hello");
  const Bytes stream = codec.Encode(input);
  Bytes out = FromText(">");
  codec.Decode(stream, out, static_cast<std::int64_t>(input.size()));
  EXPECT_EQ(out, FromText(">hello, hello, hello"));
}

// Decode tells how much of its output came from the stream itself: everything for whole
// streams, and for a cut stream only a prefix that matches the original.
TEST(Lzh, DecodeReportsTheBytesDecodedBeforeTheInputRanOut) {
  for (const Bytes& input : {SkinLike(), Random(5000, 3), FromText(std::string(4000, 'a'))}) {
    TLZH codec;
    const Bytes stream = codec.Encode(input);
    const auto size = static_cast<std::int64_t>(input.size());
    Bytes whole;
    EXPECT_EQ(codec.Decode(stream, whole, size), input.size());
    for (const std::size_t cut : {stream.size() / 2, stream.size() - 1, std::size_t{0}}) {
      SCOPED_TRACE(cut);
      Bytes out;
      const std::size_t intact =
          codec.Decode(std::span(stream).first(cut), out, size);
      EXPECT_GE(out.size(), input.size());
      EXPECT_LT(intact, input.size());
      EXPECT_TRUE(std::equal(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(intact),
                             input.begin()));
    }
  }
}
