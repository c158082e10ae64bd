#include "app/codec/link_codec.h"

#include "tests/app/codec/base64_reference.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace varnelta;
using namespace std::string_literals;
using varnelta::testing::ReferenceDecode;

namespace {

// Character by character from the left, as the rule is worded.
std::string ReferenceRemoveAll(const std::string& text, const std::string& pattern) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, pattern.size(), pattern) == 0) {
      i += pattern.size();
      continue;
    }
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t step = (b >= 0x81 && b <= 0xFE && i + 1 < text.size()) ? 2 : 1;
    out.append(text, i, step);
    i += step;
  }
  return out;
}

std::string RandomBytes(std::mt19937& rng, std::size_t n) {
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(rng() & 0xFF);
  return s;
}

}  // namespace

TEST(EncodeBase64, PaddingAndKnownVectors) {
  EXPECT_EQ(EncodeBase64(""), "");
  EXPECT_EQ(EncodeBase64("f"), "Zg==");
  EXPECT_EQ(EncodeBase64("fo"), "Zm8=");
  EXPECT_EQ(EncodeBase64("foo"), "Zm9v");
  EXPECT_EQ(EncodeBase64("foob"), "Zm9vYg==");
  EXPECT_EQ(EncodeBase64("fooba"), "Zm9vYmE=");
  EXPECT_EQ(EncodeBase64("foobar"), "Zm9vYmFy");
  EXPECT_EQ(EncodeBase64("\xff\xfe\xfd\x00"s), "//79AA==");
  EXPECT_EQ(EncodeBase64("\xfb\xff"), "+/8=");
}

TEST(EncodeBase64, EveryByteStringRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(DecodeBase64(EncodeBase64(all)), all);
  std::mt19937 rng(7);
  for (std::size_t n = 0; n < 200; ++n) {
    const std::string x = RandomBytes(rng, n);
    const std::string e = EncodeBase64(x);
    ASSERT_EQ(e.size(), (n + 2) / 3 * 4);
    ASSERT_EQ(DecodeBase64(e), x) << "length " << n;
  }
}

TEST(DecodeBase64, ShortTextsAndTrailingCharactersAreIgnored) {
  EXPECT_EQ(DecodeBase64(""), "");
  EXPECT_EQ(DecodeBase64("Y"), "");
  EXPECT_EQ(DecodeBase64("YWJ"), "");
  EXPECT_EQ(DecodeBase64("YWJjY"), "abc");
  EXPECT_EQ(DecodeBase64("YWJjYWJ"), "abc");
  EXPECT_EQ(DecodeBase64("AAAA"), "\0\0\0"s);
}

TEST(DecodeBase64, PaddingEndsOnlyItsOwnGroup) {
  EXPECT_EQ(DecodeBase64("YQ=x"), "a");      // third "=" gives one byte whatever follows
  EXPECT_EQ(DecodeBase64("YWI="), "ab");     // fourth "=" alone gives two
  EXPECT_EQ(DecodeBase64("YQ==YWJj"), "aabc");
  // The marker in the first two places takes part in the arithmetic as 255.
  EXPECT_EQ(DecodeBase64("==AA"), "\xff\xf0\x00"s);
}

TEST(DecodeBase64, ForeignBytesKeepTheSlotOfThePreviousGroup) {
  EXPECT_EQ(DecodeBase64("YWJj\r\nYWJj"), "abcaf\x16");
  // Slots start at zero before the first group.
  EXPECT_EQ(DecodeBase64("\r\n=="), "\0"s);
  EXPECT_EQ(DecodeBase64("YWJj\x81\xfeJj"), "abcab\x63");
}

TEST(DecodeBase64, MatchesTheRulesOnMixedText) {
  // Long runs of clean groups (the fast path) interleaved with foreign bytes and padding.
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::mt19937 rng(11);
  for (int round = 0; round < 400; ++round) {
    std::string text;
    const std::size_t n = rng() % 300;
    for (std::size_t i = 0; i < n; ++i) {
      const unsigned r = rng() % 100;
      if (r < 90) text.push_back(alphabet[rng() % 64]);
      else if (r < 94) text.push_back('=');
      else text.push_back(static_cast<char>(rng() & 0xFF));
    }
    ASSERT_EQ(DecodeBase64(text), ReferenceDecode(text)) << "round " << round;
    ASSERT_LE(DecodeBase64(text).size(), text.size() / 4 * 3);
  }
}

TEST(RemoveAll, LeftToRightWithoutSearchingJoinedText) {
  EXPECT_EQ(RemoveAll("thunder://abc", "thunder://"), "abc");
  EXPECT_EQ(RemoveAll("a::b::c", "::"), "abc");
  EXPECT_EQ(RemoveAll("thuthunder://nder://x", "thunder://"), "thunder://x");
  EXPECT_EQ(RemoveAll("::::", "::"), "");
  EXPECT_EQ(RemoveAll(":::", "::"), ":");
  EXPECT_EQ(RemoveAll("Thunder://x", "thunder://"), "Thunder://x");
  EXPECT_EQ(RemoveAll("ab", "abc"), "ab");
}

