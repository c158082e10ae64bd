#include "app/conversion.h"

#include <gtest/gtest.h>

#include "app/codec/link_codec.h"

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

}  // namespace
}  // namespace varnelta
