#include "app/conversion.h"

#include <gtest/gtest.h>

#include "app/codec/link_codec.h"
#include "tests/app/codec/link_corpus.h"

namespace varnelta {
namespace {

using Lines = std::vector<std::string>;

TEST(ConvertLines, OneLineGivesExactlyWhatTheCodecGives) {
  for (int kind = 0; kind < 4; ++kind) {
    EXPECT_EQ(ConvertLines(TConversion::ToSpecial, kind, "abc"), Lines{*MakeSpecialLink(kind, "abc")});
    std::string link = *MakeSpecialLink(kind, "http://a/b");
    EXPECT_EQ(ConvertLines(TConversion::ToOrdinary, kind, link), Lines{*MakeOrdinaryLink(kind, link)});
  }
}

TEST(ConvertLines, SeveralLinesBlankLinesAndTrimming) {
  std::string text = " thunder://QUFhYmNaWg==\t\r\n\r\n\tqqdl\r\nthunder://QUF4Wlo=\nthunder://QUF5Wlo=\r";
  auto lines = ConvertLines(TConversion::ToOrdinary, 0, text);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (Lines{"abc", "", *MakeOrdinaryLink(0, "qqdl"), "x", "y", ""}));
  EXPECT_EQ(JoinLines(*lines), "abc\r\n\r\n" + *MakeOrdinaryLink(0, "qqdl") + "\r\nx\r\ny\r\n");
}

TEST(ConvertLines, BlanksOnlyAreConvertedToEmptyLines) {
  EXPECT_EQ(ConvertLines(TConversion::ToSpecial, 2, " \r\n\t"), (Lines{"", ""}));
  EXPECT_EQ(ConvertLines(TConversion::ToSpecial, 2, ""), Lines{""});
}

TEST(ConvertLines, EachResultIsCutAtItsFirstZeroByte) {
  std::string withZero = "thunder://" + EncodeBase64(std::string("AAab\0cdZZ", 9));
  auto lines = ConvertLines(TConversion::ToOrdinary, 0, withZero + "\r\n" + withZero);
  EXPECT_EQ(lines, (Lines{"ab", "ab"}));
  // "AAAA" decodes to three zero bytes.
  EXPECT_EQ(ConvertLines(TConversion::ToOrdinary, 2, "qqdl://AAAA"), Lines{""});
}

TEST(ConvertLines, NoKindGivesNoResult) {
  EXPECT_FALSE(ConvertLines(TConversion::ToOrdinary, -1, "thunder://QUFhYmNaWg=="));
  EXPECT_FALSE(ConvertLines(TConversion::ToSpecial, 4, "abc"));
}

TEST(ConvertLines, GbkBytesPassThroughUnchanged) {
  std::string gbk = "http://x/\xD1\xB8\xC0\xD7.zip";  // 迅雷 in code page 936
  auto special = ConvertLines(TConversion::ToSpecial, 0, gbk);
  ASSERT_TRUE(special);
  EXPECT_EQ(ConvertLines(TConversion::ToOrdinary, 0, (*special)[0]), Lines{gbk});
}

TEST(DecodeLines, AMixedPasteDecodesEachLineByItsOwnSchemeAndTheKindWithoutOne) {
  const std::vector<std::string> lines = {
      testing::ThunderLink("http://a/1"), testing::FlashGetLink("http://a/2"), testing::QqdlLink("http://a/3"),
      testing::Fs2youLink("a/4", "10", "4"), "http://a/5", "", "thunder://" + EncodeBase64("http://a/6"),
      EncodeBase64("http://a/7"),  // no scheme: the kind selected (qqdl)
      "foo://x"};
  const auto results = DecodeLines(lines, lkXuanfeng);
  ASSERT_EQ(results.size(), lines.size());
  const char* addresses[] = {"http://a/1", "http://a/2", "http://a/3", "http://a/4", "http://a/5", "", "",
                             "http://a/7", ""};
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(results[i].address, addresses[i]) << i;
  EXPECT_EQ(FailedLines(results), 2);
  EXPECT_TRUE(IsSpecialLink(results[0]));
  EXPECT_TRUE(IsSpecialLink(results[6]));  // failed, but a special link's line all the same
  EXPECT_FALSE(IsSpecialLink(results[4]));
  EXPECT_FALSE(IsSpecialLink(results[5]));
  EXPECT_FALSE(IsSpecialLink(results[8]));
}

TEST(StatusTexts, TheCopyMessageAloneUnlessLinesFailed) {
  EXPECT_EQ(CopiedStatus(0), L"已复制到剪贴板！");
  EXPECT_EQ(CopiedStatus(3), L"已复制到剪贴板！（3 行失败）");
  EXPECT_EQ(WatchStatus(2, 0), L"已转换剪贴板中的 2 个链接");
  EXPECT_EQ(WatchStatus(1, 1), L"已转换剪贴板中的 1 个链接（1 行失败）");
}

TEST(SplitWideLines, EveryKindOfBreakAndTrimming) {
  EXPECT_EQ(SplitWideLines(L"a\r\nb\nc\rd\r\n"), (std::vector<std::wstring_view>{L"a", L"b", L"c", L"d", L""}));
  EXPECT_EQ(SplitWideLines(L""), (std::vector<std::wstring_view>{L""}));
  EXPECT_EQ(TrimWideLine(L" \t文件 a\t "), L"文件 a");
}

}  // namespace
}  // namespace varnelta