TEST(RemoveAll, NeverStartsOnTheSecondByteOfADoubleByteCharacter) {
  // 0x81 is a GBK lead byte: the "q" after it is the character's second byte.
  EXPECT_EQ(RemoveAll("\x81qqdl://", "qqdl://"), "\x81qqdl://");
  EXPECT_EQ(RemoveAll("\x81\x81qqdl://", "qqdl://"), "\x81\x81");
  // 中 is D6 D0 in GBK; a pattern starting with D0 must not match inside it.
  EXPECT_EQ(RemoveAll("\xd6\xd0\xd0x", "\xd0x"), "\xd6\xd0");
  EXPECT_EQ(RemoveAll("abc\x81", "\x81"), "abc");
}

TEST(RemoveAll, MatchesTheRuleOnMixedText) {
  const std::string pieces[] = {"q", "qdl://", "qqdl://", "\x81", "\xd6\xd0", "a", "\xff", "\x80"};
  std::mt19937 rng(5);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (unsigned n = rng() % 12; n > 0; --n) text += pieces[rng() % std::size(pieces)];
    ASSERT_EQ(RemoveAll(text, "qqdl://"), ReferenceRemoveAll(text, "qqdl://")) << round;
    ASSERT_EQ(RemoveAll(text, "\xd0q"), ReferenceRemoveAll(text, "\xd0q")) << round;
  }
}

TEST(LinkCodec, WorkedExample) {
  EXPECT_EQ(MakeSpecialLink(lkThunder, "abc"), "thunder://QUFhYmNaWg==");
  EXPECT_EQ(MakeSpecialLink(lkFlashGet, "abc"), "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=&");
  EXPECT_EQ(MakeSpecialLink(lkXuanfeng, "abc"), "qqdl://YWJj");
  EXPECT_EQ(MakeSpecialLink(lkRayfile, "abc"), "Rayfile://YWJjfDEyNDk0NDI=");
  EXPECT_EQ(MakeOrdinaryLink(lkThunder, "thunder://QUFhYmNaWg=="), "abc");
  EXPECT_EQ(MakeOrdinaryLink(lkFlashGet, "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=&"), "abc");
  EXPECT_EQ(MakeOrdinaryLink(lkXuanfeng, "qqdl://YWJj"), "abc");
  EXPECT_EQ(MakeOrdinaryLink(lkRayfile, "Rayfile://YWJjfDEyNDk0NDI="), "http://abc");
}

TEST(LinkCodec, KindsOutsideTheSelectorGiveNoResult) {
  for (int kind : {-1, 4, 1000}) {
    EXPECT_FALSE(MakeSpecialLink(kind, "abc").has_value());
    EXPECT_FALSE(MakeOrdinaryLink(kind, "qqdl://YWJj").has_value());
    EXPECT_EQ(LinkPrefix(kind), "");
  }
}

TEST(LinkCodec, EveryKindRoundTrips) {
  std::mt19937 rng(3);
  for (int n = 0; n < 60; ++n) {
    const std::string x = RandomBytes(rng, static_cast<std::size_t>(n));
    for (int kind : {lkThunder, lkFlashGet, lkXuanfeng}) {
      ASSERT_EQ(MakeOrdinaryLink(kind, *MakeSpecialLink(kind, x)), x) << "kind " << kind;
    }
  }
  // The special link is the prefix and the Base64 of the marked-up address, whatever its length.
  for (std::size_t n = 0; n < 12; ++n) {
    const std::string x = RandomBytes(rng, n);
    EXPECT_EQ(MakeSpecialLink(lkThunder, x), "thunder://" + EncodeBase64("AA" + x + "ZZ"));
    EXPECT_EQ(MakeSpecialLink(lkFlashGet, x), "flashget://" + EncodeBase64("[FLASHGET]" + x + "[FLASHGET]") + "&");
  }
  const std::string chinese = "http://host/\xd6\xd0\xce\xc4.rar";  // 中文 in GBK
  for (int kind : {lkThunder, lkFlashGet, lkXuanfeng, lkRayfile}) {
    EXPECT_EQ(MakeOrdinaryLink(kind, *MakeSpecialLink(kind, chinese)), chinese);
  }
}

