#include "app/codec/link_recognition.h"

#include <gtest/gtest.h>

#include "app/codec/line_recognizer.h"
#include "tests/app/codec/link_corpus.h"

namespace varnelta {
namespace {

using testing::B64;
using testing::LinkCorpus;
using testing::ThunderLink;

TEST(RecognizeLink, TheCorpusOfRealWorldShapes) {
  // The escapes and the URL-safe forms must really change the link.
  const std::string body = ThunderLink(testing::kUrl).substr(10);
  for (char c : {'+', '/', '='}) ASSERT_NE(body.find(c), std::string::npos) << c;
  ASSERT_TRUE(testing::QqdlLink("http://a.b/c.zip??").ends_with('/'));
  for (const testing::CorpusLine& c : LinkCorpus()) {
    SCOPED_TRACE(c.what);
    const TLinkResult r = RecognizeLink(c.line, c.defaultKind);
    EXPECT_EQ(KindText(r), c.kind);
    EXPECT_EQ(FailureText(r.failure), FailureText(c.failure));
    EXPECT_EQ(CharsetName(r.charset), CharsetName(c.charset));
    EXPECT_EQ(r.address, c.address);
  }
}

TEST(RecognizeLink, Fs2youReportsSizeAndName) {
  const TLinkResult r = RecognizeLink(testing::Fs2youLink("fs.cn/f/\xce\xc4.rar", "52", "\xce\xc4.rar"), -1);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.address, "http://fs.cn/f/\xce\xc4.rar");
  EXPECT_EQ(r.size, "52");
  EXPECT_EQ(r.name, "\xce\xc4.rar");
}

TEST(RecognizeLink, EveryKindRoundTripsThroughTheCodecsEncoder) {
  const std::string addresses[] = {testing::kUrl, testing::kGbkUrl, testing::kUtf8Url, "http://x/%20a b"};
  for (int kind = lkThunder; kind <= lkRayfile; ++kind) {
    for (const std::string& address : addresses) {
      const TLinkResult r = RecognizeLink(*MakeSpecialLink(kind, address), -1);
      EXPECT_TRUE(r.Ok()) << kind << " " << address;
      EXPECT_EQ(r.address, address);
      EXPECT_EQ(r.charset, address == testing::kUtf8Url ? csUtf8 : csGbk);
    }
  }
}

TEST(RecognizeLink, TheLinesOwnSchemeWinsOverTheKindGiven) {
  const TLinkResult r = RecognizeLink(testing::QqdlLink("http://a/b"), lkThunder);
  EXPECT_EQ(r.scheme, lsXuanfeng);
  EXPECT_EQ(r.address, "http://a/b");
}

TEST(RecognizeLink, NestingStopsAtTheFixedDepth) {
  std::string link = testing::QqdlLink("http://a/b");
  for (int i = 1; i < kMaxLinkLayers; ++i) link = ThunderLink(link);
  EXPECT_EQ(RecognizeLink(link, -1).address, "http://a/b");
  // One layer more: the innermost link is given as it stands.
  const std::string deeper = ThunderLink(link);
  const TLinkResult r = RecognizeLink(deeper, -1);
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(r.depth, kMaxLinkLayers);
  EXPECT_EQ(r.address, testing::QqdlLink("http://a/b"));
}

std::vector<std::string> Kinds(const std::vector<TLinkResult>& results) {
  std::vector<std::string> kinds;
  for (const auto& r : results) kinds.push_back(std::string(r.Ok() ? KindText(r) : FailureText(r.failure)));
  return kinds;
}

TEST(RecognizeLines, ALinkBrokenOverLinesIsJoinedAndTheLinesKeepTheirPlaces) {
  const std::string link = ThunderLink(testing::kUrl);
  const std::string text = "qqdl://YWJj\r\n" + link.substr(0, 17) + "\r\n" + link.substr(17, 30) + "\r\n  " +
                           link.substr(47) + "\r\n\r\n" + testing::kUrl;
  const auto results = RecognizeLines(text, -1);
  EXPECT_EQ(Kinds(results), (std::vector<std::string>{"qqdl", "thunder", "continued", "continued", "empty",
                                                      "ordinary"}));
  EXPECT_EQ(results[1].address, testing::kUrl);
  EXPECT_EQ(results[2].address, "");
  // Broken right after the scheme.
  EXPECT_EQ(Kinds(RecognizeLines("thunder://\n" + link.substr(10), -1)),
            (std::vector<std::string>{"thunder", "continued"}));
}

TEST(RecognizeLines, LinesThatMakeNoGoodLinkTogetherStayApart) {
  const std::string link = ThunderLink(testing::kUrl);
  // The second line is a link of its own for the kind given, and the first needs no help.
  const std::string own = B64("AAhttp://b/ZZ");
  EXPECT_EQ(Kinds(RecognizeLines(link + "\n" + own, lkThunder)), (std::vector<std::string>{"thunder", "thunder"}));
  // A cut link followed by Base64 that does not complete it.
  const auto results = RecognizeLines(link.substr(0, 30) + "\nYWJj\nhttp://x", -1);
  EXPECT_EQ(Kinds(results), (std::vector<std::string>{"markers missing", "not a special link", "ordinary"}));
  // More lines than a link may take.
  std::string text = link.substr(0, 14);
  for (std::size_t i = 14; i < link.size(); i += 2) text.append("\n").append(link, i, 2);
  EXPECT_EQ(RecognizeLines(text, -1).size(), 1 + (link.size() - 14 + 1) / 2);
  EXPECT_FALSE(RecognizeLines(text, -1).front().Ok());
}

TEST(RecognizeLines, OneResultPerLineWhateverTheBreaks) {
  EXPECT_EQ(RecognizeLines("", -1).size(), 1u);
  EXPECT_EQ(RecognizeLines("a\r\nb\nc\rd\r\n", -1).size(), 5u);
}

}  // namespace
}  // namespace varnelta
