// The block-at-a-time converters against the whole-buffer codec: every input, cut anywhere.
#include <gtest/gtest.h>

#include <random>

#include "app/codec/link_codec.h"
#include "app/codec/pattern_remover.h"
#include "app/codec/raw_link_decoder.h"
#include "app/codec/raw_link_encoder.h"
#include "tests/app/codec/base64_reference.h"

namespace varnelta {
namespace {

using namespace std::string_literals;
using testing::MixedBase64;
using testing::RandomBytes;

// What decoding the whole input gives when the kind is read from its prefix.
std::string WholeFromPrefix(const std::string& input, bool& recognised) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  for (int kind = lkThunder; kind <= lkRayfile; ++kind) {
    const std::string prefix(LinkPrefix(kind));
    if (input.size() < prefix.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < prefix.size(); ++i) same = same && lower(input[i]) == lower(prefix[i]);
    if (!same) continue;
    recognised = true;
    return *MakeOrdinaryLink(kind, prefix + input.substr(prefix.size()));
  }
  recognised = false;
  return input;
}

std::string Whole(int kind, const std::string& input, bool& recognised) {
  if (kind == kKindFromPrefix) return WholeFromPrefix(input, recognised);
  recognised = true;
  return *MakeOrdinaryLink(kind, input);
}

// Feeds the pieces between the cuts.
template <class Converter>
std::string Stream(Converter& converter, const std::string& input, const std::vector<std::size_t>& cuts) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t cut : cuts) {
    converter.Feed(std::string_view(input).substr(from, cut - from), out);
    from = cut;
  }
  converter.Feed(std::string_view(input).substr(from), out);
  converter.Finish(out);
  return out;
}

std::vector<std::size_t> RandomCuts(std::mt19937& rng, std::size_t size) {
  std::vector<std::size_t> cuts;
  for (std::size_t at = 0; at < size;) {
    at += 1 + rng() % 9;
    if (at < size) cuts.push_back(at);
  }
  return cuts;
}

// Inputs shaped like what reaches the raw mode: links, several lines of them, GBK text beside
// the prefixes (a lead byte just before a prefix hides it), prefixes in other letter cases.
std::vector<std::string> Inputs() {
  std::mt19937 rng(21);
  std::vector<std::string> inputs = {
      "", "t", "thunder://", "thunder://QUFhYmNaWg==", "Thunder://QUFhYmNaWg==\r\nthunder://QUF4Wlo=",
      "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=&", "FLASHGET://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=&Flashget://x",
      "qqdl://YWJj", "qqdl://YWJj\r\nqqdl://YWJj", "QQDL://YWJj", "Rayfile://YWJjfDEyNDk0NDI=", "rayfile://YWJj",
      "\x81qqdl://YWJj\xd6\xd0qqdl://YWJj\xd6qqdl://", "qqdl:/", "qqd", "http://x", "thuthunder://nder://QUFh",
  };
  for (int kind = lkThunder; kind <= lkRayfile; ++kind) {
    for (int round = 0; round < 6; ++round) {
      std::string text = *MakeSpecialLink(kind, RandomBytes(rng, rng() % 40));
      text += "\r\n" + *MakeSpecialLink(kind, "http://example.com/\xd1\xb8\xc0\xd7.zip") + "\xd6";
      text += MixedBase64(rng, rng() % 30, 50, 100);
      inputs.push_back(text);
    }
  }
  for (int round = 0; round < 10; ++round) inputs.push_back(MixedBase64(rng, 60 + rng() % 200, 20, 150));
  return inputs;
}

TEST(RawLinkDecoder, EqualsTheWholeBufferCodecWhereverTheInputIsCut) {
  std::mt19937 rng(23);
  for (int kind : {kKindFromPrefix, int{lkThunder}, int{lkFlashGet}, int{lkXuanfeng}, int{lkRayfile}}) {
    for (const std::string& input : Inputs()) {
      bool recognised = false;
      const std::string expected = Whole(kind, input, recognised);
      for (std::size_t cut = 0; cut <= input.size(); ++cut) {
        TRawLinkDecoder decoder(kind);
        ASSERT_EQ(Stream(decoder, input, {cut}), expected) << "kind " << kind << " cut " << cut << " in " << input;
        ASSERT_EQ(decoder.Recognised(), recognised);
      }
      TRawLinkDecoder decoder(kind);
      ASSERT_EQ(Stream(decoder, input, RandomCuts(rng, input.size())), expected) << kind << " " << input;
    }
  }
}