TEST(LinkCodec, RayfileKeepsAnHttpInsideTheAddress) {
  for (const std::string x : {"http://a/?u=http://b", "http://host/file.zip", "http://"}) {
    EXPECT_EQ(MakeOrdinaryLink(lkRayfile, *MakeSpecialLink(lkRayfile, x)), x);
  }
  EXPECT_EQ(MakeOrdinaryLink(lkRayfile, *MakeSpecialLink(lkRayfile, "ftp://host")), "http://ftp://host");
  EXPECT_EQ(MakeSpecialLink(lkRayfile, "http://abc"), MakeSpecialLink(lkRayfile, "abc"));
}

TEST(LinkCodec, EmptyAddress) {
  EXPECT_EQ(MakeSpecialLink(lkThunder, ""), "thunder://" + EncodeBase64("AAZZ"));
  EXPECT_EQ(MakeSpecialLink(lkFlashGet, ""), "flashget://" + EncodeBase64("[FLASHGET][FLASHGET]") + "&");
  EXPECT_EQ(MakeSpecialLink(lkXuanfeng, ""), "qqdl://");
  EXPECT_EQ(MakeSpecialLink(lkRayfile, ""), "Rayfile://" + EncodeBase64("|1249442"));
  EXPECT_EQ(MakeOrdinaryLink(lkThunder, *MakeSpecialLink(lkThunder, "")), "");
  EXPECT_EQ(MakeOrdinaryLink(lkFlashGet, *MakeSpecialLink(lkFlashGet, "")), "");
  EXPECT_EQ(MakeOrdinaryLink(lkXuanfeng, "qqdl://"), "");
  EXPECT_EQ(MakeOrdinaryLink(lkRayfile, *MakeSpecialLink(lkRayfile, "")), "http://");
}

TEST(LinkCodec, CutsAreByPositionWhateverTheBytes) {
  // Thunder: D without two bytes at each end; fewer than five bytes leave nothing.
  EXPECT_EQ(MakeOrdinaryLink(lkThunder, "thunder://" + EncodeBase64("xxyy")), "");
  EXPECT_EQ(MakeOrdinaryLink(lkThunder, "thunder://" + EncodeBase64("xxAyy")), "A");
  // FlashGet: ten at each end; fewer than 21 leave nothing.
  EXPECT_EQ(MakeOrdinaryLink(lkFlashGet, "flashget://" + EncodeBase64(std::string(20, 'm'))), "");
  EXPECT_EQ(MakeOrdinaryLink(lkFlashGet, "flashget://" + EncodeBase64("0123456789X0123456789")), "X");
  // Rayfile: eight at the end.
  EXPECT_EQ(MakeOrdinaryLink(lkRayfile, "Rayfile://" + EncodeBase64("12345678")), "http://");
  EXPECT_EQ(MakeOrdinaryLink(lkRayfile, "Rayfile://" + EncodeBase64("h12345678")), "http://h");
}

TEST(LinkCodec, PrefixesAreRemovedExactlyAndAnywhere) {
  // Without its prefix a link decodes all the same, except FlashGet, which cuts 11 bytes.
  EXPECT_EQ(MakeOrdinaryLink(lkThunder, "QUFhYmNaWg=="), "abc");
  EXPECT_EQ(MakeOrdinaryLink(lkXuanfeng, "YWqqdl://Jj"), "abc");
  EXPECT_EQ(MakeOrdinaryLink(lkXuanfeng, "qqdl://qqdl://YWJj"), "abc");
  EXPECT_EQ(MakeOrdinaryLink(lkXuanfeng, "qqdl://YWJjqqdl://"), "abc");
  EXPECT_EQ(MakeOrdinaryLink(lkXuanfeng, "qqdl://YWqqdl://Jjqqdl://"), "abc");
  EXPECT_NE(MakeOrdinaryLink(lkFlashGet, "W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=&"), "abc");
  EXPECT_EQ(MakeOrdinaryLink(lkFlashGet, "FLASHGET://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=&"), "abc");
  EXPECT_EQ(MakeOrdinaryLink(lkFlashGet, "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=Flashget://&"), "abc");
  // Another letter case is not a prefix: its letters are decoded as Base64.
  EXPECT_NE(MakeOrdinaryLink(lkThunder, "Thunder://QUFhYmNaWg=="), "abc");
  EXPECT_NE(MakeOrdinaryLink(lkXuanfeng, "QQDL://YWJj"), "abc");
  EXPECT_NE(MakeOrdinaryLink(lkRayfile, "rayfile://YWJjfDEyNDk0NDI="), "http://abc");
  EXPECT_EQ(MakeOrdinaryLink(lkFlashGet, "flash"), "");
}

TEST(LinkCodec, SeveralLinksInOneTextDecodeAsOne) {
  const std::string two = *MakeSpecialLink(lkThunder, "abc") + "\r\n" + *MakeSpecialLink(lkThunder, "def");
  const std::string d = *MakeOrdinaryLink(lkThunder, two);
  EXPECT_EQ(d.substr(0, 5), "abcZZ");
  EXPECT_NE(d, "abc\r\ndef");
}
