// The command line over the link recognition: the corpus line by line, the explanation, the
// output charset, and the raw mode streaming in blocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/codec/link_codec.h"
#include "cli.h"
#include "tests/app/codec/base64_reference.h"
#include "tests/app/codec/link_corpus.h"

namespace varnelta {
namespace {

using cli::Run;
using cli::Streams;

struct Result {
  int status = 0;
  std::string out, err;
  std::size_t readCalls = 0;
  std::size_t writesBeforeEnd = 0;  // writes made before the input was all read
};

// Standard input given `piece` bytes at a time.
Result Cli(const std::vector<std::string>& args, const std::string& input, std::size_t piece = 1 << 20) {
  Result r;
  std::size_t at = 0;
  Streams io;
  io.read = [&](char* buffer, std::size_t size) {
    ++r.readCalls;
    const std::size_t n = std::min({size, piece, input.size() - at});
    std::copy_n(input.data() + at, n, buffer);
    at += n;
    return n;
  };
  io.write = [&](std::string_view bytes) {
    if (at < input.size()) ++r.writesBeforeEnd;
    r.out += bytes;
  };
  io.error = [&](std::string_view text) { r.err += text; };
  r.status = Run(args, io);
  return r;
}

TEST(CliLinks, TheCorpusLineByLine) {
  std::string input, expectedOut, expectedErr, expectedExplain;
  std::size_t number = 0;
  for (const testing::CorpusLine& c : testing::LinkCorpus()) {
    if (c.defaultKind != -1) continue;  // read without a kind
    ++number;
    input += c.line + "\r\n";
    expectedOut += c.address + "\n";
    const std::string reason(c.failure == lfNone ? "ok" : FailureText(c.failure));
    if (c.failure != lfNone) expectedErr += "line " + std::to_string(number) + ": " + reason + "\n";
    expectedExplain +=
        std::to_string(number) + "\t" + c.kind + "\t" + std::string(CharsetName(c.charset)) + "\t" + reason + "\n";
  }
  const Result r = Cli({"decode"}, input);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, expectedOut);
  EXPECT_EQ(r.err, expectedErr);
  const Result explained = Cli({"decode", "--explain"}, input);
  EXPECT_EQ(explained.status, 1);
  EXPECT_EQ(explained.out, expectedExplain);
  EXPECT_EQ(explained.err, "");
  // The same lines read in pieces of a few bytes.
  EXPECT_EQ(Cli({"decode"}, input, 7).out, expectedOut);
}

TEST(CliLinks, EncodedAddressesComeBackAndAllGoodMeansStatusZero) {
  std::string addresses;
  for (const std::string& a : {testing::kUrl, testing::kGbkUrl, testing::kUtf8Url}) addresses += a + "\n";
  for (const char* kind : {"thunder", "flashget", "qqdl", "rayfile"}) {
    const Result links = Cli({"encode", "--kind", kind}, addresses);
    const Result back = Cli({"decode"}, links.out);
    EXPECT_EQ(back.status, 0) << kind << back.err;
    EXPECT_EQ(back.out, addresses) << kind;
  }
}

TEST(CliLinks, KindGivenReadsLinesWithoutASchemeOnly) {
  const Result r = Cli({"decode", "--kind", "thunder"}, "QUFhYmNaWg==\nqqdl://YWJj\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "abc\nabc\n");
}

TEST(CliLinks, CharsetForcesTheOutputCharset) {
  const std::string gbkLink = testing::ThunderLink(testing::kGbkUrl);
  const std::string utf8Link = testing::ThunderLink(testing::kUtf8Url);
  const std::string utf8OfGbk = "http://dl.example.cn/\xe8\xbf\x85\xe9\x9b\xb7/\xe6\x96\x87\xe4\xbb\xb6.rar";
  const std::string gbkOfUtf8 = "http://dl.example.cn/\xce\xc4\xbc\xfe.rar";
  EXPECT_EQ(Cli({"decode", "--charset", "utf8"}, gbkLink + "\n" + utf8Link).out, utf8OfGbk + "\n" + testing::kUtf8Url + "\n");
  EXPECT_EQ(Cli({"decode", "--charset=gbk"}, gbkLink + "\n" + utf8Link).out, testing::kGbkUrl + "\n" + gbkOfUtf8 + "\n");
  // An ordinary line passes as it is; a character GBK cannot hold fails its line.
  const std::string emoji = "http://a/\xf0\x9f\x98\x80";
  const Result r = Cli({"decode", "--charset", "gbk"}, "http://a/\xe6\x96\x87\n" + testing::QqdlLink(emoji) + "\n");
  EXPECT_EQ(r.out, "http://a/\xe6\x96\x87\n\n");
  EXPECT_EQ(r.err, "line 2: not convertible to gbk\n");
  EXPECT_EQ(r.status, 1);
}

TEST(CliLinks, RawModeStreamsInBlocksAndEqualsTheWholeBufferCodec) {
  std::mt19937 rng(41);
  const std::string bytes = testing::RandomBytes(rng, 3 << 20);
  const Result encoded = Cli({"encode", "--kind", "qqdl", "--raw"}, bytes, 1000003);
  EXPECT_EQ(encoded.out, *MakeSpecialLink(lkXuanfeng, bytes));
  EXPECT_GT(encoded.writesBeforeEnd, 0u);  // output began before the input ended
  const Result decoded = Cli({"decode", "--raw"}, encoded.out, 999999);
  EXPECT_EQ(decoded.status, 0);
  EXPECT_EQ(decoded.out, bytes);
  EXPECT_GT(decoded.writesBeforeEnd, 0u);
  // Foreign bytes and padding anywhere, and a kind that cuts both ends.
  const std::string text = "thunder://" + testing::MixedBase64(rng, 2 << 20, 3, 3);
  const Result thunder = Cli({"decode", "--raw", "--kind", "thunder"}, text, 65537);
  EXPECT_EQ(thunder.out, *MakeOrdinaryLink(lkThunder, text));
  // No prefix to read the kind from: the input passes unchanged, reported as line 1.
  const Result unknown = Cli({"decode", "--raw"}, "YWJj", 1);
  EXPECT_EQ(unknown.out, "YWJj");
  EXPECT_EQ(unknown.err, "line 1: not a special link\n");
  EXPECT_EQ(unknown.status, 1);
}

}  // namespace
}  // namespace varnelta
