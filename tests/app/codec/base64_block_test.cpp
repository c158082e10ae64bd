#include "app/codec/base64_block.h"

#include <gtest/gtest.h>

#include "app/codec/link_codec.h"
#include "tests/app/codec/base64_reference.h"

namespace varnelta {
namespace {

using testing::MixedBase64;
using testing::RandomBytes;
using testing::ReferenceDecode;
using testing::ReferenceEncode;

std::string EncodeWith(TBase64Engine engine, const std::string& bytes) {
  const std::size_t whole = bytes.size() / 3 * 3;
  std::string out(whole / 3 * 4 + (whole < bytes.size() ? 4 : 0), '?');
  EncodeBase64Groups(bytes.data(), whole, out.data(), engine);
  if (whole < bytes.size()) EncodeBase64Tail(bytes.data() + whole, bytes.size() - whole, out.data() + whole / 3 * 4);
  return out;
}

// Decodes into a buffer of exactly the allowed size followed by guard bytes that must survive.
std::string DecodeWith(TBase64Engine engine, const std::string& text, TBase64Slots& slots) {
  const std::size_t groups = text.size() / 4;
  std::string buffer(groups * 3 + 32, '\x5A');
  const std::size_t n = DecodeBase64Groups(text.data(), groups, buffer.data(), slots, engine);
  EXPECT_LE(n, groups * 3);
  EXPECT_EQ(buffer.substr(groups * 3), std::string(32, '\x5A')) << "wrote past its room";
  return buffer.substr(0, n);
}

std::string DecodeWith(TBase64Engine engine, const std::string& text) {
  TBase64Slots slots;
  return DecodeWith(engine, text, slots);
}

class EveryEngine : public ::testing::TestWithParam<TBase64Engine> {};

TEST_P(EveryEngine, EncodesEveryLengthLikeTheRule) {
  std::mt19937 rng(3);
  for (std::size_t n = 0; n < 260; ++n) {
    const std::string bytes = RandomBytes(rng, n);
    ASSERT_EQ(EncodeWith(GetParam(), bytes), ReferenceEncode(bytes)) << "length " << n;
  }
  const std::string big = RandomBytes(rng, 100003);
  EXPECT_EQ(EncodeWith(GetParam(), big), ReferenceEncode(big));
}

TEST_P(EveryEngine, DecodesCleanForeignAndPaddedTextLikeTheRules) {
  std::mt19937 rng(5);
  struct Mix {
    unsigned pad, foreign;  // per thousand
  } mixes[] = {{0, 0}, {0, 2}, {2, 0}, {5, 5}, {40, 60}, {300, 300}};
  for (const Mix& mix : mixes) {
    for (int round = 0; round < 60; ++round) {
      const std::string text = MixedBase64(rng, rng() % 1200, mix.pad, mix.foreign);
      ASSERT_EQ(DecodeWith(GetParam(), text), ReferenceDecode(text))
          << "pad " << mix.pad << " foreign " << mix.foreign << " round " << round;
    }
  }
}

TEST_P(EveryEngine, OneOddCharacterAtEveryPlaceOfALongCleanRun) {
  std::mt19937 rng(9);
  const std::string clean = MixedBase64(rng, 160, 0, 0);
  for (const char odd : {'=', '\r', ' ', '-', '\x80', '\xff', '\0'}) {
    for (std::size_t at = 0; at < clean.size(); ++at) {
      std::string text = clean;
      text[at] = odd;
      ASSERT_EQ(DecodeWith(GetParam(), text), ReferenceDecode(text)) << "at " << at << " byte " << int(odd);
    }
  }
}

TEST_P(EveryEngine, SlotsCarryOverFromOneCallToTheNext) {
  std::mt19937 rng(13);
  const std::string text = MixedBase64(rng, 400, 30, 30);
  const std::string whole = ReferenceDecode(text);
  for (std::size_t cut = 0; cut <= text.size(); cut += 4) {
    TBase64Slots slots;
    std::string joined = DecodeWith(GetParam(), text.substr(0, cut), slots);
    joined += DecodeWith(GetParam(), text.substr(cut), slots);
    ASSERT_EQ(joined, whole) << "cut " << cut;
  }
  // Slots handed in are used before the first group's own values.
  TBase64Slots start;
  start.s[0] = 1;
  start.s[1] = 2;
  start.s[2] = kBase64Pad;
  start.s[3] = 4;
  int s[4] = {1, 2, 255, 4};
  EXPECT_EQ(DecodeWith(GetParam(), "\r\n\r\nYWJj", start), ReferenceDecode("\r\n\r\nYWJj", s));
}

INSTANTIATE_TEST_SUITE_P(Base64, EveryEngine, ::testing::ValuesIn(AvailableBase64Engines()),
                         [](const auto& engine) { return std::string(Base64EngineName(engine.param)); });

TEST(Base64Engines, TheTableAlwaysAndTheBestOneByDefault) {
  const auto& engines = AvailableBase64Engines();
  ASSERT_FALSE(engines.empty());
  EXPECT_EQ(engines.front(), TBase64Engine::beTable);
  EXPECT_EQ(BestBase64Engine(), engines.back());
  std::printf("Base64 engines here:");
  for (TBase64Engine e : engines) std::printf(" %s", Base64EngineName(e));
  std::printf("\n");
}

TEST(Base64Engines, LargeBuffersThroughTheCodecMatchTheRules) {
  // EncodeBase64 and DecodeBase64 build their results a slice at a time.
  std::mt19937 rng(17);
  const std::string bytes = RandomBytes(rng, (3 << 16) + 7);
  EXPECT_EQ(EncodeBase64(bytes), ReferenceEncode(bytes));
  const std::string text = MixedBase64(rng, (1 << 18) + 3, 1, 1);
  EXPECT_EQ(DecodeBase64(text), ReferenceDecode(text));
}

}  // namespace
}  // namespace varnelta