TEST(RawLinkDecoder, LargeInputInBlocksEqualsTheWholeBuffer) {
  std::mt19937 rng(29);
  const std::string input = "thunder://" + MixedBase64(rng, 300000, 1, 1) + "thunder://" + MixedBase64(rng, 1000, 0, 0);
  TRawLinkDecoder decoder(lkThunder);
  std::vector<std::size_t> cuts;
  for (std::size_t at = 65536; at < input.size(); at += 65536 + rng() % 7) cuts.push_back(at);
  EXPECT_EQ(Stream(decoder, input, cuts), *MakeOrdinaryLink(lkThunder, input));
}

TEST(RawLinkDecoder, AKindOutsideTheFourPassesTheInputThrough) {
  TRawLinkDecoder decoder(7);
  EXPECT_EQ(Stream(decoder, "qqdl://YWJj", {3}), "qqdl://YWJj");
  EXPECT_FALSE(decoder.Recognised());
}

TEST(RawLinkEncoder, EqualsTheWholeBufferCodecWhereverTheInputIsCut) {
  std::mt19937 rng(31);
  std::vector<std::string> inputs = {"", "a", "ab", "abc", "http:/", "http://", "http://a", "http://http://x",
                                     "ftp://h", "a\0b\r\n"s};
  for (int round = 0; round < 10; ++round) inputs.push_back(RandomBytes(rng, rng() % 70));
  for (int kind = lkThunder; kind <= lkRayfile; ++kind) {
    for (const std::string& input : inputs) {
      const std::string expected = *MakeSpecialLink(kind, input);
      for (std::size_t cut = 0; cut <= input.size(); ++cut) {
        TRawLinkEncoder encoder(kind);
        ASSERT_EQ(Stream(encoder, input, {cut}), expected) << "kind " << kind << " cut " << cut;
      }
      TRawLinkEncoder encoder(kind);
      ASSERT_EQ(Stream(encoder, input, RandomCuts(rng, input.size())), expected);
    }
  }
  const std::string big = RandomBytes(rng, 200001);
  TRawLinkEncoder encoder(lkXuanfeng);
  EXPECT_EQ(Stream(encoder, big, {65536, 65537, 131072}), *MakeSpecialLink(lkXuanfeng, big));
  TRawLinkEncoder none(-1);
  EXPECT_EQ(Stream(none, "abc", {}), "");
}

TEST(PatternRemover, EqualsRemoveAllWhereverTheTextIsCut) {
  std::mt19937 rng(37);
  const std::string pieces[] = {"qqdl://", "qqdl:/", "qq", ":", "\x81", "\xd6\xd0", "a", "q", "/"};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int n = static_cast<int>(rng() % 14);
    for (int k = 0; k < n; ++k) text += pieces[rng() % std::size(pieces)];
    const std::string expected = RemoveAll(text, "qqdl://");
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
      for (std::size_t cut2 = cut; cut2 <= text.size(); cut2 += 3) {
        TPatternRemover remover("qqdl://");
        std::string out;
        const auto sink = [&out](std::string_view kept) { out += kept; };
        remover.Feed(std::string_view(text).substr(0, cut), sink);
        remover.Feed(std::string_view(text).substr(cut, cut2 - cut), sink);
        remover.Feed(std::string_view(text).substr(cut2), sink);
        remover.Finish(sink);
        ASSERT_EQ(out, expected) << "cuts " << cut << "," << cut2 << " in " << text;
      }
    }
  }
}

TEST(PatternRemover, CharacterStartsOfGbkText) {
  // 中 is D6 D0: its second byte starts nothing; a byte below 0x81 always ends a character.
  EXPECT_TRUE(IsGbkCharStart("\xd6\xd0q", 0, 2));
  EXPECT_FALSE(IsGbkCharStart("\xd6\xd0q", 0, 1));
  EXPECT_FALSE(IsGbkCharStart("\xd6q", 0, 1));
  EXPECT_TRUE(IsGbkCharStart("a\xd6\xd0\xd6\xd0q", 0, 5));
  // Counted from the start given: read from its second byte, D0 D6 is one character.
  EXPECT_TRUE(IsGbkCharStart("\xd6\xd0\xd6q", 1, 3));
  EXPECT_FALSE(IsGbkCharStart("\xd6\xd0\xd6q", 1, 2));
}

}  // namespace
}  // namespace varnelta
